#include "platform/views/tables/TableColumn.h"

#include "platform/foundation/SortDescriptor.h"
#include "platform/foundation/String.h"
#include "platform/views/tables/TableView.h"

#include <algorithm>

namespace platform {

TableColumn::TableColumn(Ref<String> identifier)
    : identifier_(std::move(identifier)), title_(String::fromUtf8("")) {}

TableColumn::~TableColumn() = default;

void TableColumn::setTitle(Ref<String> title) {
    title_ = title ? std::move(title) : String::fromUtf8("");
    changed();
}

void TableColumn::setWidth(double width) {
    width_ = std::clamp(width, minWidth_, maxWidth_);
    changed();
}

void TableColumn::setMinWidth(double width) {
    minWidth_ = std::max(0.0, width);
    maxWidth_ = std::max(maxWidth_, minWidth_);
    setWidth(width_);
}

void TableColumn::setMaxWidth(double width) {
    maxWidth_ = std::max(0.0, width);
    minWidth_ = std::min(minWidth_, maxWidth_);
    setWidth(width_);
}

void TableColumn::setHidden(bool hidden) {
    hidden_ = hidden;
    changed();
}

void TableColumn::changed() {
    if (const auto table = tableView_.lock())
        table->columnDidChange();
}

} // namespace platform
