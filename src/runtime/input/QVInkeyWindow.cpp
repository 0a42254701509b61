#include "runtime/input/QVInkeyWindow.h"

#include "runtime/input/CUI_ControlFormatter.h"
#include "runtime/input/QVInkeyFormat.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_Event.h"

#include "platform/app/Application.h"
#include "platform/app/Event.h"
#include "platform/app/RunLoop.h"
#include "platform/app/Timer.h"
#include "platform/foundation/CharacterSet.h"
#include "platform/foundation/String.h"
#include "platform/views/TextField.h"
#include "platform/views/View.h"

#include <memory>

using platform::Rect;
using platform::Ref;
using platform::String;

namespace {

void toggle(platform::View& view) {
    view.setHidden(!view.isHidden());
}

} // namespace

Ref<QVInkeyWindow> QVInkeyWindow::initWithPromptXY(const Ref<String>& prompt, std::int64_t x,
                                                   std::int64_t y) {
    auto window = std::make_shared<QVInkeyWindow>(Passkey{});
    window->buildBackground();

    window->promptLabel_ = makeLabel(Rect(8, 10, 4, 16));
    if (prompt)
        window->promptLabel_->setStringValue(prompt);
    // The window itself takes the key, so a screen reader names it by the question.
    window->setAccessibilityLabel(prompt);
    window->contentView()->addSubview(window->promptLabel_);

    window->cursorLabel_ = makeLabel(Rect(49, 10, 12, 16));
    window->cursorLabel_->setStringValue(String::fromUtf8("_"));
    window->contentView()->addSubview(window->cursorLabel_);

    window->setXPos(x);
    window->setYPos(y);
    // buildBackground placed the window before its position was known; place it again before
    // it is shown.
    window->center();
    window->resize();

    const platform::WeakRef<QVInkeyWindow> weak = window;
    window->idleBlinkTimer_ = platform::Timer::scheduledTimerWithTimeIntervalRepeatsBlock(
        BlinkInterval, true, [weak](const Ref<platform::Timer>&) {
            if (const auto self = weak.lock(); self && self->cursorLabel_)
                toggle(*self->cursorLabel_);
        });
    return window;
}

void QVInkeyWindow::resize() {
    fitTexts(*promptLabel_, *cursorLabel_, 40.0);
}

void QVInkeyWindow::windowDidBecomeKey(const Ref<platform::Notification>&) {
    if (cursorTimer_)
        return;
    cursorTimer_ = platform::Timer::timerWithTimeIntervalTargetSelectorUserInfoRepeats(
        BlinkInterval, std::static_pointer_cast<QVInkeyWindow>(shared_from_this()),
        &QVInkeyWindow::timerFired, nullptr, true);
    platform::RunLoop::addTimerForMode(cursorTimer_, platform::RunLoopMode::Default);
    platform::RunLoop::addTimerForMode(cursorTimer_, platform::RunLoopMode::ModalPanel);
}

void QVInkeyWindow::windowWillClose(const Ref<platform::Notification>&) {
    stopCursorTimer();
    if (idleBlinkTimer_) {
        idleBlinkTimer_->invalidate();
        idleBlinkTimer_ = nullptr;
    }
}

void QVInkeyWindow::timerFired(const Ref<platform::Timer>&) {
    if (cursorLabel_)
        toggle(*cursorLabel_);
}

void QVInkeyWindow::stopCursorTimer() {
    if (cursorTimer_) {
        cursorTimer_->invalidate();
        cursorTimer_ = nullptr;
    }
}

void QVInkeyWindow::keyDown(const Ref<platform::Event>& event) {
    CurrentEventSet(event);
    Ref<String> answer;
    if (event->keyCode() != platform::KeyCode::Escape) {
        Ref<String> characters = event->characters();
        if (const auto format = currentKeyFormat()) {
            if (format->caseOption() == CaseOption::Lower)
                characters = characters->lowercaseString();
            else if (format->caseOption() == CaseOption::Upper)
                characters = characters->uppercaseString();
            const auto accepted = format->characterSet();
            if (characters->isEmpty() || !accepted ||
                !accepted->characterIsMember(characters->characterAtIndex(0))) {
                Window::keyDown(event);
                return;
            }
            answer = characters;
        } else if (!characters->isEmpty()) {
            // A key that types no character gives no answer.
            answer = characters;
        }
    }
    AppDelegateGet()->setInkeyResponseString(answer);
    platform::Application::shared()->stopModalWithCode(1);
    stopCursorTimer();
}
