#pragma once

#include "platform/views/Control.h"

#include <cstdint>

namespace platform {

class Image;
class Menu;

// How a combo button offers its menu, with the framework's values.
enum class ComboButtonStyle : std::int64_t {
    Split = 0,   // a button part that sends the action and an arrow part that opens the menu
    Unified = 1, // one part: a click sends the action, holding the button down opens the menu
};

// A button with a menu of related commands. A click (or Space or Return while it has the
// keyboard focus) sends the button's action; the menu opens as the style says, and an item
// chosen there performs its own action. The combo button has no value. A new one is split and
// titled "Button", with no menu.
//
// The menu is taken when it is set: set it again after adding or removing items. Whether each
// item can be chosen is asked each time the menu opens.
class ComboButton : public Control {
public:
    explicit ComboButton(Rect frame = {});
    ~ComboButton() override;

    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title);
    Ref<Image> image() const { return image_; }
    void setImage(Ref<Image> image);
    ComboButtonStyle style() const { return style_; }
    void setStyle(ComboButtonStyle style);
    // The menu of commands (not the contextual menu of the view).
    Ref<Menu> itemMenu() const { return menu_; }
    void setItemMenu(Ref<Menu> menu);

    double doubleValue() const override { return 0; }
    void setDoubleValue(double) override {}
    bool acceptsFirstResponder() const override { return true; }

    // Internal to the platform: the toolkit side of the button.
    struct Toolkit;

private:
    std::unique_ptr<Toolkit> toolkit_;
    Ref<String> title_;
    Ref<Image> image_;
    Ref<Menu> menu_;
    ComboButtonStyle style_ = ComboButtonStyle::Split;
};

} // namespace platform
