#pragma once

// The window of the modal line input: a prompt and an edit field that widen the window as the
// user types. Return confirms the text into the application delegate's inputResponseString and
// stops the modal run with 1; Escape aborts the run.

#include "runtime/input/QVFloatingWindow.h"

#include "platform/views/TextFieldDelegate.h"

#include <cstdint>

namespace platform {
class String;
class TextField;
} // namespace platform

class QVInputWindow : public QVFloatingWindow, public platform::TextFieldDelegate {
    struct Passkey {
        explicit Passkey() = default;
    };

public:
    // The window for the prompt (none or empty for no prompt) at the position (see center),
    // with the field as first responder; it is not shown yet.
    static platform::Ref<QVInputWindow>
    initWithPromptXY(const platform::Ref<platform::String>& prompt, std::int64_t x, std::int64_t y);
    explicit QVInputWindow(Passkey) {}

    // Fits the label, the field and the window to their texts (see fitTexts); the window is
    // never narrower than 110.
    void resize();

    void controlTextDidChange(const platform::Ref<platform::Notification>& notification) override;
    // Confirms the input: the current event is stored, the field's text becomes the delegate's
    // inputResponseString and the modal run stops with 1.
    void
    controlTextDidEndEditing(const platform::Ref<platform::Notification>& notification) override;
    // Escape ("cancelOperation:") aborts the modal run and is handled; nothing else is.
    bool controlTextViewDoCommandBySelector(const platform::Ref<platform::Control>& control,
                                            const platform::Ref<platform::Object>& textView,
                                            std::string_view selector) override;

    platform::Ref<platform::TextField> label() const { return label_; }
    void setLabel(platform::Ref<platform::TextField> label) { label_ = std::move(label); }
    platform::Ref<platform::TextField> field() const { return field_; }
    void setField(platform::Ref<platform::TextField> field) { field_ = std::move(field); }

private:
    platform::Ref<platform::TextField> label_;
    platform::Ref<platform::TextField> field_;
};
