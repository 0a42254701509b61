#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <vector>

namespace platform {

class Event;
class MenuDelegate;
class MenuItem;
class String;

// A titled list of items. The key equivalents of the application's main menu work in every
// window, also while an alert runs.
class Menu : public Object {
public:
    explicit Menu(Ref<String> title);

    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title);
    Ref<String> identifier() const { return identifier_; }
    void setIdentifier(Ref<String> identifier) { identifier_ = std::move(identifier); }

    const std::vector<Ref<MenuItem>>& itemArray() const { return items_; }
    std::int64_t numberOfItems() const { return static_cast<std::int64_t>(items_.size()); }
    Ref<MenuItem> itemAtIndex(std::int64_t index) const;
    void addItem(const Ref<MenuItem>& item);
    void insertItemAtIndex(const Ref<MenuItem>& item, std::int64_t index);
    void removeItem(const Ref<MenuItem>& item);
    Ref<MenuItem> itemWithTitle(const String& title) const;
    // The menu whose item holds this menu as its submenu, or none.
    Ref<Menu> supermenu() const { return supermenu_.lock(); }

    // The menu holds its delegate weakly, as a window does.
    std::shared_ptr<MenuDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<MenuDelegate>& delegate) { delegate_ = delegate; }

    // Finds the enabled item, here or in a submenu, whose key equivalent the event asks for and
    // performs its action. Answers whether an item was found.
    bool performKeyEquivalent(const Event& event);

private:
    friend class MenuItem;
    // Tells the application when this menu is, or is in, its main menu, whose bars show it.
    void didChange();

    Ref<String> title_;
    Ref<String> identifier_;
    std::vector<Ref<MenuItem>> items_;
    WeakRef<Menu> supermenu_;
    std::weak_ptr<MenuDelegate> delegate_;
};

} // namespace platform
