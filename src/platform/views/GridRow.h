#pragma once

#include "platform/foundation/Object.h"
#include "platform/views/GridCellPlacement.h"

namespace platform {

class GridView;

// A row of a grid view: its height (the tallest content of its cells unless set), the padding
// above and below it, where its cells place their content up and down, and whether it is
// hidden, the content of its cells with it.
class GridRow : public Object {
public:
    double height() const { return height_; }
    void setHeight(double height);
    double topPadding() const { return topPadding_; }
    void setTopPadding(double padding);
    double bottomPadding() const { return bottomPadding_; }
    void setBottomPadding(double padding);
    GridCellPlacement yPlacement() const { return yPlacement_; }
    void setYPlacement(GridCellPlacement placement);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    Ref<GridView> gridView() const { return grid_.lock(); }

private:
    friend class GridView;
    void changed() const;

    double height_ = kGridViewSizeForContent;
    double topPadding_ = 0;
    double bottomPadding_ = 0;
    GridCellPlacement yPlacement_ = GridCellPlacement::Inherited;
    bool hidden_ = false;
    WeakRef<GridView> grid_;
};

} // namespace platform
