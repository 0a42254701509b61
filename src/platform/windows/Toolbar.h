#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <vector>

namespace platform {

class String;
class ToolbarItem;
class Window;

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
    // item already in a toolbar is moved. Items come in this way until the toolbar has a
    // delegate that makes them from identifiers.
    void insertItemAtIndex(const Ref<ToolbarItem>& item, std::size_t index);
    // Nothing happens for an index past the end.
    void removeItemAtIndex(std::size_t index);

    bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    ToolbarDisplayMode displayMode() const { return displayMode_; }
    void setDisplayMode(ToolbarDisplayMode mode);

    // The window that shows the toolbar, or none.
    Ref<Window> window() const;

private:
    friend class ToolbarItem;
    friend class Window;
    void changed();

    Ref<String> identifier_;
    std::vector<Ref<ToolbarItem>> items_;
    bool visible_ = true;
    ToolbarDisplayMode displayMode_ = ToolbarDisplayMode::Default;
    // Set and cleared by the window that shows the toolbar.
    Window* window_ = nullptr;
};

} // namespace platform
