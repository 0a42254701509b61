#include "platform/views/GridRow.h"

#include "platform/views/GridView.h"

namespace platform {

void GridRow::setHeight(double height) {
    height_ = height;
    changed();
}

void GridRow::setTopPadding(double padding) {
    topPadding_ = padding;
    changed();
}

void GridRow::setBottomPadding(double padding) {
    bottomPadding_ = padding;
    changed();
}

void GridRow::setYPlacement(GridCellPlacement placement) {
    yPlacement_ = placement;
    changed();
}

void GridRow::setHidden(bool hidden) {
    hidden_ = hidden;
    changed();
}

void GridRow::changed() const {
    if (const auto grid = grid_.lock())
        grid->place();
}

} // namespace platform
