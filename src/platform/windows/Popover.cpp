#include "platform/windows/Popover.h"

#include "platform/app/Screen.h"
#include "platform/detail/PopoverWindow.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/PopoverDelegate.h"
#include "platform/windows/ViewController.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// How far the user drags a popover before it asks to detach, in points.
constexpr double kDetachDistance = 20;

// The rectangle of the view in screen coordinates.
Rect screenRect(const View& view, const Window& window, Rect rect) {
    const Point a = window.convertPointToScreen(view.convertPointToView(rect.origin, nullptr));
    const Point b =
        window.convertPointToScreen(view.convertPointToView({rect.maxX(), rect.maxY()}, nullptr));
    return {{std::min(a.x, b.x), std::min(a.y, b.y)}, {std::abs(b.x - a.x), std::abs(b.y - a.y)}};
}

RectEdge opposite(RectEdge edge) {
    switch (edge) {
    case RectEdge::MinX:
        return RectEdge::MaxX;
    case RectEdge::MaxX:
        return RectEdge::MinX;
    case RectEdge::MinY:
        return RectEdge::MaxY;
    case RectEdge::MaxY:
        break;
    }
    return RectEdge::MinY;
}

// Where a content of the size goes beside the anchor (screen coordinates, y up).
Point originBeside(Rect anchor, Size size, RectEdge edge) {
    const double midX = anchor.midX() - size.width / 2;
    const double midY = anchor.midY() - size.height / 2;
    switch (edge) {
    case RectEdge::MinX:
        return {anchor.minX() - size.width, midY};
    case RectEdge::MaxX:
        return {anchor.maxX(), midY};
    case RectEdge::MinY:
        return {midX, anchor.minY() - size.height};
    case RectEdge::MaxY:
        break;
    }
    return {midX, anchor.maxY()};
}

bool fits(Rect frame, Rect screen) {
    return frame.minX() >= screen.minX() && frame.maxX() <= screen.maxX() &&
           frame.minY() >= screen.minY() && frame.maxY() <= screen.maxY();
}

} // namespace

Popover::Popover() = default;

Popover::~Popover() {
    if (window_)
        window_->close();
}

void Popover::setContentViewController(Ref<ViewController> controller) {
    contentViewController_ = std::move(controller);
}

Size Popover::contentSize() const {
    if (contentSize_.width > 0 || contentSize_.height > 0 || !contentViewController_)
        return contentSize_;
    const auto view = contentViewController_->view();
    return view ? view->frame().size : contentSize_;
}

void Popover::showRelativeToRectOfViewPreferredEdge(Rect rect, const Ref<View>& view,
                                                    RectEdge edge) {
    const auto owner = view ? view->window() : nullptr;
    if (!owner || !contentViewController_)
        return;
    contentViewController_->loadViewIfNeeded();
    const auto content = contentViewController_->view();
    if (!content)
        return;
    const bool wasShown = shown_;
    if (!wasShown)
        notify(&PopoverDelegate::popoverWillShow, "NSPopoverWillShowNotification");
    positioningRect_ = rect;
    positioningView_ = view;
    detached_ = false;
    if (!window_)
        window_ = std::make_shared<detail::PopoverWindow>(*this);
    // A content last shown in the detached window comes back from it.
    if (const auto holder = content->window();
        holder && holder != window_ && holder->contentView() == content)
        holder->setContentViewController(nullptr);
    if (window_->contentView() != content)
        window_->setContentViewController(contentViewController_);
    const Size size = contentSize();
    window_->setContentSize(size);
    if (view->isFlipped() && (edge == RectEdge::MinY || edge == RectEdge::MaxY))
        edge = opposite(edge);
    const Rect anchor = screenRect(*view, *owner, rect);
    Point origin = originBeside(anchor, size, edge);
    if (const auto screen = owner->screen()) {
        const Point other = originBeside(anchor, size, opposite(edge));
        if (!fits({origin, size}, screen->visibleFrame()) &&
            fits({other, size}, screen->visibleFrame()))
            origin = other;
    }
    window_->setFrameOrigin(origin);
    // Key, so that what the user types goes to the content's fields.
    window_->makeKeyAndOrderFront();
    window_->startWatching();
    shown_ = true;
    if (!wasShown)
        notify(&PopoverDelegate::popoverDidShow, "NSPopoverDidShowNotification");
}

void Popover::performClose(const Ref<Object>&) {
    const auto d = delegate();
    if (shown_ && (!d || d->popoverShouldClose(std::static_pointer_cast<Popover>(self()))))
        close();
}

void Popover::close() {
    if (!shown_)
        return;
    notify(&PopoverDelegate::popoverWillClose, "NSPopoverWillCloseNotification");
    window_->stopWatching();
    window_->orderOut();
    shown_ = false;
    detached_ = false;
    notify(&PopoverDelegate::popoverDidClose, "NSPopoverDidCloseNotification");
}

Ref<Popover> Popover::popoverOfWindow(const Window& window) {
    const auto* shown = dynamic_cast<const detail::PopoverWindow*>(&window);
    return shown ? shown->popover() : nullptr;
}

void Popover::userClickedOutside(bool inPositioningWindow) {
    if (detached_ || behavior_ == PopoverBehavior::ApplicationDefined)
        return;
    if (behavior_ == PopoverBehavior::Transient || inPositioningWindow)
        performClose();
}

void Popover::userPressedEscape() {
    if (behavior_ != PopoverBehavior::ApplicationDefined)
        performClose();
}

void Popover::userPressed() {
    dragOrigin_ = window_->frame().origin;
    askedToDetach_ = false;
}

void Popover::userDragged(Point distance) {
    if (!shown_)
        return;
    if (detached_) {
        window_->setFrameOrigin({dragOrigin_.x + distance.x, dragOrigin_.y + distance.y});
        return;
    }
    if (askedToDetach_ || std::hypot(distance.x, distance.y) < kDetachDistance)
        return;
    askedToDetach_ = true;
    const auto d = delegate();
    if (d && d->popoverShouldDetach(std::static_pointer_cast<Popover>(self())))
        detach({dragOrigin_.x + distance.x, dragOrigin_.y + distance.y});
}

void Popover::detach(Point origin) {
    const auto self = std::static_pointer_cast<Popover>(this->self());
    const auto d = delegate();
    const Ref<Window> target = d->detachableWindowForPopover(self);
    if (!target) {
        detached_ = true;
        window_->setFrameOrigin(origin);
        d->popoverDidDetach(self);
        return;
    }
    // The detached window shows the content where the drag has taken it.
    window_->setContentViewController(nullptr);
    target->setContentViewController(contentViewController_);
    const Rect content = target->contentRectForFrameRect(target->frame());
    const Rect frame = target->frameRectForContentRect({origin, content.size});
    target->setFrameOrigin(frame.origin);
    target->makeKeyAndOrderFront();
    d->popoverDidDetach(self);
    close();
}

void Popover::notify(void (PopoverDelegate::*method)(const Ref<Notification>&), const char* name) {
    if (const auto d = delegate())
        ((*d).*method)(std::make_shared<Notification>(String::fromUtf8(name), self()));
}

} // namespace platform
