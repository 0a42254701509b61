#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class Array;
class String;
class ToolbarDelegate;
class ToolbarItem;
class Window;
namespace detail {
class WindowChrome;
}

// How toolbar items without a view of their own show, with the framework's values.
enum class ToolbarDisplayMode : std::int64_t {
    Default = 0,
    IconAndLabel = 1,
    IconOnly = 2,
    LabelOnly = 3,
};

// A row of items that a window shows as a tool bar strip between its title bar and its
// content (see Window::setToolbar). A window shows one toolbar, and a toolbar is shown by one
// window at a time.
class Toolbar : public Object {
public:
    explicit Toolbar(Ref<String> identifier);
    ~Toolbar() override;

    Ref<String> identifier() const { return identifier_; }
    // In the order shown, left to right.
    const std::vector<Ref<ToolbarItem>>& items() const { return items_; }
    // Every item is shown: there is no overflow menu.
    const std::vector<Ref<ToolbarItem>>& visibleItems() const { return items_; }

    // Puts a made item into the toolbar at the index (at the end when the index is past it). An
    // item already in a toolbar is moved.
    void insertItemAtIndex(const Ref<ToolbarItem>& item, std::size_t index);
    // Puts in the item the delegate makes for the identifier; nothing when it makes none.
    void insertItemWithItemIdentifierAtIndex(const Ref<String>& identifier, std::size_t index);
    // Nothing happens for an index past the end.
    void removeItemAtIndex(std::size_t index);

    bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    ToolbarDisplayMode displayMode() const { return displayMode_; }
    void setDisplayMode(ToolbarDisplayMode mode);

    // The window that shows the toolbar, or none.
    Ref<Window> window() const;

    std::shared_ptr<ToolbarDelegate> delegate() const { return delegate_.lock(); }
    // A toolbar without items takes the delegate's default items.
    void setDelegate(const std::shared_ptr<ToolbarDelegate>& delegate);
    // The delegate's identifier lists; empty without a delegate or a list.
    std::vector<Ref<String>> allowedItemIdentifiers();
    std::vector<Ref<String>> defaultItemIdentifiers();
    std::vector<Ref<String>> selectableItemIdentifiers();
    std::vector<Ref<String>> immovableItemIdentifiers();
    // The selectable item shown as selected, or none.
    Ref<String> selectedItemIdentifier() const { return selectedItemIdentifier_; }
    void setSelectedItemIdentifier(Ref<String> identifier);
    // Asks each item anew whether it can be chosen and shows the answers.
    void validateVisibleItems();

    // Lets the user choose, in a modal palette, which allowed items the toolbar shows in which
    // order; immovable items stay where they are. Done keeps the choice, Escape drops it. Does
    // nothing without a delegate or while the palette is up.
    void runCustomizationPalette(const Ref<Object>& sender = nullptr);

private:
    friend class ToolbarItem;
    friend class Window;
    friend class detail::WindowChrome;
    void changed();
    // The user clicked the item's button: a selectable item becomes the selected one, then the
    // item performs its action.
    void userChoseItem(const Ref<ToolbarItem>& item);
    using IdentifierQuestion = Ref<Array> (ToolbarDelegate::*)(const Ref<Toolbar>&);
    std::vector<Ref<String>> ask(IdentifierQuestion question);
    // Shows these items, made anew by the delegate where the toolbar does not have them yet.
    void showItemIdentifiers(const std::vector<Ref<String>>& identifiers);

    Ref<String> identifier_;
    std::vector<Ref<ToolbarItem>> items_;
    bool visible_ = true;
    ToolbarDisplayMode displayMode_ = ToolbarDisplayMode::Default;
    // Set and cleared by the window that shows the toolbar.
    Window* window_ = nullptr;
    std::weak_ptr<ToolbarDelegate> delegate_;
    Ref<String> selectedItemIdentifier_;
    bool paletteRunning_ = false;
};

} // namespace platform
