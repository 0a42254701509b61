#include "platform/app/DraggingInfo.h"

#include "platform/app/DraggingItem.h"
#include "platform/app/Pasteboard.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <algorithm>

namespace platform {

namespace {

// Through the screen, so that the two views may stand in different windows.
Point convertBetween(Point point, const View& from, const View& to) {
    const auto fromWindow = from.window();
    const auto toWindow = to.window();
    if (!fromWindow || !toWindow)
        return point;
    const Point onScreen =
        fromWindow->convertPointToScreen(from.convertPointToView(point, nullptr));
    return to.convertPointFromView(toWindow->convertPointFromScreen(onScreen), nullptr);
}

Rect convertBetween(Rect rect, const View& from, const View& to) {
    const Point a = convertBetween(rect.origin, from, to);
    const Point b = convertBetween({rect.maxX(), rect.maxY()}, from, to);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y)};
}

} // namespace

DraggingInfo::DraggingInfo(Ref<Pasteboard> pasteboard, WeakRef<Window> destinationWindow,
                           Point location, std::uint64_t sourceOperationMask,
                           const Ref<View>& source, std::vector<Ref<DraggingItem>> items)
    : pasteboard_(std::move(pasteboard)), window_(std::move(destinationWindow)),
      location_(location), sourceOperationMask_(sourceOperationMask), source_(source),
      items_(std::move(items)), framesView_(source) {}

void DraggingInfo::enumerateDraggingItemsForView(
    const Ref<View>& view, const std::function<void(DraggingItem&, std::int64_t, bool&)>& block) {
    if (const auto from = framesView_.lock(); from && view && from != view)
        for (const auto& item : items_)
            item->setDraggingFrame(convertBetween(item->draggingFrame(), *from, *view));
    framesView_ = view;
    bool stop = false;
    for (std::size_t i = 0; i < items_.size() && !stop; ++i)
        block(*items_[i], static_cast<std::int64_t>(i), stop);
}

} // namespace platform
