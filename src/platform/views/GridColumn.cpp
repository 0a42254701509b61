#include "platform/views/GridColumn.h"

#include "platform/views/GridView.h"

namespace platform {

void GridColumn::setWidth(double width) {
    width_ = width;
    changed();
}

void GridColumn::setLeadingPadding(double padding) {
    leadingPadding_ = padding;
    changed();
}

void GridColumn::setTrailingPadding(double padding) {
    trailingPadding_ = padding;
    changed();
}

void GridColumn::setXPlacement(GridCellPlacement placement) {
    xPlacement_ = placement;
    changed();
}

void GridColumn::setHidden(bool hidden) {
    hidden_ = hidden;
    changed();
}

void GridColumn::changed() const {
    if (const auto grid = grid_.lock())
        grid->place();
}

} // namespace platform
