#include "platform/views/StackView.h"

#include "platform/foundation/String.h"
#include "platform/views/StackViewDelegate.h"

#include <algorithm>

namespace platform {

namespace {

constexpr std::string_view kHidden = "hidden";

enum class Across { Start, Middle, End, Fill };

Across acrossOf(LayoutAttribute alignment) {
    switch (alignment) {
    case LayoutAttribute::Left:
    case LayoutAttribute::Top:
    case LayoutAttribute::Leading:
        return Across::Start;
    case LayoutAttribute::Right:
    case LayoutAttribute::Bottom:
    case LayoutAttribute::Trailing:
        return Across::End;
    case LayoutAttribute::Width:
    case LayoutAttribute::Height:
        return Across::Fill;
    default:
        return Across::Middle;
    }
}

} // namespace

StackView::StackView(Rect frame) : View(frame) {}

StackView::~StackView() {
    for (const auto& view : views())
        view->removeObserver(*this, kHidden);
}

void StackView::setOrientation(UserInterfaceLayoutOrientation orientation) {
    orientation_ = orientation;
    place();
}

void StackView::setAlignment(LayoutAttribute alignment) {
    alignment_ = alignment;
    place();
}

void StackView::setSpacing(double spacing) {
    spacing_ = std::max(0.0, spacing);
    place();
}

void StackView::setDetachesHiddenViews(bool detaches) {
    detachesHiddenViews_ = detaches;
    layoutViews();
}

std::vector<Ref<View>>& StackView::area(StackViewGravity gravity) {
    return areas_[std::clamp<std::int64_t>(static_cast<std::int64_t>(gravity), 1, 3) - 1];
}

const std::vector<Ref<View>>& StackView::viewsInGravity(StackViewGravity gravity) const {
    return const_cast<StackView*>(this)->area(gravity);
}

std::vector<Ref<View>> StackView::views() const {
    std::vector<Ref<View>> all;
    for (const auto& views : areas_)
        all.insert(all.end(), views.begin(), views.end());
    return all;
}

std::vector<Ref<View>> StackView::detachedViews() const {
    std::vector<Ref<View>> detached;
    for (const auto& view : views())
        if (view->superview().get() != this)
            detached.push_back(view);
    return detached;
}

void StackView::addViewInGravity(const Ref<View>& view, StackViewGravity gravity) {
    insertViewAtIndexInGravity(view, std::ssize(area(gravity)), gravity);
}

void StackView::insertViewAtIndexInGravity(const Ref<View>& view, std::int64_t index,
                                           StackViewGravity gravity) {
    if (!view || view.get() == this)
        return;
    for (auto& views : areas_)
        std::erase(views, view);
    auto& views = area(gravity);
    index = std::clamp<std::int64_t>(index, 0, std::ssize(views));
    views.insert(views.begin() + index, view);
    view->removeObserver(*this, kHidden);
    view->addObserver(self(), kHidden, 0, nullptr);
    if (!(detachesHiddenViews_ && view->isHidden()))
        addSubview(view);
    layoutViews();
}

void StackView::removeView(const Ref<View>& view) {
    const auto all = views();
    if (!view || std::find(all.begin(), all.end(), view) == all.end())
        return;
    for (auto& views : areas_)
        std::erase(views, view);
    view->removeObserver(*this, kHidden);
    if (view->superview().get() == this)
        view->removeFromSuperview();
    layoutViews();
}

void StackView::observeValueForKeyPath(const Ref<String>&, const Ref<Object>&,
                                       const Ref<Dictionary>&, void*) {
    layoutViews();
}

void StackView::resizeSubviewsWithOldSize(Size) {
    place();
}

void StackView::layoutViews() {
    std::vector<Ref<View>> detaching, reattaching;
    for (const auto& view : views()) {
        const bool attached = view->superview().get() == this;
        const bool detach = detachesHiddenViews_ && view->isHidden();
        if (attached && detach)
            detaching.push_back(view);
        else if (!attached && !detach)
            reattaching.push_back(view);
    }
    const auto keep = std::static_pointer_cast<StackView>(self());
    const auto delegate = delegate_.lock();
    if (!detaching.empty()) {
        if (delegate)
            delegate->stackViewWillDetachViews(keep, detaching);
        for (const auto& view : detaching)
            view->removeFromSuperview();
    }
    if (!reattaching.empty()) {
        // Back among the subviews in the order of the areas, which is the order they are drawn.
        for (const auto& view : views())
            if (view->superview().get() == this ||
                std::find(reattaching.begin(), reattaching.end(), view) != reattaching.end()) {
                view->removeFromSuperview();
                addSubview(view);
            }
        if (delegate)
            delegate->stackViewDidReattachViews(keep, reattaching);
    }
    place();
}

void StackView::place() {
    const Rect all = bounds();
    const double length = vertical() ? all.height() : all.width();
    const double breadth = vertical() ? all.width() : all.height();
    const Across across = acrossOf(alignment_);
    // The attached views of each area and the length they take with the spacing between.
    std::array<std::vector<Ref<View>>, 3> shown;
    std::array<double, 3> taken{};
    for (std::size_t i = 0; i < areas_.size(); ++i) {
        for (const auto& view : areas_[i]) {
            if (view->superview().get() != this)
                continue;
            const Size size = view->frame().size;
            taken[i] += (shown[i].empty() ? 0 : spacing_) + (vertical() ? size.height : size.width);
            shown[i].push_back(view);
        }
    }
    const double leadingEnd = taken[0] + (shown[0].empty() ? 0 : spacing_);
    const double trailingStart = length - taken[2] - (shown[2].empty() ? 0 : spacing_);
    const double centre = std::clamp((length - taken[1]) / 2, leadingEnd,
                                     std::max(leadingEnd, trailingStart - taken[1]));
    const double starts[] = {0, centre, length - taken[2]};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        double at = starts[i];
        for (const auto& view : shown[i]) {
            Size size = view->frame().size;
            double& along = vertical() ? size.height : size.width;
            double& thick = vertical() ? size.width : size.height;
            if (across == Across::Fill)
                thick = breadth;
            const double offset = across == Across::End      ? breadth - thick
                                  : across == Across::Middle ? (breadth - thick) / 2
                                                             : 0;
            view->setFrame(vertical() ? Rect(all.minX() + offset, at, size.width, size.height)
                                      : Rect(at, all.minY() + offset, size.width, size.height));
            at += along + spacing_;
        }
    }
}

} // namespace platform
