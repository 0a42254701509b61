#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class DraggingInfo;
class Menu;
class OpenPanel;
class PathControl;

// What a path control asks and tells its delegate. Each method answers what the framework
// answers when a path control has no delegate.
class PathControlDelegate {
public:
    virtual ~PathControlDelegate();

    // Files dragged over the control: copying them (DragOperation::Copy); None refuses them.
    virtual std::uint64_t pathControlValidateDrop(const Ref<PathControl>& pathControl,
                                                  const Ref<DraggingInfo>& info);
    // Files dropped on the control: yes, the first of them becomes its URL; no leaves it.
    virtual bool pathControlAcceptDrop(const Ref<PathControl>& pathControl,
                                       const Ref<DraggingInfo>& info);
    // Before "Choose…" shows the panel, which the delegate may set up.
    virtual void pathControlWillDisplayOpenPanel(const Ref<PathControl>& pathControl,
                                                 const Ref<OpenPanel>& openPanel);
    // Before the pop-up style's list shows, which the delegate may change.
    virtual void pathControlWillPopUpMenu(const Ref<PathControl>& pathControl,
                                          const Ref<Menu>& menu);
};

} // namespace platform
