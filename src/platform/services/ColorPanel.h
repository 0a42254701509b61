#pragma once

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

#include <memory>

namespace platform {

class Color;
class ColorWell;

// The application's one colour panel: the user picks a colour in it, and each pick sends the
// panel's action to its target with the panel as the sender. A colour the program sets sends
// nothing. The panel also serves the active colour well: each pick becomes the well's colour
// first, and closing the panel deactivates the well.
class ColorPanel : public Object {
public:
    ColorPanel();
    ~ColorPanel() override;
    static Ref<ColorPanel> sharedColorPanel();

    Ref<Color> color() const { return color_; }
    void setColor(Ref<Color> color);
    Ref<Object> target() const { return target_.lock(); }
    // Not kept alive.
    void setTarget(const Ref<Object>& target) { target_ = target; }
    Selector action() const { return action_; }
    void setAction(Selector action) { action_ = std::move(action); }

    void makeKeyAndOrderFront();
    void orderOut();
    bool isVisible() const;

    // Internal to the platform: the well the panel serves, held weakly.
    Ref<ColorWell> activeWell() const { return activeWell_.lock(); }
    void setActiveWell(const Ref<ColorWell>& well) { activeWell_ = well; }

private:
    struct Dialog;
    Ref<Color> color_;
    WeakRef<Object> target_;
    Selector action_;
    WeakRef<ColorWell> activeWell_;
    bool programmatic_ = false;
    std::unique_ptr<Dialog> dialog_;
};

} // namespace platform
