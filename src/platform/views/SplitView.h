#pragma once

#include "platform/views/View.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

class Color;
class SplitViewDelegate;

// How a split view's dividers look, with the framework's values.
enum class SplitViewDividerStyle : std::int64_t { Thick = 1, Thin = 2, PaneSplitter = 3 };

// Panes side by side (vertical dividers) or one above the other (horizontal dividers), each
// pane a subview, with a divider between each two that the user drags with the mouse. The split
// view places its panes itself, in frames, whatever their autoresizing masks say; inside a pane
// autoresizing works as anywhere. Its coordinates run from the top left corner.
//
// A pane collapses when the user drags a divider past half of the pane's minimum and the
// delegate lets it; a collapsed pane is a hidden one, and a hidden pane has no length. When the
// split view's own length changes, the panes with the lowest holding priority among those the
// delegate lets adjust take the change, in proportion to their lengths.
class SplitView : public View {
public:
    // The holding priority of a pane nobody set one for.
    static constexpr float kDefaultHoldingPriority = 250;

    explicit SplitView(Rect frame = {});
    ~SplitView() override;

    std::int64_t tag() const override { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }
    bool isFlipped() const override { return true; }

    // Vertical: the dividers stand upright and the panes are side by side.
    bool isVertical() const { return vertical_; }
    void setVertical(bool vertical);
    SplitViewDividerStyle dividerStyle() const { return dividerStyle_; }
    void setDividerStyle(SplitViewDividerStyle style);
    // The dividers' thickness, 1.0 for thin ones, 9.0 for thick ones and 10.0 for a pane
    // splitter's; a divider the delegate hides takes none.
    virtual double dividerThickness() const;
    // The colour a divider is filled with before the style draws on it.
    virtual Ref<Color> dividerColor() const;
    // Draws one divider in the split view's coordinates, while the split view draws.
    virtual void drawDividerInRect(Rect rect);

    // Fits the panes to the split view, keeping their lengths in proportion (equal when none
    // has a length), as after the program added or removed panes.
    void adjustSubviews();
    // Where divider index starts along the split view's axis, and moves it there, kept between
    // its neighbours' edges. A position at a pane's edge collapses the pane when the delegate
    // lets it.
    double positionOfDividerAtIndex(std::int64_t index) const;
    void setPositionOfDividerAtIndex(double position, std::int64_t index);
    // The rectangle the divider is drawn in; empty for no such divider.
    Rect dividerRectAtIndex(std::int64_t index) const;
    bool isSubviewCollapsed(const Ref<View>& subview) const;

    float holdingPriorityForSubviewAtIndex(std::int64_t index) const;
    void setHoldingPriorityForSubviewAtIndex(float priority, std::int64_t index);

    std::shared_ptr<SplitViewDelegate> delegate() const { return delegate_.lock(); }
    // The split view holds its delegate weakly, as a window does.
    void setDelegate(const std::shared_ptr<SplitViewDelegate>& delegate) { delegate_ = delegate; }

    void resizeSubviewsWithOldSize(Size oldSize) override;
    void drawRect(Rect dirtyRect) override;
    // A press on a divider drags it until the button is released; other presses pass on.
    void mouseDown(const Ref<Event>& event) override;
    void mouseDragged(const Ref<Event>& event) override;
    void mouseUp(const Ref<Event>& event) override;

private:
    struct Drag {
        std::int64_t divider;
        // From the divider's start to the point the mouse took it by.
        double grip;
    };

    // This split view, for the delegate; none while it is being made or destroyed.
    Ref<SplitView> shared() const;
    std::int64_t dividerCount() const;
    double length() const;
    double lengthOf(const View& pane) const;
    double along(Point point) const;
    double thicknessOfDividerAtIndex(std::int64_t index) const;
    std::vector<double> paneLengths() const;
    // Gives the panes these lengths, one after the other with the dividers between.
    void place(const std::vector<double>& lengths);
    // The change of the split view's length spread over the panes that take it.
    void spread(std::vector<double>& lengths, double change) const;
    std::optional<std::int64_t> dividerAtPoint(Point point) const;
    void moveDivider(std::int64_t index, double proposed);

    std::int64_t tag_ = 0;
    bool vertical_ = false;
    SplitViewDividerStyle dividerStyle_ = SplitViewDividerStyle::Thick;
    std::vector<float> holdingPriorities_;
    std::optional<Drag> drag_;
    std::weak_ptr<SplitViewDelegate> delegate_;
};

} // namespace platform
