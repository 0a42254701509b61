#include "platform/views/SplitView.h"

#include "platform/app/Event.h"
#include "platform/detail/ColorConversion.h"
#include "platform/detail/GraphicsContext.h"
#include "platform/detail/ViewPeer.h"
#include "platform/drawing/Color.h"
#include "platform/views/SplitViewDelegate.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <numeric>

namespace platform {

namespace {

// A thin divider is easier to take with a few points on either side of the line.
constexpr double kMinimumGrip = 5;

// The thickness of each divider style, by the style's value; any other value is a pane
// splitter's.
double thicknessOfStyle(SplitViewDividerStyle style) {
    switch (style) {
    case SplitViewDividerStyle::Thin:
        return 1.0;
    case SplitViewDividerStyle::Thick:
        return 9.0;
    default:
        return 10.0;
    }
}

} // namespace

SplitView::SplitView(Rect frame) : View(frame) {}

SplitView::~SplitView() = default;

Ref<SplitView> SplitView::shared() const {
    return std::const_pointer_cast<SplitView>(
        std::static_pointer_cast<const SplitView>(weak_from_this().lock()));
}

void SplitView::setVertical(bool vertical) {
    if (vertical_ == vertical)
        return;
    vertical_ = vertical;
    adjustSubviews();
}

void SplitView::setDividerStyle(SplitViewDividerStyle style) {
    dividerStyle_ = style;
    adjustSubviews();
}

double SplitView::dividerThickness() const {
    return thicknessOfStyle(dividerStyle_);
}

Ref<Color> SplitView::dividerColor() const {
    const QColor mid = peer().widget->palette().color(QPalette::Mid);
    return Color::colorWithRed(mid.redF(), mid.greenF(), mid.blueF(), mid.alphaF());
}

void SplitView::drawDividerInRect(Rect rect) {
    auto* context = detail::GraphicsContext::current();
    if (!context)
        return;
    QPainter& painter = context->painter();
    const QRectF area(rect.minX(), rect.minY(), rect.width(), rect.height());
    if (const auto color = dividerColor())
        painter.fillRect(area, detail::toQColor(*color));
    if (dividerStyle_ == SplitViewDividerStyle::Thin)
        return;
    QWidget* widget = peer().widget;
    QStyleOption option;
    option.initFrom(widget);
    option.rect = area.toRect();
    // The toolkit calls panes side by side horizontal, as their handle's grip runs.
    if (vertical_)
        option.state |= QStyle::State_Horizontal;
    widget->style()->drawControl(QStyle::CE_Splitter, &option, &painter, widget);
}

std::int64_t SplitView::dividerCount() const {
    return std::max<std::int64_t>(0, std::ssize(subviews()) - 1);
}

double SplitView::length() const {
    return vertical_ ? frame().width() : frame().height();
}

double SplitView::lengthOf(const View& pane) const {
    if (pane.isHidden())
        return 0;
    return vertical_ ? pane.frame().width() : pane.frame().height();
}

double SplitView::along(Point point) const {
    return vertical_ ? point.x : point.y;
}

double SplitView::thicknessOfDividerAtIndex(std::int64_t index) const {
    const auto& panes = subviews();
    const bool besideCollapsed = panes[index]->isHidden() || panes[index + 1]->isHidden();
    if (besideCollapsed)
        if (const auto delegate = delegate_.lock();
            delegate && delegate->splitViewShouldHideDividerAtIndex(shared(), index))
            return 0;
    return dividerThickness();
}

std::vector<double> SplitView::paneLengths() const {
    std::vector<double> lengths;
    for (const auto& pane : subviews())
        lengths.push_back(lengthOf(*pane));
    return lengths;
}

double SplitView::positionOfDividerAtIndex(std::int64_t index) const {
    if (index < 0 || index >= dividerCount())
        return 0;
    const Rect frame = subviews()[index]->frame();
    return subviews()[index]->isHidden() ? along(frame.origin)
                                         : (vertical_ ? frame.maxX() : frame.maxY());
}

Rect SplitView::dividerRectAtIndex(std::int64_t index) const {
    if (index < 0 || index >= dividerCount())
        return {};
    const double start = positionOfDividerAtIndex(index);
    const double thickness = thicknessOfDividerAtIndex(index);
    const Rect all = bounds();
    return vertical_ ? Rect(start, all.minY(), thickness, all.height())
                     : Rect(all.minX(), start, all.width(), thickness);
}

bool SplitView::isSubviewCollapsed(const Ref<View>& subview) const {
    return subview && subview->superview().get() == this && subview->isHidden();
}

float SplitView::holdingPriorityForSubviewAtIndex(std::int64_t index) const {
    return index >= 0 && index < std::ssize(holdingPriorities_) ? holdingPriorities_[index]
                                                                : kDefaultHoldingPriority;
}

void SplitView::setHoldingPriorityForSubviewAtIndex(float priority, std::int64_t index) {
    if (index < 0)
        return;
    if (index >= std::ssize(holdingPriorities_))
        holdingPriorities_.resize(index + 1, kDefaultHoldingPriority);
    holdingPriorities_[index] = priority;
}

void SplitView::place(const std::vector<double>& lengths) {
    const auto& panes = subviews();
    const Rect all = bounds();
    double at = 0;
    for (std::size_t i = 0; i < panes.size(); ++i) {
        const double size = panes[i]->isHidden() ? 0 : std::max(0.0, lengths[i]);
        panes[i]->setFrame(vertical_ ? Rect(at, all.minY(), size, all.height())
                                     : Rect(all.minX(), at, all.width(), size));
        at += size;
        if (i + 1 < panes.size())
            at += thicknessOfDividerAtIndex(static_cast<std::int64_t>(i));
    }
    if (auto* widget = peer().widget.data())
        widget->update();
}

void SplitView::spread(std::vector<double>& lengths, double change) const {
    const auto& panes = subviews();
    const auto delegate = delegate_.lock();
    std::vector<std::size_t> takers;
    float lowest = 0;
    for (std::size_t i = 0; i < panes.size(); ++i) {
        if (panes[i]->isHidden() ||
            (delegate && !delegate->splitViewShouldAdjustSizeOfSubview(shared(), panes[i])))
            continue;
        const float priority = holdingPriorityForSubviewAtIndex(static_cast<std::int64_t>(i));
        if (takers.empty() || priority < lowest) {
            takers = {i};
            lowest = priority;
        } else if (priority == lowest) {
            takers.push_back(i);
        }
    }
    // When every pane holds on, the panes are still made to fit.
    if (takers.empty())
        for (std::size_t i = 0; i < panes.size(); ++i)
            if (!panes[i]->isHidden())
                takers.push_back(i);
    if (takers.empty())
        return;
    double total = 0;
    for (const std::size_t i : takers)
        total += lengths[i];
    for (const std::size_t i : takers)
        lengths[i] +=
            total > 0 ? change * lengths[i] / total : change / static_cast<double>(takers.size());
    // A pane shrunk below nothing hands the rest of the shrinking on to the panes before it,
    // from the last.
    double owed = 0;
    for (auto i = lengths.size(); i-- > 0;) {
        lengths[i] += owed;
        owed = std::min(0.0, lengths[i]);
        lengths[i] = std::max(0.0, lengths[i]);
    }
}

void SplitView::adjustSubviews() {
    const auto delegate = delegate_.lock();
    const auto keep = shared();
    if (delegate)
        delegate->splitViewWillResizeSubviews(keep);
    std::vector<double> lengths = paneLengths();
    double dividers = 0;
    for (std::int64_t i = 0; i < dividerCount(); ++i)
        dividers += thicknessOfDividerAtIndex(i);
    const double room = std::max(0.0, length() - dividers);
    const double total = std::accumulate(lengths.begin(), lengths.end(), 0.0);
    const auto shown = std::count_if(subviews().begin(), subviews().end(),
                                     [](const auto& pane) { return !pane->isHidden(); });
    for (std::size_t i = 0; i < lengths.size(); ++i)
        if (!subviews()[i]->isHidden())
            lengths[i] = total > 0 ? room * lengths[i] / total : room / static_cast<double>(shown);
    place(lengths);
    if (delegate)
        delegate->splitViewDidResizeSubviews(keep);
}

void SplitView::resizeSubviewsWithOldSize(Size oldSize) {
    const double oldLength = vertical_ ? oldSize.width : oldSize.height;
    const auto delegate = delegate_.lock();
    const auto keep = shared();
    if (delegate)
        delegate->splitViewWillResizeSubviews(keep);
    std::vector<double> lengths = paneLengths();
    spread(lengths, length() - oldLength);
    place(lengths);
    if (delegate)
        delegate->splitViewDidResizeSubviews(keep);
}

void SplitView::setPositionOfDividerAtIndex(double position, std::int64_t index) {
    if (index < 0 || index >= dividerCount())
        return;
    const auto& panes = subviews();
    const auto before = panes[index];
    const auto after = panes[index + 1];
    const double start = along(before->frame().origin);
    const double end =
        index + 2 < std::ssize(panes) ? positionOfDividerAtIndex(index + 1) : length();
    const double thickness = thicknessOfDividerAtIndex(index);
    position = std::clamp(position, start, std::max(start, end - thickness));
    const auto delegate = delegate_.lock();
    const auto keep = shared();
    if (delegate)
        delegate->splitViewWillResizeSubviews(keep);
    const auto collapses = [&](const Ref<View>& pane, bool atEdge) {
        return atEdge && delegate && delegate->splitViewCanCollapseSubview(keep, pane);
    };
    before->setHidden(collapses(before, position <= start));
    after->setHidden(collapses(after, position >= end - thickness));
    std::vector<double> lengths = paneLengths();
    lengths[index] = position - start;
    lengths[index + 1] = end - position - thicknessOfDividerAtIndex(index);
    place(lengths);
    if (delegate)
        delegate->splitViewDidResizeSubviews(keep);
}

void SplitView::moveDivider(std::int64_t index, double proposed) {
    const auto& panes = subviews();
    const double start = along(panes[index]->frame().origin);
    const double end =
        (index + 2 < std::ssize(panes) ? positionOfDividerAtIndex(index + 1) : length()) -
        thicknessOfDividerAtIndex(index);
    double minimum = start;
    double maximum = end;
    if (const auto delegate = delegate_.lock()) {
        const auto keep = shared();
        minimum = delegate->splitViewConstrainMinCoordinate(keep, start, index);
        maximum = delegate->splitViewConstrainMaxCoordinate(keep, end, index);
        proposed = delegate->splitViewConstrainSplitPosition(keep, proposed, index);
        // Past half of a pane's minimum the pane collapses, where it may.
        if (proposed < minimum && proposed < (start + minimum) / 2 &&
            delegate->splitViewCanCollapseSubview(keep, panes[index]))
            return setPositionOfDividerAtIndex(start, index);
        if (proposed > maximum && proposed > (end + maximum) / 2 &&
            delegate->splitViewCanCollapseSubview(keep, panes[index + 1]))
            return setPositionOfDividerAtIndex(end, index);
    }
    setPositionOfDividerAtIndex(std::clamp(proposed, minimum, std::max(minimum, maximum)), index);
}

std::optional<std::int64_t> SplitView::dividerAtPoint(Point point) const {
    const auto delegate = delegate_.lock();
    for (std::int64_t i = 0; i < dividerCount(); ++i) {
        Rect rect = dividerRectAtIndex(i);
        if (rect.isEmpty() && thicknessOfDividerAtIndex(i) == 0)
            continue;
        if (delegate)
            rect = delegate->splitViewEffectiveRectForDrawnRect(shared(), rect, i);
        double& across = vertical_ ? rect.size.width : rect.size.height;
        double& from = vertical_ ? rect.origin.x : rect.origin.y;
        if (across < kMinimumGrip) {
            from -= (kMinimumGrip - across) / 2;
            across = kMinimumGrip;
        }
        if (rect.containsPoint(point))
            return i;
    }
    return std::nullopt;
}

void SplitView::drawRect(Rect dirtyRect) {
    for (std::int64_t i = 0; i < dividerCount(); ++i) {
        const Rect rect = dividerRectAtIndex(i);
        const bool dirty = rect.minX() < dirtyRect.maxX() && dirtyRect.minX() < rect.maxX() &&
                           rect.minY() < dirtyRect.maxY() && dirtyRect.minY() < rect.maxY();
        if (!rect.isEmpty() && dirty)
            drawDividerInRect(rect);
    }
}

void SplitView::mouseDown(const Ref<Event>& event) {
    const Point point = convertPointFromView(event->locationInWindow(), nullptr);
    if (const auto divider = dividerAtPoint(point)) {
        drag_ = Drag{*divider, along(point) - positionOfDividerAtIndex(*divider)};
        return;
    }
    View::mouseDown(event);
}

void SplitView::mouseDragged(const Ref<Event>& event) {
    if (!drag_)
        return View::mouseDragged(event);
    if (drag_->divider >= dividerCount()) {
        drag_.reset();
        return;
    }
    const Point point = convertPointFromView(event->locationInWindow(), nullptr);
    moveDivider(drag_->divider, along(point) - drag_->grip);
}

void SplitView::mouseUp(const Ref<Event>& event) {
    if (!drag_)
        return View::mouseUp(event);
    drag_.reset();
}

} // namespace platform
