#pragma once

#include <QPixmap>
#include <QPushButton>

namespace tavrosk::qt {

// A push button drawn in a background colour of its own, with an optional
// picture centred above its caption; the caption is centred and wraps onto
// further lines when it is wider than the button.
class GraphicalButton final : public QPushButton {
    Q_OBJECT
public:
    GraphicalButton(const QString& caption, const QColor& background, QWidget* parent);

    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace tavrosk::qt
