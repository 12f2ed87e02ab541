// tavrosk-clipboard-keeper: serves a text on the X11 clipboard after the
// window that copied it has closed.
//
// On X11 the clipboard's content lives in the program that copied it, so it
// is gone when that program exits unless a clipboard manager took it. The
// tool starts this helper at exit when there is no manager: it reads the text
// from its standard input, takes the clipboard, says "ready" on its standard
// output, and serves the text until another program takes the clipboard.

#include <QClipboard>
#include <QGuiApplication>
#include <QObject>

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include <unistd.h>

int main(int argc, char* argv[]) {
    // All of the text first: the tool writes it and then closes the pipe.
    const std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    // A session of its own, so that closing the tool's terminal or process
    // group does not take the helper with it.
    setsid();
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QString::fromStdString(text));
    if (!clipboard->ownsClipboard())
        return 1;

    std::fputs("ready\n", stdout);
    std::fclose(stdout);
    QObject::connect(clipboard, &QClipboard::changed, &application, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard())
            QCoreApplication::quit();
    });
    return QGuiApplication::exec();
}
