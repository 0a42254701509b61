#pragma once

#include "platform/views/View.h"

namespace platform {

class ClipView;
class Color;
class Scroller;

// The framework's border types; a scroll view here draws none of them.
enum class BorderType : std::int64_t {
    NoBorder = 0,
    LineBorder = 1,
    BezelBorder = 2,
    GrooveBorder = 3
};

// Whether a scroll view lets the user drag past the ends of its document and bounce back.
enum class ScrollElasticity : std::int64_t { Automatic = 0, None = 1, Allowed = 2 };

// A view that shows part of a larger document view through its clip view (its content view)
// and a vertical scroller at its right edge. The scroller takes its width from the clip view
// while it is shown; with autohidesScrollers it shows only while the document is taller than
// the scroll view. This scroll view scrolls vertically: it has no horizontal scroller and never
// bounces past the ends of its document, whatever its elasticity says; it scrolls past them only
// as far as its content insets allow. Its subviews are the
// clip view and the scroller, in that order, and, when the document is a table with a header
// view, that header above the clip view, beside the scroller; a view cannot be a superview while it
// is being made, so they join when the scroll view is first used or put in a window.
//
// The wheel scrolls it: a wheel event that reaches the scroll view (its document did not take
// it) moves the document by verticalLineScroll points for each line the desktop scrolls per
// notch. The scroll view lays out its clip view and scroller again whenever its size changes,
// as long as it autoresizes its subviews.
class ScrollView : public View {
public:
    explicit ScrollView(Rect frame = {});
    ~ScrollView() override;

    Ref<ClipView> contentView() const;
    // The document view of the clip view.
    Ref<View> documentView() const;
    void setDocumentView(const Ref<View>& view);
    // The size of the clip view: the part of the scroll view the document shows in.
    Size contentSize() const;
    Rect documentVisibleRect() const;

    bool hasVerticalScroller() const { return hasVerticalScroller_; }
    void setHasVerticalScroller(bool value);
    // Always false: there is no horizontal scroller.
    bool hasHorizontalScroller() const { return false; }
    void setHasHorizontalScroller(bool) {}
    bool autohidesScrollers() const { return autohidesScrollers_; }
    void setAutohidesScrollers(bool value);
    Ref<Scroller> verticalScroller() const;

    BorderType borderType() const { return borderType_; }
    // Kept and read back; no border is drawn.
    void setBorderType(BorderType type) { borderType_ = type; }
    ScrollElasticity verticalElasticity() const { return verticalElasticity_; }
    // Kept and read back; scrolling always stops at the ends.
    void setVerticalElasticity(ScrollElasticity elasticity) { verticalElasticity_ = elasticity; }
    ScrollElasticity horizontalElasticity() const { return horizontalElasticity_; }
    void setHorizontalElasticity(ScrollElasticity elasticity) {
        horizontalElasticity_ = elasticity;
    }

    // The clip view's: how far scrolling may go beyond the document's edges (see ClipView).
    EdgeInsets contentInsets() const;
    void setContentInsets(EdgeInsets insets);

    // Both are the clip view's: whether it fills the part the document leaves free with the
    // background colour (yes and white unless set).
    bool drawsBackground() const;
    void setDrawsBackground(bool value);
    Ref<Color> backgroundColor() const;
    void setBackgroundColor(Ref<Color> color);

    // The distance one line of wheel scrolling moves the document (10 points unless set).
    double verticalLineScroll() const { return verticalLineScroll_; }
    void setVerticalLineScroll(double value) { verticalLineScroll_ = value; }

    // Brings the scroller in line with the clip view's scroll position and the document's size,
    // showing or hiding it as autohidesScrollers asks. The clip view calls it whenever it
    // scrolls or its document changes size; callers that scrolled the clip view may call it too.
    void reflectScrolledClipView(const Ref<ClipView>& clipView);
    // Places the clip view and the scroller for the scroll view's size.
    void tile();

    void resizeSubviewsWithOldSize(Size oldSize) override;
    void scrollWheel(const Ref<Event>& event) override;
    void viewWillMoveToWindow(Window* window) override;

private:
    // Adds the clip view and the scroller as subviews, once the scroll view is owned.
    void attachParts() const;
    void scrollerMovedTo(int position);
    bool scrollerWanted() const;

    Ref<ClipView> contentView_;
    Ref<Scroller> verticalScroller_;
    // The document table's header view while it is shown.
    Ref<View> headerView_;
    bool hasVerticalScroller_ = false;
    bool autohidesScrollers_ = false;
    BorderType borderType_ = BorderType::NoBorder;
    ScrollElasticity verticalElasticity_ = ScrollElasticity::Automatic;
    ScrollElasticity horizontalElasticity_ = ScrollElasticity::Automatic;
    double verticalLineScroll_ = 10;
    bool reflecting_ = false;
};

} // namespace platform
