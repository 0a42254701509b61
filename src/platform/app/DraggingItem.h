#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <utility>

namespace platform {

class PasteboardItem;

// One thing dragged: what it offers on the pasteboard and where it is drawn. The frame is in
// the coordinates of the view that started the drag, or of the view a destination enumerated
// the items for.
class DraggingItem : public Object {
public:
    DraggingItem(Ref<PasteboardItem> item, Rect frame)
        : item_(std::move(item)), draggingFrame_(frame) {}

    Ref<PasteboardItem> item() const { return item_; }
    Rect draggingFrame() const { return draggingFrame_; }
    void setDraggingFrame(Rect frame) { draggingFrame_ = frame; }

private:
    Ref<PasteboardItem> item_;
    Rect draggingFrame_;
};

} // namespace platform
