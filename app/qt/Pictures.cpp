#include "app/qt/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tavrosk::qt {

namespace {

QPixmap render(const QString& resource, QSize size, qreal pixelRatio) {
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace

QIcon ApplicationIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128})
        icon.addPixmap(render(QStringLiteral(":/pictures/tavrosk.svg"), QSize(side, side), 1.0));
    return icon;
}

QPixmap ControlPicture(controls::Picture picture, qreal pixelRatio) {
    switch (picture) {
    case controls::Picture::Clipboard:
        return render(QStringLiteral(":/pictures/clipboard.svg"), QSize(32, 32), pixelRatio);
    case controls::Picture::Spreadsheet:
        return render(QStringLiteral(":/pictures/spreadsheet.svg"), QSize(32, 32), pixelRatio);
    case controls::Picture::Still:
        return render(QStringLiteral(":/pictures/picture.svg"), QSize(48, 40), pixelRatio);
    case controls::Picture::None:
        break;
    }
    return {};
}

} // namespace tavrosk::qt
