#pragma once

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

#include <cstdint>

namespace platform {

class Event;
class Menu;
class String;

// One entry of a menu: a title with an action and a key equivalent, a separator, or the holder
// of a submenu. An item without a target sends its action to the application.
class MenuItem : public Object {
public:
    MenuItem(Ref<String> title, Selector action, Ref<String> keyEquivalent);
    static Ref<MenuItem> separatorItem();

    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title);
    Selector action() const { return action_; }
    void setAction(Selector action) { action_ = std::move(action); }
    Ref<Object> target() const { return target_.lock(); }
    void setTarget(const Ref<Object>& target) { target_ = target; }
    // The character that chooses the item from the keyboard with the modifiers of the mask
    // (Command unless set otherwise); empty for none. An uppercase letter asks for Shift too.
    Ref<String> keyEquivalent() const { return keyEquivalent_; }
    void setKeyEquivalent(Ref<String> keyEquivalent);
    std::uint64_t keyEquivalentModifierMask() const { return keyEquivalentModifierMask_; }
    void setKeyEquivalentModifierMask(std::uint64_t mask);
    std::int64_t tag() const { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }
    Ref<String> identifier() const { return identifier_; }
    void setIdentifier(Ref<String> identifier) { identifier_ = std::move(identifier); }
    bool isSeparatorItem() const { return separator_; }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Whether the user can choose the item now: its target's answer when the target validates
    // its items (MenuItemValidation), else its own enabled state.
    bool isValidated();

    Ref<Menu> submenu() const { return submenu_; }
    void setSubmenu(const Ref<Menu>& submenu);
    bool hasSubmenu() const { return submenu_ != nullptr; }
    Ref<Menu> menu() const { return menu_.lock(); }

    // Whether the key event asks for this item: the same character and the same modifiers.
    bool matchesKeyEquivalent(const Event& event) const;
    // Sends the item's action to its target, or to the application when it has none. Answers
    // whether anything performed it.
    bool performAction();

private:
    friend class Menu;
    MenuItem();
    // Tells the menu, whose menu bars may show the item.
    void didChange();

    Ref<String> title_;
    Selector action_;
    WeakRef<Object> target_;
    Ref<String> keyEquivalent_;
    std::uint64_t keyEquivalentModifierMask_;
    std::int64_t tag_ = 0;
    Ref<String> identifier_;
    bool separator_ = false;
    bool enabled_ = true;
    Ref<Menu> submenu_;
    WeakRef<Menu> menu_;
};

} // namespace platform
