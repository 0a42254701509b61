#pragma once

#include "platform/views/Control.h"

#include <cstdint>

namespace platform {

// A sliding on/off switch. A click, or Space or Return while it has the keyboard focus, turns
// it over and sends the action. Its value is its state (ControlStateValue::On or Off); a new
// switch is off.
class Switch : public Control {
public:
    explicit Switch(Rect frame = {});
    ~Switch() override;

    // On or off; any value other than off counts as on.
    std::int64_t state() const;
    void setState(std::int64_t state);

    double doubleValue() const override { return static_cast<double>(state()); }
    void setDoubleValue(double value) override { setState(value != 0 ? 1 : 0); }
    bool acceptsFirstResponder() const override { return true; }

    // Internal to the platform: the toolkit side of the switch.
    struct Toolkit;

private:
    std::unique_ptr<Toolkit> toolkit_;
};

} // namespace platform
