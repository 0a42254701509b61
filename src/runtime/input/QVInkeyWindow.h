#pragma once

// The window of the modal key input: a prompt followed by a blinking "_" cursor. The first key
// the current key format accepts (every key without one) becomes the application delegate's
// inkeyResponseString and stops the modal run with 1; Escape does the same with no answer.

#include "runtime/input/QVFloatingWindow.h"

#include <cstdint>

namespace platform {
class String;
class TextField;
class Timer;
} // namespace platform

class QVInkeyWindow : public QVFloatingWindow {
    struct Passkey {
        explicit Passkey() = default;
    };

public:
    // Seconds between two changes of the cursor.
    static constexpr double BlinkInterval = 0.5;

    // The window for the prompt (none for no prompt) at the position (see center); it is not
    // shown yet.
    static platform::Ref<QVInkeyWindow>
    initWithPromptXY(const platform::Ref<platform::String>& prompt, std::int64_t x, std::int64_t y);
    explicit QVInkeyWindow(Passkey) {}

    // Fits the prompt, the cursor and the window to their texts (see fitTexts); the window is
    // never narrower than 40.
    void resize();

    // Starts cursorTimer, which blinks the cursor in modal runs too.
    void windowDidBecomeKey(const platform::Ref<platform::Notification>& notification) override;
    // Stops both blink timers, so that a closed window is not kept blinking.
    void windowWillClose(const platform::Ref<platform::Notification>& notification) override;
    // Shows the cursor when it is hidden and hides it when it is shown.
    void timerFired(const platform::Ref<platform::Timer>& timer);
    // Reads the key (see the class comment). A key the format refuses goes on to the window's
    // default handling and the window keeps waiting.
    void keyDown(const platform::Ref<platform::Event>& event) override;

    platform::Ref<platform::Timer> cursorTimer() const { return cursorTimer_; }
    void setCursorTimer(platform::Ref<platform::Timer> timer) { cursorTimer_ = std::move(timer); }
    platform::Ref<platform::TextField> promptLabel() const { return promptLabel_; }
    void setPromptLabel(platform::Ref<platform::TextField> label) {
        promptLabel_ = std::move(label);
    }
    platform::Ref<platform::TextField> cursorLabel() const { return cursorLabel_; }
    void setCursorLabel(platform::Ref<platform::TextField> label) {
        cursorLabel_ = std::move(label);
    }

private:
    void stopCursorTimer();

    platform::Ref<platform::Timer> cursorTimer_;
    platform::Ref<platform::TextField> promptLabel_;
    platform::Ref<platform::TextField> cursorLabel_;
    // The blink timer of the default mode, started when the window is built.
    platform::Ref<platform::Timer> idleBlinkTimer_;
};
