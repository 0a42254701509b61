#pragma once

#include "platform/views/LayoutAttribute.h"
#include "platform/views/View.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class StackViewDelegate;

// Which way a row of views runs, with the framework's values.
enum class UserInterfaceLayoutOrientation : std::int64_t { Horizontal = 0, Vertical = 1 };

// The three areas of a stack view, with the framework's values: the top (or leading) area
// packs its views from the start, the bottom (or trailing) one to the end, the centre one
// about the middle between the two.
enum class StackViewGravity : std::int64_t {
    Top = 1,
    Leading = 1,
    Center = 2,
    Bottom = 3,
    Trailing = 3
};

// A row or column of views, placed by the stack view in frames: each view keeps its length
// along the stack, the views stand the spacing apart within their gravity area, and across the
// stack the alignment places them. A hidden view is detached from the stack view's subviews
// while detachesHiddenViews is set, and comes back when shown again; it stays among views().
// Its coordinates run from the top left corner.
class StackView : public View {
public:
    static constexpr double kDefaultSpacing = 8;

    explicit StackView(Rect frame = {});
    ~StackView() override;

    std::int64_t tag() const override { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }
    bool isFlipped() const override { return true; }

    UserInterfaceLayoutOrientation orientation() const { return orientation_; }
    void setOrientation(UserInterfaceLayoutOrientation orientation);
    // Across the stack: the start (left, top, leading), the end (right, bottom, trailing) or the
    // middle (either centre); width and height stretch the views across.
    LayoutAttribute alignment() const { return alignment_; }
    void setAlignment(LayoutAttribute alignment);
    double spacing() const { return spacing_; }
    void setSpacing(double spacing);
    bool detachesHiddenViews() const { return detachesHiddenViews_; }
    void setDetachesHiddenViews(bool detaches);

    // Every view of every area, attached or not, the top area first.
    std::vector<Ref<View>> views() const;
    const std::vector<Ref<View>>& viewsInGravity(StackViewGravity gravity) const;
    // The views of the areas that are not subviews now.
    std::vector<Ref<View>> detachedViews() const;
    // A view already in the stack view moves to the place given; an index past the end of the
    // area adds at its end.
    void addViewInGravity(const Ref<View>& view, StackViewGravity gravity);
    void insertViewAtIndexInGravity(const Ref<View>& view, std::int64_t index,
                                    StackViewGravity gravity);
    void removeView(const Ref<View>& view);

    std::shared_ptr<StackViewDelegate> delegate() const { return delegate_.lock(); }
    // The stack view holds its delegate weakly, as a window does.
    void setDelegate(const std::shared_ptr<StackViewDelegate>& delegate) { delegate_ = delegate; }

    // Places the views of the areas, whatever their autoresizing masks say.
    void resizeSubviewsWithOldSize(Size oldSize) override;
    // A view of the stack view shown or hidden.
    void observeValueForKeyPath(const Ref<String>& keyPath, const Ref<Object>& object,
                                const Ref<Dictionary>& change, void* context) override;

private:
    std::vector<Ref<View>>& area(StackViewGravity gravity);
    bool vertical() const { return orientation_ == UserInterfaceLayoutOrientation::Vertical; }
    // Detaches the hidden views and reattaches the shown ones, telling the delegate, and
    // places the attached views.
    void layoutViews();
    void place();

    std::int64_t tag_ = 0;
    UserInterfaceLayoutOrientation orientation_ = UserInterfaceLayoutOrientation::Horizontal;
    LayoutAttribute alignment_ = LayoutAttribute::CenterY;
    double spacing_ = kDefaultSpacing;
    bool detachesHiddenViews_ = true;
    std::array<std::vector<Ref<View>>, 3> areas_;
    std::weak_ptr<StackViewDelegate> delegate_;
};

} // namespace platform
