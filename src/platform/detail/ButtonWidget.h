#pragma once

// Internal to the platform: the toolkit widget of a control that is pressed like a button
// (buttons, switches, the pull-down and combo buttons). Space and Return press a focused one at
// once, as the framework's buttons do, rather than on the key's release; other keys go to the
// toolkit as usual.

#include "platform/detail/ControlWidget.h"
#include "platform/foundation/String.h"

#include <QKeyEvent>

namespace platform::detail {

// A title as a button shows it. Buttons take '&' for the mark of a mnemonic; our titles show it
// as it is.
inline QString buttonText(const Ref<String>& text) {
    return text ? QString::fromStdU16String(text->utf16()).replace(u'&', QStringLiteral("&&"))
                : QString();
}

template <class Base>
class ButtonWidget : public ControlWidget<Base> {
public:
    using ControlWidget<Base>::ControlWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        this->forwardKey(*event, true, [this, event] {
            const int key = event->key();
            const bool presses =
                key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
            if (presses && !event->isAutoRepeat() && event->modifiers() == Qt::NoModifier)
                this->click();
            else if (!presses)
                Base::keyPressEvent(event);
        });
    }
};

} // namespace platform::detail
