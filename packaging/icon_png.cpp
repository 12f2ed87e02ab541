// Renders the SVG icon as a square PNG of the given size, for the icon
// theme's fixed sizes: icon_png SOURCE.svg SIZE OUTPUT.png
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: icon_png SOURCE.svg SIZE OUTPUT.png\n", stderr);
        return 2;
    }
    QSvgRenderer svg{QString::fromLocal8Bit(argv[1])};
    const int size = QByteArray(argv[2]).toInt();
    if (!svg.isValid() || size <= 0)
        return 1;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
