#pragma once

#include "platform/views/View.h"

namespace platform {

class Color;
class ScrollView;

// The view through which a scroll view shows its document: the document view is its only
// subview, and its bounds origin is the point of the document's superview coordinates that
// stands at its corner, so scrolling is a change of that origin. It is flipped exactly when the
// document view is, so that scrolling to (0, 0) shows the top of a flipped document and the
// bottom of an unflipped one. The document draws only what is in view: its drawRect gets the
// visible part of what needs drawing.
class ClipView : public View {
public:
    explicit ClipView(Rect frame = {});
    ~ClipView() override;

    Ref<View> documentView() const { return documentView_; }
    // Replaces the document and scrolls to its origin corner. None removes the document.
    void setDocumentView(const Ref<View>& view);

    // Scrolls so that the point of the document's superview coordinates stands at the corner.
    // The point is held inside the scrollable rectangle: a position beyond its end shows its
    // end, and a document that fits stays at its origin corner. The enclosing scroll view
    // follows.
    void scrollToPoint(Point point);
    // The point scrollToPoint would use for the one asked for.
    Point constrainScrollPoint(Point point) const;
    // The part of the document in view, in the document view's own coordinates.
    Rect documentVisibleRect() const;
    // The document's frame, or an empty rectangle without a document.
    Rect documentRect() const;
    // How far scrolling may go beyond each edge of the document, as it stands on screen: a
    // bottom inset leaves that much blank room in view below the end of a document that is
    // scrolled to its end. None unless set.
    EdgeInsets contentInsets() const { return contentInsets_; }
    void setContentInsets(EdgeInsets insets);
    // The document's frame grown by the content insets: what scrolling can bring into view.
    Rect scrollableRect() const;

    // Whether the clip view fills itself with the background colour under the document (yes
    // and white unless set); without, what lies behind the scroll view shows through.
    bool drawsBackground() const { return drawsBackground_; }
    void setDrawsBackground(bool value);
    Ref<Color> backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(Ref<Color> color);

    bool isFlipped() const override;
    void drawRect(Rect dirtyRect) override;

protected:
    void subviewFrameDidChange(View& subview) override;

private:
    void constrainAndReflect();
    Ref<ScrollView> enclosingScrollView() const;

    Ref<View> documentView_;
    EdgeInsets contentInsets_;
    bool drawsBackground_ = true;
    Ref<Color> backgroundColor_;
};

} // namespace platform
