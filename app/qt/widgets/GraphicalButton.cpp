#include "app/qt/widgets/GraphicalButton.h"

#include <QPainter>
#include <qdrawutil.h>
#include <QStyleOptionButton>

namespace tavrosk::qt {

GraphicalButton::GraphicalButton(const QString& caption, const QColor& background, QWidget* parent)
    : QPushButton(caption, parent) {
    QPalette colours = palette();
    colours.setColor(QPalette::Button, background);
    setPalette(colours);
}

void GraphicalButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void GraphicalButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // A flat face in the button's own colour with a raised (or, pressed,
    // sunken) edge; the style's gradients would lighten the colour.
    const QBrush face(palette().color(QPalette::Button));
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);

    QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        content.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));

    const QRect captionBox = fontMetrics().boundingRect(content, Qt::AlignCenter | Qt::TextWordWrap, text());
    if (!picture_.isNull()) {
        const QSize size = picture_.deviceIndependentSize().toSize();
        const int top = content.top() + (content.height() - size.height() - captionBox.height()) / 2;
        painter.drawPixmap(QPoint(content.center().x() - size.width() / 2 + 1, std::max(content.top(), top)),
                           picture_);
        content.setTop(std::max(content.top(), top) + size.height());
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(content, Qt::AlignCenter | Qt::TextWordWrap, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace tavrosk::qt
