#include "platform/views/GridCell.h"

#include "platform/views/GridView.h"

namespace platform {

void GridCell::setContentView(const Ref<View>& view) {
    if (const auto grid = grid_.lock())
        grid->setContent(*this, view);
    else
        contentView_ = view;
}

void GridCell::setXPlacement(GridCellPlacement placement) {
    xPlacement_ = placement;
    if (const auto grid = grid_.lock())
        grid->place();
}

void GridCell::setYPlacement(GridCellPlacement placement) {
    yPlacement_ = placement;
    if (const auto grid = grid_.lock())
        grid->place();
}

} // namespace platform
