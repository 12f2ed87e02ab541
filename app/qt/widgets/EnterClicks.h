#pragma once

#include <QAbstractButton>
#include <QKeyEvent>

namespace tavrosk::qt {

// Watches buttons: Enter on the one with the focus clicks it, as Space does
// (and as both do on Windows). Text fields are not watched, so Enter there
// still presses no button.
class EnterClicks final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            return false;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

} // namespace tavrosk::qt
