#include "platform/views/View.h"

#include "platform/app/Application.h"
#include "platform/app/Event.h"
#include "platform/detail/AccessibleTextView.h"
#include "platform/detail/GraphicsContext.h"
#include "platform/detail/QtStrings.h"
#include "platform/detail/ScreenGeometry.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/ViewPoints.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/foundation/Value.h"
#include "platform/views/ToolTipOwner.h"
#include "platform/views/TrackingArea.h"
#include "platform/windows/Menu.h"
#include "platform/windows/Window.h"

#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QToolTip>

#include <algorithm>

namespace platform {

ViewPeer::ViewPeer(QWidget* w) : widget(w) {}

ViewPeer::~ViewPeer() {
    delete widget.data();
}

namespace detail {

void paintView(View& view, QWidget& widget, const QRect& dirty) {
    QPainter painter(&widget);
    const ViewPeer& peer = view.peer();
    const Rect bounds = view.bounds();
    const bool flipped = view.isFlipped();
    // The widget's corner stands this far into the view, from its top-left corner.
    const double left = bounds.minX() + peer.shownOffset.x();
    const double down = peer.shownOffset.y();
    Rect dirtyRect;
    if (flipped) {
        painter.translate(-left, -(bounds.minY() + down));
        dirtyRect = {dirty.x() + left, dirty.y() + bounds.minY() + down,
                     static_cast<double>(dirty.width()), static_cast<double>(dirty.height())};
    } else {
        painter.translate(-left, bounds.maxY() - down);
        painter.scale(1, -1);
        dirtyRect = {dirty.x() + left, bounds.maxY() - down - dirty.y() - dirty.height(),
                     static_cast<double>(dirty.width()), static_cast<double>(dirty.height())};
    }
    GraphicsContext context(painter, flipped);
    view.drawRect(dirtyRect);
}

Point viewPointAt(const View& view, QPointF position) {
    const ViewPeer& peer = view.peer();
    const Rect bounds = view.bounds();
    const double x = position.x() + bounds.minX() + peer.shownOffset.x();
    const double down = position.y() + peer.shownOffset.y();
    return {x, view.isFlipped() ? bounds.minY() + down : bounds.maxY() - down};
}

bool showToolTip(View& view, QWidget& widget, const QHelpEvent& event) {
    const auto text = view.toolTipAtPoint(viewPointAt(view, event.pos()));
    if (!text || text->length() == 0) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(event.globalPos(), QString::fromStdU16String(text->utf16()), &widget);
    return true;
}

} // namespace detail

namespace {

// Moves one axis of a view for a change of its superview's size, sharing the change evenly
// among the flexible parts: the margin before, the length and the margin after.
void resizeAxis(double& origin, double& length, double delta, bool minFlexible, bool lengthFlexible,
                bool maxFlexible) {
    const int parts = int{minFlexible} + int{lengthFlexible} + int{maxFlexible};
    if (parts == 0 || delta == 0)
        return;
    const double share = delta / parts;
    if (minFlexible)
        origin += share;
    if (lengthFlexible)
        length += share;
}

} // namespace

View::View(Rect frame) : frame_(frame) {
    Application::shared();
    peer_ = std::make_unique<ViewPeer>(new detail::ViewWidget<QWidget>(*this));
    peer_->clipsToSuperview = true;
    updatePeerGeometry();
}

View::View(Rect frame, std::unique_ptr<ViewPeer> peer) : peer_(std::move(peer)), frame_(frame) {
    updatePeerGeometry();
}

View::~View() {
    // Subviews that others still hold keep their widgets; the rest go with this view. Only the
    // held ones are taken out of the widget tree: each such move walks the window's whole focus
    // chain, which made closing a window of many controls quadratic in their number.
    for (const auto& subview : subviews_) {
        subview->superview_.reset();
        if (subview.use_count() > 1 && subview->peer_->widget)
            subview->peer_->widget->setParent(nullptr);
    }
}

void View::setFrame(Rect frame) {
    willChangeValueForKey("frame");
    const Size oldSize = frame_.size;
    frame_ = frame;
    updatePeerGeometry();
    if (oldSize != frame.size) {
        if (autoresizesSubviews_)
            resizeSubviewsWithOldSize(oldSize);
        // Unflipped subviews keep their distance from the bottom edge, which the toolkit
        // measures from the top, so every subview's widget moves when the height changes.
        updateSubviewGeometry();
        updateCornerMask();
        updateTrackingAreas();
        resetCursorRects();
    }
    if (const auto parent = superview())
        parent->subviewFrameDidChange(*this);
    didChangeValueForKey("frame");
}

void View::subviewFrameDidChange(View&) {}

void View::setFrameOrigin(Point origin) {
    setFrame({origin, frame_.size});
}

void View::setFrameSize(Size size) {
    setFrame({frame_.origin, size});
}

void View::setBoundsOrigin(Point origin) {
    boundsOrigin_ = origin;
    updateSubviewGeometry();
    if (peer_->widget)
        peer_->widget->update();
}

void View::addSubview(const Ref<View>& view) {
    addSubviewPositionedRelativeTo(view, WindowOrderingMode::Above, nullptr);
}

void View::addSubviewPositionedRelativeTo(const Ref<View>& view, WindowOrderingMode place,
                                          const Ref<View>& other) {
    if (!view || view.get() == this || isDescendantOf(*view))
        return;
    const Ref<View> keep = view;
    view->removeFromSuperview();
    auto it = std::find(subviews_.begin(), subviews_.end(), other);
    std::ptrdiff_t index;
    if (it == subviews_.end())
        index = place == WindowOrderingMode::Below ? 0 : std::ssize(subviews_);
    else
        index = (it - subviews_.begin()) + (place == WindowOrderingMode::Below ? 0 : 1);
    attach(view, index);
}

void View::attach(const Ref<View>& view, std::ptrdiff_t index) {
    subviews_.insert(subviews_.begin() + index, view);
    view->superview_ = std::static_pointer_cast<View>(weak_from_this().lock());
    QWidget* widget = view->peer_->widget;
    widget->setParent(peer_->widget);
    // The toolkit stacks sibling widgets in the order of the subviews, the last on top.
    if (index + 1 < std::ssize(subviews_))
        widget->stackUnder(subviews_[static_cast<std::size_t>(index + 1)]->peer_->widget);
    else
        widget->raise();
    view->updatePeerGeometry();
    view->setWindowRecursively(window_);
    widget->setVisible(!view->hidden_);
}

void View::removeFromSuperview() {
    const auto parent = superview();
    if (!parent)
        return;
    const auto keep = std::static_pointer_cast<View>(weak_from_this().lock());
    auto& siblings = parent->subviews_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), keep), siblings.end());
    superview_.reset();
    if (peer_->widget)
        peer_->widget->setParent(nullptr);
    setWindowRecursively(nullptr);
}

bool View::isDescendantOf(const View& view) const {
    for (const View* v = this; v; v = v->superview_.lock().get())
        if (v == &view)
            return true;
    return false;
}

Ref<Window> View::window() const {
    return window_ ? std::static_pointer_cast<Window>(window_->weak_from_this().lock()) : nullptr;
}

void View::setWindowRecursively(Window* window) {
    if (window_ != window) {
        viewWillMoveToWindow(window);
        window_ = window;
        viewDidMoveToWindow();
        if (window_)
            resetCursorRects();
    }
    for (const auto& subview : subviews_)
        subview->setWindowRecursively(window);
}

void View::viewWillMoveToWindow(Window*) {}

void View::viewDidMoveToWindow() {}

void View::setHidden(bool hidden) {
    willChangeValueForKey("hidden");
    hidden_ = hidden;
    if (peer_->widget && peer_->widget->parentWidget())
        peer_->widget->setVisible(!hidden);
    didChangeValueForKey("hidden");
}

Ref<Object> View::valueForKey(std::string_view key) const {
    if (key == "frame")
        return Value::valueWithRect(frame_);
    if (key == "hidden")
        return Number::numberWithBool(hidden_);
    return Object::valueForKey(key);
}

void View::resizeSubviewsWithOldSize(Size oldSize) {
    // Copied, because a subview may rearrange its siblings while it resizes.
    const auto subviews = subviews_;
    for (const auto& subview : subviews)
        subview->resizeWithOldSuperviewSize(oldSize);
}

void View::resizeWithOldSuperviewSize(Size oldSize) {
    const auto parent = superview();
    if (!parent || autoresizingMask_ == AutoresizingMask::NotSizable)
        return;
    using namespace AutoresizingMask;
    const Size newSize = parent->frame_.size;
    Rect frame = frame_;
    resizeAxis(frame.origin.x, frame.size.width, newSize.width - oldSize.width,
               autoresizingMask_ & MinXMargin, autoresizingMask_ & WidthSizable,
               autoresizingMask_ & MaxXMargin);
    resizeAxis(frame.origin.y, frame.size.height, newSize.height - oldSize.height,
               autoresizingMask_ & MinYMargin, autoresizingMask_ & HeightSizable,
               autoresizingMask_ & MaxYMargin);
    setFrame(frame);
}

Point View::convertPointToView(Point point, const View* view) const {
    // Up to the window's content coordinates, one superview at a time.
    for (const View* v = this; v; v = v->superview_.lock().get()) {
        if (v == view)
            return point;
        const Rect bounds = v->bounds();
        const double fromBottom =
            v->isFlipped() ? bounds.maxY() - point.y : point.y - bounds.minY();
        const auto parent = v->superview_.lock();
        const bool parentFlipped = parent && parent->isFlipped();
        point = {v->frame_.minX() + point.x - bounds.minX(),
                 parentFlipped ? v->frame_.maxY() - fromBottom : v->frame_.minY() + fromBottom};
    }
    return view ? view->convertPointFromView(point, nullptr) : point;
}

Point View::convertPointFromView(Point point, const View* view) const {
    if (view == this)
        return point;
    if (view)
        point = view->convertPointToView(point, nullptr);
    // Down from the window's content coordinates, outermost view first.
    std::vector<const View*> chain;
    for (const View* v = this; v; v = v->superview_.lock().get())
        chain.push_back(v);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const View* v = *it;
        const Rect bounds = v->bounds();
        const auto parent = v->superview_.lock();
        const bool parentFlipped = parent && parent->isFlipped();
        const double fromBottom =
            parentFlipped ? v->frame_.maxY() - point.y : point.y - v->frame_.minY();
        point = {point.x - v->frame_.minX() + bounds.minX(),
                 v->isFlipped() ? bounds.maxY() - fromBottom : bounds.minY() + fromBottom};
    }
    return point;
}

void View::setNeedsDisplay(bool flag) {
    if (flag && peer_->widget)
        peer_->widget->update();
}

void View::display() {
    if (peer_->widget)
        peer_->widget->repaint();
}

void View::drawRect(Rect) {}

void View::setWantsLayer(bool value) {
    wantsLayer_ = value;
    updateCornerMask();
}

void View::setLayerCornerRadius(double radius) {
    cornerRadius_ = radius;
    updateCornerMask();
}

void View::setAlphaValue(double alpha) {
    alphaValue_ = std::clamp(alpha, 0.0, 1.0);
    QWidget* widget = peer_->widget;
    if (!widget)
        return;
    // An opaque view draws without the effect, which would render it through an extra pixmap.
    if (alphaValue_ >= 1) {
        widget->setGraphicsEffect(nullptr);
        return;
    }
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(widget->graphicsEffect());
    if (!effect) {
        effect = new QGraphicsOpacityEffect(widget);
        widget->setGraphicsEffect(effect);
    }
    effect->setOpacity(alphaValue_);
}

void View::updateCornerMask() {
    QWidget* widget = peer_->widget;
    if (!widget)
        return;
    if (!wantsLayer_ || cornerRadius_ <= 0) {
        widget->clearMask();
        return;
    }
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, frame_.width(), frame_.height()), cornerRadius_,
                        cornerRadius_);
    widget->setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void View::updatePeerGeometry() {
    QWidget* widget = peer_->widget;
    if (!widget)
        return;
    double x = 0;
    double y = 0;
    const auto parent = superview();
    if (parent) {
        const Rect parentBounds = parent->bounds();
        x = frame_.minX() - parentBounds.minX() - parent->peer_->shownOffset.x();
        y = (parent->isFlipped() ? frame_.minY() - parentBounds.minY()
                                 : parentBounds.maxY() - frame_.maxY()) -
            parent->peer_->shownOffset.y();
    }
    const QRect whole =
        detail::roundedRect(x, y, std::max(0.0, frame_.width()), std::max(0.0, frame_.height()));
    QRect shown = whole;
    if (parent && parent->peer_->widget && peer_->clipsToSuperview) {
        shown = whole.intersected(QRect({0, 0}, parent->peer_->widget->size()));
        if (shown.isEmpty())
            shown = {whole.topLeft(), QSize(0, 0)};
    }
    const QPoint offset = shown.topLeft() - whole.topLeft();
    const bool scrolled = offset != peer_->shownOffset;
    const bool resized = shown.size() != widget->size();
    peer_->shownOffset = offset;
    widget->setGeometry(shown);
    // The widget stays where it is while the view moves under it, so it shows a new part.
    if (scrolled)
        widget->update();
    if (scrolled || resized)
        updateSubviewGeometry();
}

void View::updateSubviewGeometry() {
    for (const auto& subview : subviews_)
        subview->updatePeerGeometry();
}

void View::registerForDraggedTypes(const Ref<Array>& types) {
    draggedTypes_ = types ? Array::arrayWithArray(*types) : nullptr;
    if (peer_->widget)
        peer_->widget->setAcceptDrops(draggedTypes_ && draggedTypes_->count() > 0);
}

void View::unregisterDraggedTypes() {
    registerForDraggedTypes(nullptr);
}

void View::addTrackingArea(const Ref<TrackingArea>& area) {
    if (!area ||
        std::find(trackingAreas_.begin(), trackingAreas_.end(), area) != trackingAreas_.end())
        return;
    trackingAreas_.push_back(area);
    updateMouseTracking();
}

void View::removeTrackingArea(const Ref<TrackingArea>& area) {
    trackingAreas_.erase(std::remove(trackingAreas_.begin(), trackingAreas_.end(), area),
                         trackingAreas_.end());
    updateMouseTracking();
}

void View::updateTrackingAreas() {}

void View::resetCursorRects() {}

void View::viewDidChangeEffectiveAppearance() {}

Ref<Menu> View::menuForEvent(const Ref<Event>&) {
    return menu_;
}

void View::updateMouseTracking() {
    const bool moves = std::any_of(trackingAreas_.begin(), trackingAreas_.end(), [](const auto& a) {
        return (a->options() & TrackingAreaOptions::MouseMoved) != 0;
    });
    if (peer_->widget)
        peer_->widget->setMouseTracking(moves);
}

void View::mouseDown(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::mouseUp(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::mouseDragged(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::mouseMoved(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::mouseEntered(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::mouseExited(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::rightMouseDown(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::rightMouseUp(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::rightMouseDragged(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::scrollWheel(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::keyDown(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::keyUp(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void View::flagsChanged(const Ref<Event>& event) {
    event->performToolkitDefault();
}

void View::setAccessibilityLabel(const Ref<String>& label) {
    peer_->widget->setAccessibleName(detail::toQString(label));
}

void View::accessibilityPostTextInserted(Range range) {
    detail::postTextInserted(*this, range);
}

void View::accessibilityPostTextRemoved(Range range) {
    detail::postTextRemoved(*this, range);
}

std::int64_t View::addToolTipRect(Rect rect, const std::shared_ptr<ToolTipOwner>& owner,
                                  void* userData) {
    toolTipRects_.push_back({++lastToolTipTag_, rect, owner, userData});
    return lastToolTipTag_;
}

void View::removeToolTip(std::int64_t tag) {
    std::erase_if(toolTipRects_, [tag](const ToolTipRect& tip) { return tip.tag == tag; });
}

Ref<String> View::toolTipAtPoint(Point point) {
    for (auto tip = toolTipRects_.rbegin(); tip != toolTipRects_.rend(); ++tip) {
        const Rect& r = tip->rect;
        if (point.x >= r.minX() && point.x < r.maxX() && point.y >= r.minY() && point.y < r.maxY())
            // The owner may remove the rectangle while it writes.
            return std::shared_ptr(tip->owner)
                ->stringForToolTip(*this, tip->tag, point, tip->userData);
    }
    return toolTip_;
}

} // namespace platform
