#include "runtime/input/QVInputWindow.h"

#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_Event.h"

#include "platform/app/Application.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/String.h"
#include "platform/views/TextField.h"
#include "platform/views/View.h"

#include <memory>

using platform::Rect;
using platform::Ref;

Ref<QVInputWindow> QVInputWindow::initWithPromptXY(const Ref<platform::String>& prompt,
                                                   std::int64_t x, std::int64_t y) {
    auto window = std::make_shared<QVInputWindow>(Passkey{});
    window->buildBackground();

    window->label_ = makeLabel(Rect(8, 10, 4, 16));
    if (prompt && !prompt->isEmpty())
        window->label_->setStringValue(prompt);
    window->contentView()->addSubview(window->label_);

    window->field_ = std::make_shared<platform::TextField>(Rect(49, 10, 43, 16));
    window->field_->setBordered(false);
    window->field_->setDrawsBackground(false);
    window->field_->setEditable(true);
    window->field_->setFocusRingType(platform::FocusRingType::None);
    window->field_->setStringValue(platform::String::create());
    window->field_->setTextColor(platform::Color::textColor());
    window->field_->setDelegate(window);
    // A screen reader names the field by the question, as it would a labelled field.
    window->field_->setAccessibilityLabel(prompt);
    window->contentView()->addSubview(window->field_);

    window->setXPos(x);
    window->setYPos(y);
    // buildBackground placed the window before its position was known; place it again before
    // it is shown.
    window->center();
    window->makeFirstResponder(window->field_);
    window->resize();
    return window;
}

void QVInputWindow::resize() {
    fitTexts(*label_, *field_, InitialWidth);
}

void QVInputWindow::controlTextDidChange(const Ref<platform::Notification>&) {
    resize();
}

void QVInputWindow::controlTextDidEndEditing(const Ref<platform::Notification>&) {
    const auto app = platform::Application::shared();
    CurrentEventSet(app->currentEvent());
    AppDelegateGet()->setInputResponseString(field_->stringValue());
    app->stopModalWithCode(1);
}

bool QVInputWindow::controlTextViewDoCommandBySelector(const Ref<platform::Control>&,
                                                       const Ref<platform::Object>&,
                                                       std::string_view selector) {
    if (selector != "cancelOperation:")
        return false;
    platform::Application::shared()->abortModal();
    return true;
}
