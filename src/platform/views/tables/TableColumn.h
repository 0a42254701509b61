#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class SortDescriptor;
class String;
class TableView;

// One column of a table view: the identifier that names it (and the cell views made for it),
// the title its header shows, its width within its limits, whether it is shown and whether its
// cells may be edited, and the sort descriptor a click on its header sorts by. A new column is
// 100 points wide, between 10 and 1,000, shown and editable, with an empty title.
class TableColumn : public Object {
public:
    explicit TableColumn(Ref<String> identifier = nullptr);
    ~TableColumn() override;

    Ref<String> identifier() const { return identifier_; }
    void setIdentifier(Ref<String> identifier) { identifier_ = std::move(identifier); }
    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title);

    double width() const { return width_; }
    // Held between the minimum and the maximum width.
    void setWidth(double width);
    double minWidth() const { return minWidth_; }
    // Widens the column when it is narrower; a minimum above the maximum raises the maximum.
    void setMinWidth(double width);
    double maxWidth() const { return maxWidth_; }
    // Narrows the column when it is wider; a maximum below the minimum lowers the minimum.
    void setMaxWidth(double width);

    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    bool isEditable() const { return editable_; }
    void setEditable(bool editable) { editable_ = editable; }
    Ref<SortDescriptor> sortDescriptorPrototype() const { return sortDescriptorPrototype_; }
    void setSortDescriptorPrototype(Ref<SortDescriptor> prototype) {
        sortDescriptorPrototype_ = std::move(prototype);
    }

    // The table the column is in, or none.
    Ref<TableView> tableView() const { return tableView_.lock(); }

private:
    friend class TableView;
    void changed();

    Ref<String> identifier_;
    Ref<String> title_;
    double width_ = 100;
    double minWidth_ = 10;
    double maxWidth_ = 1000;
    bool hidden_ = false;
    bool editable_ = true;
    Ref<SortDescriptor> sortDescriptorPrototype_;
    WeakRef<TableView> tableView_;
};

} // namespace platform
