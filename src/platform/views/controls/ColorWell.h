#pragma once

#include "platform/views/Control.h"

#include <cstdint>

namespace platform {

class Color;

// The looks of a colour well, with the framework's values.
enum class ColorWellStyle : std::int64_t {
    Default = 0,  // a bordered swatch
    Minimal = 1,  // the swatch alone
    Expanded = 2, // a swatch with a pull-down arrow beside it
};

// A swatch of a colour that the user changes through the shared colour panel. A click on the
// swatch, or Space or Return while the well has the keyboard focus, activates the well and
// shows the panel with its colour; while the well is active, each colour the user picks in the
// panel becomes the well's colour and the well sends its action. One well is active at a time,
// and closing the panel deactivates it. A click on the arrow of an expanded well sends its
// pull-down action to its pull-down target instead. Its object value is its colour. A new well
// is white, of the default style, and inactive.
class ColorWell : public Control {
public:
    explicit ColorWell(Rect frame = {});
    ~ColorWell() override;

    Ref<Color> color() const { return color_; }
    // Quiet, and shown in the panel too while the well is active.
    void setColor(Ref<Color> color);
    ColorWellStyle colorWellStyle() const { return style_; }
    void setColorWellStyle(ColorWellStyle style);
    bool isActive() const;
    // Makes this the active well and shows the panel with its colour. Exclusive or not, no other
    // well stays active, since the panel serves one well.
    void activate(bool exclusive);
    void deactivate();

    // Held weakly, as the target is.
    Ref<Object> pulldownTarget() const { return pulldownTarget_.lock(); }
    void setPulldownTarget(const Ref<Object>& target) { pulldownTarget_ = target; }
    Selector pulldownAction() const { return pulldownAction_; }
    void setPulldownAction(Selector action) { pulldownAction_ = std::move(action); }

    double doubleValue() const override { return 0; }
    void setDoubleValue(double) override {}
    Ref<Object> objectValue() const override;
    // An object that is no colour leaves the colour as it is.
    void setObjectValue(const Ref<Object>& object) override;
    bool acceptsFirstResponder() const override { return true; }

    // Internal to the platform: the toolkit side of the well; the panel reports the user's
    // colours through it.
    struct Toolkit;
    void userPicked(const Ref<Color>& color);
    // The user clicked at this point of the toolkit widget (x from its left edge).
    void userClicked(double x);

private:
    std::unique_ptr<Toolkit> toolkit_;
    Ref<Color> color_;
    ColorWellStyle style_ = ColorWellStyle::Default;
    WeakRef<Object> pulldownTarget_;
    Selector pulldownAction_;
};

} // namespace platform
