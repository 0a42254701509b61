#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <memory>

namespace platform {

class Array;
class SharingServicePickerDelegate;
class View;

// A menu of the sharing services for some items, shown at a place in a view. Choosing a
// service shares the items with it, with the delegate the picker's delegate names.
class SharingServicePicker : public Object {
public:
    explicit SharingServicePicker(Ref<Array> items) : items_(std::move(items)) {}

    Ref<Array> items() const { return items_; }
    std::shared_ptr<SharingServicePickerDelegate> delegate() const { return delegate_.lock(); }
    // Not owned, as delegates are not.
    void setDelegate(const std::shared_ptr<SharingServicePickerDelegate>& delegate) {
        delegate_ = delegate;
    }

    // Pops the menu up below the rectangle (in the view's coordinates) and returns at once; the
    // choice is made while a loop runs. The edge is the framework's and is not used: the
    // toolkit places the menu where it fits. Nothing is shown when no service is offered.
    void showRelativeToRectOfViewPreferredEdge(Rect rect, const Ref<View>& view,
                                               std::uint64_t preferredEdge);

private:
    void choose(const Ref<Object>& service);

    Ref<Array> items_;
    std::weak_ptr<SharingServicePickerDelegate> delegate_;
};

} // namespace platform
