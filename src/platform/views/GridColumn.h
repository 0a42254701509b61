#pragma once

#include "platform/foundation/Object.h"
#include "platform/views/GridCellPlacement.h"

namespace platform {

class GridView;

// A column of a grid view: its width (the widest content of its cells unless set), the padding
// before and after it, where its cells place their content across, and whether it is hidden,
// the content of its cells with it.
class GridColumn : public Object {
public:
    double width() const { return width_; }
    void setWidth(double width);
    double leadingPadding() const { return leadingPadding_; }
    void setLeadingPadding(double padding);
    double trailingPadding() const { return trailingPadding_; }
    void setTrailingPadding(double padding);
    GridCellPlacement xPlacement() const { return xPlacement_; }
    void setXPlacement(GridCellPlacement placement);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    Ref<GridView> gridView() const { return grid_.lock(); }

private:
    friend class GridView;
    void changed() const;

    double width_ = kGridViewSizeForContent;
    double leadingPadding_ = 0;
    double trailingPadding_ = 0;
    GridCellPlacement xPlacement_ = GridCellPlacement::Inherited;
    bool hidden_ = false;
    WeakRef<GridView> grid_;
};

} // namespace platform
