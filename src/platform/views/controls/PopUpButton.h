#pragma once

#include "platform/views/Control.h"

#include <cstdint>

namespace platform {

class Menu;
class MenuItem;

// A button that shows a menu of items. A pop-up button shows its selected item's title and
// opens its menu over itself with that item under the pointer; choosing an item selects it. A
// pull-down button always shows its first item's title and lists the items after it; the item
// chosen there is still its selected item. A click,
// or Space or Return while it has the keyboard focus, opens the menu; choosing an enabled item
// performs the item's own action when it has one and then sends the button's action. The value
// is the index of the selected item, -1 when there is none. A new button has an empty menu.
//
// The items are those of its menu at the moment the menu opens, so a program may change the
// menu directly; the title shown follows at the next change made through the button.
class PopUpButton : public Control {
public:
    explicit PopUpButton(Rect frame = {}, bool pullsDown = false);
    ~PopUpButton() override;

    bool pullsDown() const { return pullsDown_; }
    void setPullsDown(bool pullsDown);
    // The menu of items (not the contextual menu of the view); setting none empties it.
    Ref<Menu> itemMenu() const { return menu_; }
    void setItemMenu(Ref<Menu> menu);

    void addItemWithTitle(const Ref<String>& title);
    void removeAllItems();
    std::int64_t numberOfItems() const;
    Ref<MenuItem> itemAtIndex(std::int64_t index) const;
    Ref<MenuItem> selectedItem() const { return itemAtIndex(indexOfSelectedItem()); }
    std::int64_t indexOfSelectedItem() const;
    // An index out of range selects nothing.
    void selectItemAtIndex(std::int64_t index);
    Ref<String> titleOfSelectedItem() const;

    double doubleValue() const override { return static_cast<double>(indexOfSelectedItem()); }
    void setDoubleValue(double value) override;
    bool acceptsFirstResponder() const override { return true; }

    // Opens the menu as a click does.
    void performClick();

    // Internal to the platform: the toolkit side of the button.
    struct Toolkit;

private:
    void showTitle();
    void userChose(std::int64_t index);

    std::unique_ptr<Toolkit> toolkit_;
    Ref<Menu> menu_;
    std::int64_t selected_ = -1;
    bool pullsDown_;
};

} // namespace platform
