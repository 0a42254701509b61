#pragma once

#include "platform/views/Control.h"

#include <cstdint>

namespace platform {

// The kinds of button, with the framework's values. Switch is a check box, Radio a radio
// button; the others are push buttons, of which PushOnPushOff, Toggle and OnOff keep their
// state between clicks.
enum class ButtonType : std::int64_t {
    MomentaryLight = 0,
    PushOnPushOff = 1,
    Toggle = 2,
    Switch = 3,
    Radio = 4,
    MomentaryChange = 5,
    OnOff = 6,
    MomentaryPushIn = 7,
};

// The states of a button, with the framework's values.
namespace ControlStateValue {
inline constexpr std::int64_t Mixed = -1;
inline constexpr std::int64_t Off = 0;
inline constexpr std::int64_t On = 1;
} // namespace ControlStateValue

// A push button, check box or radio button. A click with the left button, or Space or Return
// while it has the keyboard focus, presses it: a button that keeps its state changes it, then
// the button sends its action. Its key equivalent presses it from anywhere in its window. Radio
// buttons with the same superview act as one group. Its value is its state.
//
// The kind is chosen when the button is made; a new button of the default kind is a push
// button titled "Button".
class Button : public Control {
public:
    explicit Button(Rect frame = {}, ButtonType type = ButtonType::MomentaryPushIn);
    ~Button() override;

    ButtonType buttonType() const { return type_; }
    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title);
    // Shown instead of the title while a button that keeps its state is on; none shows the
    // title.
    Ref<String> alternateTitle() const { return alternateTitle_; }
    void setAlternateTitle(Ref<String> title);
    // On, off, or mixed for a check box that allows it; other values count as on. A button that
    // does not keep its state stays off.
    std::int64_t state() const { return state_; }
    void setState(std::int64_t state);
    bool allowsMixedState() const { return allowsMixedState_; }
    void setAllowsMixedState(bool allows);
    // One character, or "\r" (Return) or "\x1b" (Escape); empty for none.
    Ref<String> keyEquivalent() const { return keyEquivalent_; }
    void setKeyEquivalent(Ref<String> key);
    std::uint64_t keyEquivalentModifierMask() const { return keyEquivalentModifiers_; }
    void setKeyEquivalentModifierMask(std::uint64_t mask);

    // Presses the button as a click would, action included.
    void performClick(const Ref<Object>& sender = nullptr);

    double doubleValue() const override { return static_cast<double>(state_); }
    void setDoubleValue(double value) override;
    bool acceptsFirstResponder() const override { return true; }

    // Internal to the platform: the toolkit side of the button.
    struct Toolkit;

private:
    void showTitle();
    void installKeyEquivalent();

    std::unique_ptr<Toolkit> toolkit_;
    ButtonType type_;
    Ref<String> title_;
    Ref<String> alternateTitle_;
    Ref<String> keyEquivalent_;
    std::uint64_t keyEquivalentModifiers_ = 0;
    std::int64_t state_ = ControlStateValue::Off;
    bool allowsMixedState_ = false;
};

} // namespace platform
