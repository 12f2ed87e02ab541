#!/usr/bin/python3
"""Makes the music files the tag tests read, in the folder given: tags
written by Debian's mutagen, FLAC by flac, Ogg Vorbis by oggenc; ID3v1,
RIFF INFO and the smallest MP4 are put together here byte by byte."""
import os
import random
import struct
import subprocess
import sys
import wave

from mutagen.flac import FLAC
from mutagen.id3 import ID3, TIT2
from mutagen.mp4 import MP4

out = sys.argv[1]
os.makedirs(out, exist_ok=True)
YOAKE = "夜明けのスキャット"


def path(name):
    return os.path.join(out, name)


# MPEG-1 layer III frames, 128 kbit/s at 44.1 kHz, of silence.
FRAMES = (b"\xff\xfb\x90\x64" + bytes(413)) * 8


def mp3(name, text=None, encoding=3, version=4, raw=None):
    with open(path(name), "wb") as f:
        f.write(FRAMES)
    if text is None and raw is None:
        return
    tags = ID3()
    # Bytes marked Latin-1 (encoding 0) go in as the characters U+0000..U+00FF.
    tags.add(TIT2(encoding=encoding, text=raw.decode("latin-1") if raw is not None else text))
    tags.save(path(name), v2_version=version)


def id3v1(name, title):
    with open(path(name), "wb") as f:
        f.write(FRAMES + b"TAG" + title.ljust(30, b"\0") + bytes(94) + b"\xff")


def wav(name, info_title=None):
    with wave.open(path(name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(8000)
        w.writeframes(bytes(1600))
    if info_title is None:
        return
    inam = info_title + b"\0" * (1 + len(info_title) % 2)
    chunk = b"LIST" + struct.pack("<I", 4 + 8 + len(inam)) + b"INFO" + b"INAM" + struct.pack("<I", len(inam)) + inam
    with open(path(name), "r+b") as f:
        f.seek(0, 2)
        f.write(chunk)
        size = f.tell() - 8
        f.seek(4)
        f.write(struct.pack("<I", size))


def atom(kind, body):
    return struct.pack(">I", 8 + len(body)) + kind + body


def m4a(name, title):
    mvhd = atom(b"mvhd", bytes(4) + bytes(8) + struct.pack(">II", 1000, 0) + bytes(80))
    with open(path(name), "wb") as f:
        f.write(atom(b"ftyp", b"M4A \0\0\0\0M4A mp42isom") + atom(b"moov", mvhd) + atom(b"mdat", bytes(64)))
    tags = MP4(path(name))
    tags["\xa9nam"] = [title]
    tags.save()


mp3("utf16.mp3", YOAKE, encoding=1)
mp3("utf8.mp3", "Ça va 夜明け", encoding=3)
mp3("cp932.mp3", raw=YOAKE.encode("cp932"), encoding=0, version=3)
mp3("latin1.mp3", raw="Crème brûlée".encode("latin-1"), encoding=0, version=3)
mp3("untagged.mp3")
mp3("empty.mp3", "")
id3v1("id3v1.mp3", "スキャット".encode("cp932"))
wav("info.wav", "夜明けの歌".encode("cp932"))
wav("plain.wav")
m4a("m4a.m4a", "エム・フォー・エー")
wav(".source.wav")
subprocess.run(["flac", "-s", "-f", "-o", path("flac.flac"), path(".source.wav")], check=True)
flac = FLAC(path("flac.flac"))
flac["title"] = "フラック"
flac.save()
subprocess.run(["oggenc", "-Q", "-t", "オッグ", "-o", path("ogg.ogg"), path(".source.wav")], check=True)
os.remove(path(".source.wav"))

# Things named like songs that are no song files: empty, 32 MB of noise
# (which TagLib scans for frames), a FIFO, a folder, a device.
open(path("zero.mp3"), "wb").close()
if not os.path.exists(path("huge.mp3")):
    with open(path("huge.mp3"), "wb") as f:
        f.write(random.Random(30).randbytes(32 << 20))
for odd, make in (("fifo.mp3", os.mkfifo), ("folder.mp3", os.mkdir)):
    if not os.path.lexists(path(odd)):
        make(path(odd))
if not os.path.lexists(path("device.mp3")):
    os.symlink("/dev/zero", path("device.mp3"))
