#include "platform/views/tables/TableRowView.h"

namespace platform {

TableRowView::TableRowView(Rect frame) : View(frame) {}

void TableRowView::setSelected(bool selected) {
    if (selected == selected_)
        return;
    selected_ = selected;
    setNeedsDisplay(true);
}

void TableRowView::setGroupRowStyle(bool groupRowStyle) {
    if (groupRowStyle == groupRowStyle_)
        return;
    groupRowStyle_ = groupRowStyle;
    setNeedsDisplay(true);
}

} // namespace platform
