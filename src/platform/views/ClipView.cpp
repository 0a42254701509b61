#include "platform/views/ClipView.h"

#include "platform/drawing/Color.h"
#include "platform/drawing/Graphics.h"
#include "platform/views/ScrollView.h"

#include <algorithm>

namespace platform {

ClipView::ClipView(Rect frame) : View(frame), backgroundColor_(Color::whiteColor()) {}

ClipView::~ClipView() = default;

void ClipView::setDocumentView(const Ref<View>& view) {
    if (view == documentView_)
        return;
    if (documentView_)
        documentView_->removeFromSuperview();
    documentView_ = view;
    if (view) {
        addSubview(view);
        setBoundsOrigin(constrainScrollPoint(view->frame().origin));
    } else {
        setBoundsOrigin({0, 0});
    }
    setNeedsDisplay(true);
    if (const auto scrollView = enclosingScrollView())
        scrollView->reflectScrolledClipView(std::static_pointer_cast<ClipView>(self()));
}

Rect ClipView::documentRect() const {
    return documentView_ ? documentView_->frame() : Rect{};
}

Point ClipView::constrainScrollPoint(Point point) const {
    if (!documentView_)
        return {0, 0};
    const Rect document = documentRect();
    const Size size = bounds().size;
    // The far limit never passes the near one, so a small document stays at its origin.
    const double maxX = std::max(document.minX(), document.maxX() - size.width);
    const double maxY = std::max(document.minY(), document.maxY() - size.height);
    return {std::clamp(point.x, document.minX(), maxX), std::clamp(point.y, document.minY(), maxY)};
}

void ClipView::scrollToPoint(Point point) {
    const Point constrained = constrainScrollPoint(point);
    if (constrained != bounds().origin)
        setBoundsOrigin(constrained);
    if (const auto scrollView = enclosingScrollView())
        scrollView->reflectScrolledClipView(std::static_pointer_cast<ClipView>(self()));
}

Rect ClipView::documentVisibleRect() const {
    if (!documentView_)
        return {};
    const Rect document = documentRect();
    const Rect visible = bounds().intersection(document);
    const Point origin = documentView_->bounds().origin;
    // The clip view and its document are flipped alike, so only the origin moves.
    return visible.offsetBy(origin.x - document.minX(), origin.y - document.minY());
}

void ClipView::setDrawsBackground(bool value) {
    drawsBackground_ = value;
    setNeedsDisplay(true);
}

void ClipView::setBackgroundColor(Ref<Color> color) {
    backgroundColor_ = std::move(color);
    setNeedsDisplay(true);
}

bool ClipView::isFlipped() const {
    return documentView_ && documentView_->isFlipped();
}

void ClipView::drawRect(Rect dirtyRect) {
    if (!drawsBackground_ || !backgroundColor_)
        return;
    backgroundColor_->set();
    RectFill(dirtyRect);
}

void ClipView::subviewFrameDidChange(View& subview) {
    if (&subview == documentView_.get())
        constrainAndReflect();
}

void ClipView::constrainAndReflect() {
    const Point constrained = constrainScrollPoint(bounds().origin);
    if (constrained != bounds().origin)
        setBoundsOrigin(constrained);
    if (const auto scrollView = enclosingScrollView())
        scrollView->reflectScrolledClipView(std::static_pointer_cast<ClipView>(self()));
}

Ref<ScrollView> ClipView::enclosingScrollView() const {
    const auto parent = superview();
    const auto scrollView = parent ? parent->as<ScrollView>() : nullptr;
    return scrollView && scrollView->contentView().get() == this ? scrollView : nullptr;
}

} // namespace platform
