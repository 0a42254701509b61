#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class DraggingInfo;
class DraggingItem;
class DraggingSource;
class Event;
class Pasteboard;
class View;

// A drag the program started from a view, run by the platform itself from the mouse events
// that follow: the offscreen and virtual displays start no toolkit drag inside the program.
// While it runs, the session holds the mouse; an image of the dragged items follows the
// pointer in a small frameless window; the view under the pointer, in any of the program's
// windows, that registered for a type the pasteboard offers (else that window's delegate) is
// asked the dragging-destination questions. Releasing the button drops, Escape cancels, and
// the source hears where the drag ended and what was done. Once the pointer leaves every
// window of the program, the rest of the drag is the toolkit's, so that other programs can
// take it.
class DraggingSession : public Object {
public:
    // Starts a drag of the items from the view, at the point of the mouse event (a press or a
    // drag of the left button). None when there are no items, the view is in no window, or
    // another drag is running; the source is kept until the drag ends.
    static Ref<DraggingSession> beginDraggingSession(View& view,
                                                     std::vector<Ref<DraggingItem>> items,
                                                     const Ref<Event>& event,
                                                     const std::shared_ptr<DraggingSource>& source);
    // The drag that is running, none between drags.
    static Ref<DraggingSession> current();

    Ref<Pasteboard> draggingPasteboard() const;
    // What destinations are told of the drag.
    Ref<DraggingInfo> draggingInfo() const { return info_; }

    // Ends the drag as Escape does.
    void cancel();

    explicit DraggingSession(Ref<DraggingInfo> info, std::shared_ptr<DraggingSource> source);
    ~DraggingSession() override;

private:
    class Tracker;
    Ref<DraggingInfo> info_;
    std::shared_ptr<DraggingSource> source_;
    // Between the start of the drag and its end.
    Tracker* tracker_ = nullptr;
};

} // namespace platform
