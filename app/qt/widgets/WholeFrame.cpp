#include "app/qt/widgets/WholeFrame.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace tavrosk::qt {

namespace {

class WholeFrameStyle final : public QProxyStyle {
public:
    WholeFrameStyle() { setParent(QCoreApplication::instance()); }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_Frame) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Fusion's shade for a field's frame: its outline, a little lighter.
        const QColor shade = option->palette.window().color().darker(140).lighter(108);
        const QRectF r = option->rect;
        painter->fillRect(QRectF(r.left(), r.top(), r.width(), 1), shade);
        painter->fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), shade);
        painter->fillRect(QRectF(r.left(), r.top(), 1, r.height()), shade);
        painter->fillRect(QRectF(r.right() - 1, r.top(), 1, r.height()), shade);
    }
};

} // namespace

void KeepFrameWhole(QAbstractScrollArea& area) {
    if (area.style()->name() != QLatin1String("fusion"))
        return;
    // One for every field, owned by the application: it outlives the windows.
    static auto* const style = new WholeFrameStyle;
    area.setStyle(style);
}

} // namespace tavrosk::qt
