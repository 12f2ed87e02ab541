#!/usr/bin/python3
"""Makes the music files the tag tests read, in the folder given: tags
written by Debian's mutagen, FLAC by flac, Ogg Vorbis by oggenc; ID3v1,
RIFF INFO and the smallest MP4 are put together here byte by byte."""
import os
import random
import struct
import subprocess
import sys
from pathlib import Path

from mutagen.flac import FLAC
from mutagen.id3 import ID3, TIT2
from mutagen.mp4 import MP4

os.makedirs(sys.argv[1], exist_ok=True)
os.chdir(sys.argv[1])
YOAKE = "夜明けのスキャット"
# MPEG-1 layer III frames, 128 kbit/s at 44.1 kHz, of silence.
FRAMES = (b"\xff\xfb\x90\x64" + bytes(413)) * 8


def mp3(name, title=None, encoding=3, version=4):
    Path(name).write_bytes(FRAMES)
    if title is not None:
        tags = ID3()
        tags.add(TIT2(encoding=encoding, text=title))
        tags.save(name, v2_version=version)


# RIFF's chunks count their size little-endian, without the header or the
# byte that pads them to an even length; MP4's atoms big-endian, with it.
def chunk(kind, body):
    return kind + struct.pack("<I", len(body)) + body + bytes(len(body) % 2)


def atom(kind, body):
    return struct.pack(">I", 8 + len(body)) + kind + body


def wav(name, title=None):
    body = chunk(b"fmt ", struct.pack("<HHIIHH", 1, 1, 8000, 16000, 2, 16)) + chunk(b"data", bytes(1600))
    if title is not None:
        body += chunk(b"LIST", b"INFO" + chunk(b"INAM", title + b"\0"))
    Path(name).write_bytes(b"RIFF" + struct.pack("<I", 4 + len(body)) + b"WAVE" + body)


# Bytes marked Latin-1 (encoding 0) go in as the characters U+0000..U+00FF.
mp3("utf16.mp3", YOAKE, encoding=1)
mp3("utf8.mp3", "Ça va 夜明け")
mp3("cp932.mp3", YOAKE.encode("cp932").decode("latin-1"), encoding=0, version=3)
mp3("latin1.mp3", "Crème brûlée", encoding=0, version=3)
mp3("untagged.mp3")
mp3("empty.mp3", "")
Path("id3v1.mp3").write_bytes(FRAMES + b"TAG" + "スキャット".encode("cp932").ljust(30, b"\0") + bytes(94) + b"\xff")
wav("info.wav", "夜明けの歌".encode("cp932"))
wav("plain.wav")
mvhd = atom(b"mvhd", bytes(12) + struct.pack(">II", 1000, 0) + bytes(80))
Path("m4a.m4a").write_bytes(atom(b"ftyp", b"M4A \0\0\0\0M4A mp42isom") + atom(b"moov", mvhd) + atom(b"mdat", bytes(64)))
m4a = MP4("m4a.m4a")
m4a["\xa9nam"] = ["エム・フォー・エー"]
m4a.save()
wav(".source.wav")
subprocess.run(["flac", "-s", "-f", "-o", "flac.flac", ".source.wav"], check=True)
flac = FLAC("flac.flac")
flac["title"] = "フラック"
flac.save()
subprocess.run(["oggenc", "-Q", "-t", "オッグ", "-o", "ogg.ogg", ".source.wav"], check=True)
os.remove(".source.wav")

# Things named like songs that are no song files: empty, 32 MB of noise
# (which TagLib scans for frames), a FIFO, a folder, a device.
Path("zero.mp3").write_bytes(b"")
if not os.path.exists("huge.mp3"):
    Path("huge.mp3").write_bytes(random.Random(30).randbytes(32 << 20))
for odd, make in (("fifo.mp3", os.mkfifo), ("folder.mp3", os.mkdir),
                  ("device.mp3", lambda name: os.symlink("/dev/zero", name))):
    if not os.path.lexists(odd):
        make(odd)
