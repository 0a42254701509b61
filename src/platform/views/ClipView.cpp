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

void ClipView::setContentInsets(EdgeInsets insets) {
    contentInsets_ = insets;
    constrainAndReflect();
}

Rect ClipView::scrollableRect() const {
    if (!documentView_)
        return {};
    const Rect document = documentRect();
    // The top of a flipped clip view is its minimum y, of an unflipped one its maximum.
    const double belowMinY = isFlipped() ? contentInsets_.top : contentInsets_.bottom;
    const double aboveMaxY = isFlipped() ? contentInsets_.bottom : contentInsets_.top;
    return {document.minX() - contentInsets_.left, document.minY() - belowMinY,
            document.width() + contentInsets_.left + contentInsets_.right,
            document.height() + belowMinY + aboveMaxY};
}

Point ClipView::constrainScrollPoint(Point point) const {
    if (!documentView_)
        return {0, 0};
    const Rect document = documentRect();
    const Rect scrollable = scrollableRect();
    const Size size = bounds().size;
    // The limits never pass the document's origin corner, so a document that fits stays there.
    const double minX = std::min(document.minX(), scrollable.minX());
    const double minY = std::min(document.minY(), scrollable.minY());
    const double maxX = std::max(document.minX(), scrollable.maxX() - size.width);
    const double maxY = std::max(document.minY(), scrollable.maxY() - size.height);
    return {std::clamp(point.x, minX, maxX), std::clamp(point.y, minY, maxY)};
}

void ClipView::scrollToPoint(Point point) {
    const Point constrained = constrainScrollPoint(point);
    if (constrained != bounds().origin)
        setBoundsOrigin(constrained);
    if (documentView_)
        documentView_->prepareContentInRect(documentVisibleRect());
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
