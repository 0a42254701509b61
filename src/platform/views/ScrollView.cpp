#include "platform/views/ScrollView.h"

#include "platform/app/Event.h"
#include "platform/detail/ViewPeer.h"
#include "platform/views/ClipView.h"
#include "platform/views/Scroller.h"
#include "platform/views/tables/TableHeaderView.h"
#include "platform/views/tables/TableView.h"

#include <QApplication>
#include <QScrollBar>

#include <algorithm>

namespace platform {

ScrollView::ScrollView(Rect frame)
    : View(frame), contentView_(std::make_shared<ClipView>(Rect{{0, 0}, frame.size})),
      verticalScroller_(std::make_shared<Scroller>()) {
    verticalScroller_->setHidden(true);
    auto* bar = qobject_cast<QScrollBar*>(verticalScroller_->peer().widget.data());
    // The bar reports only the user's moves: the platform's own settings are made quietly.
    QObject::connect(bar, &QScrollBar::valueChanged, peer().widget.data(),
                     [this](int position) { scrollerMovedTo(position); });
}

ScrollView::~ScrollView() = default;

void ScrollView::attachParts() const {
    if (contentView_->superview())
        return;
    // Subviews need the scroll view's shared ownership, which begins only after construction.
    auto& self = const_cast<ScrollView&>(*this);
    if (self.weak_from_this().expired())
        return;
    self.addSubview(contentView_);
    self.addSubview(verticalScroller_);
    self.tile();
}

Ref<ClipView> ScrollView::contentView() const {
    attachParts();
    return contentView_;
}

Ref<Scroller> ScrollView::verticalScroller() const {
    attachParts();
    return verticalScroller_;
}

Ref<View> ScrollView::documentView() const {
    return contentView_->documentView();
}

void ScrollView::setDocumentView(const Ref<View>& view) {
    attachParts();
    contentView_->setDocumentView(view);
    tile();
}

Size ScrollView::contentSize() const {
    attachParts();
    return contentView_->frame().size;
}

Rect ScrollView::documentVisibleRect() const {
    return contentView_->documentVisibleRect();
}

void ScrollView::setHasVerticalScroller(bool value) {
    hasVerticalScroller_ = value;
    attachParts();
    tile();
}

void ScrollView::setAutohidesScrollers(bool value) {
    autohidesScrollers_ = value;
    attachParts();
    tile();
}

EdgeInsets ScrollView::contentInsets() const {
    return contentView_->contentInsets();
}

void ScrollView::setContentInsets(EdgeInsets insets) {
    attachParts();
    contentView_->setContentInsets(insets);
}

bool ScrollView::drawsBackground() const {
    return contentView_->drawsBackground();
}

void ScrollView::setDrawsBackground(bool value) {
    contentView_->setDrawsBackground(value);
}

Ref<Color> ScrollView::backgroundColor() const {
    return contentView_->backgroundColor();
}

void ScrollView::setBackgroundColor(Ref<Color> color) {
    contentView_->setBackgroundColor(std::move(color));
}

bool ScrollView::scrollerWanted() const {
    if (!hasVerticalScroller_)
        return false;
    const double header = headerView_ ? headerView_->frame().height() : 0;
    return !autohidesScrollers_ ||
           contentView_->scrollableRect().height() > bounds().height() - header;
}

void ScrollView::tile() {
    const Size size = bounds().size;
    const bool shown = scrollerWanted();
    const double width = shown ? std::min(Scroller::scrollerWidth(), size.width) : 0;
    const auto table = std::dynamic_pointer_cast<TableView>(documentView());
    const Ref<View> header = table ? table->headerView() : nullptr;
    if (header != headerView_) {
        if (headerView_ && headerView_->superview().get() == this)
            headerView_->removeFromSuperview();
        headerView_ = header;
        if (header)
            addSubview(header);
    }
    const double headerHeight = header ? std::min(header->frame().height(), size.height) : 0;
    const double below = size.height - headerHeight;
    if (header)
        header->setFrame({0, below, size.width - width, headerHeight});
    verticalScroller_->setHidden(!shown);
    verticalScroller_->setFrame({size.width - width, 0, width, below});
    contentView_->setFrame({0, 0, size.width - width, below});
    // A larger clip view may now reach past the document's end.
    contentView_->scrollToPoint(contentView_->bounds().origin);
    reflectScrolledClipView(contentView_);
}

void ScrollView::reflectScrolledClipView(const Ref<ClipView>& clipView) {
    if (clipView != contentView_ || reflecting_)
        return;
    reflecting_ = true;
    if (verticalScroller_->isHidden() == scrollerWanted())
        tile();
    const Rect document = contentView_->scrollableRect();
    const Rect visible = contentView_->bounds();
    const double travel = std::max(0.0, document.height() - visible.height());
    const double fromTop = contentView_->isFlipped() ? visible.minY() - document.minY()
                                                     : document.maxY() - visible.maxY();
    verticalScroller_->value_ = travel > 0 ? std::clamp(fromTop / travel, 0.0, 1.0) : 0;
    verticalScroller_->knobProportion_ =
        document.height() > 0 ? std::min(1.0, visible.height() / document.height()) : 1;
    verticalScroller_->applyToPeer();
    reflecting_ = false;
}

void ScrollView::scrollerMovedTo(int position) {
    const Rect document = contentView_->scrollableRect();
    const Rect visible = contentView_->bounds();
    const double y = contentView_->isFlipped() ? document.minY() + position
                                               : document.maxY() - visible.height() - position;
    contentView_->scrollToPoint({visible.minX(), y});
}

void ScrollView::resizeSubviewsWithOldSize(Size) {
    attachParts();
    tile();
}

void ScrollView::scrollWheel(const Ref<Event>& event) {
    attachParts();
    const double distance =
        event->deltaY() * QApplication::wheelScrollLines() * verticalLineScroll_;
    const Rect visible = contentView_->bounds();
    // A turn away from the user brings the top of the document into view.
    const double y =
        contentView_->isFlipped() ? visible.minY() - distance : visible.minY() + distance;
    contentView_->scrollToPoint({visible.minX(), y});
}

void ScrollView::viewWillMoveToWindow(Window* window) {
    attachParts();
    View::viewWillMoveToWindow(window);
}

} // namespace platform
