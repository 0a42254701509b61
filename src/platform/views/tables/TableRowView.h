#pragma once

#include "platform/views/View.h"

namespace platform {

class Color;

// The view behind the cells of one row: it draws the row's selection and its separator, and
// holds the row's cell views. A table makes one for each row in view unless its delegate
// gives its own.
class TableRowView : public View {
public:
    explicit TableRowView(Rect frame = {});

    bool isSelected() const { return selected_; }
    // Also shows the text of the cell views on the selection's highlight.
    void setSelected(bool selected);
    // A group row spans the table and is drawn as a heading.
    bool isGroupRowStyle() const { return groupRowStyle_; }
    void setGroupRowStyle(bool groupRowStyle);

    // The style's highlight, the colour a selected row is filled with.
    Ref<Color> selectionHighlightColor() const;
    virtual void drawBackgroundInRect(Rect dirtyRect);
    virtual void drawSelectionInRect(Rect dirtyRect);
    virtual void drawSeparatorInRect(Rect dirtyRect);

    bool isFlipped() const override { return true; }
    void drawRect(Rect dirtyRect) override;

private:
    bool selected_ = false;
    bool groupRowStyle_ = false;
};

} // namespace platform
