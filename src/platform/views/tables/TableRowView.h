#pragma once

#include "platform/views/View.h"

namespace platform {

// The view behind the cells of one row: it draws the row's selection and its separator, and
// holds the row's cell views. A table makes one for each row in view unless its delegate
// gives its own.
class TableRowView : public View {
public:
    explicit TableRowView(Rect frame = {});

    bool isSelected() const { return selected_; }
    void setSelected(bool selected);
    // A group row spans the table and is drawn as a heading.
    bool isGroupRowStyle() const { return groupRowStyle_; }
    void setGroupRowStyle(bool groupRowStyle);

    bool isFlipped() const override { return true; }

private:
    bool selected_ = false;
    bool groupRowStyle_ = false;
};

} // namespace platform
