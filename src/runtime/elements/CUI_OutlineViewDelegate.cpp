#include "runtime/elements/CUI_OutlineViewDelegate.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/DraggingInfo.h"
#include "platform/app/DraggingSession.h"
#include "platform/app/Pasteboard.h"
#include "platform/app/PasteboardItem.h"
#include "platform/drawing/Image.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/views/TextField.h"
#include "platform/views/controls/ImageView.h"
#include "platform/views/outlines/OutlineView.h"
#include "platform/views/tables/TableCellView.h"
#include "platform/views/tables/TableColumn.h"

#include <algorithm>
#include <cstdlib>

using platform::Array;
using platform::Object;
using platform::OutlineView;
using platform::Ref;
using platform::String;

namespace {

using Place = CUI_OutlineViewDelegate::Place;

std::int64_t countOf(const Array& list) {
    return static_cast<std::int64_t>(list.count());
}

// Nodes are found by identity: two nodes with the same text are still two nodes.
std::int64_t indexOfItem(const Array& list, const OutlineItem* item) {
    for (std::int64_t index = 0; index < countOf(list); ++index)
        if (list.objectAtIndex(static_cast<std::size_t>(index)).get() == item)
            return index;
    return -1;
}

std::optional<Place> findIn(const Ref<OutlineItem>& parent, const Array& list,
                            const OutlineItem* item) {
    if (const std::int64_t index = indexOfItem(list, item); index >= 0)
        return Place{parent, index};
    for (const auto& entry : list) {
        const auto node = entry ? entry->as<OutlineItem>() : nullptr;
        if (!node)
            continue;
        if (auto place = findIn(node, *node->children(), item))
            return place;
    }
    return std::nullopt;
}

bool isInside(const OutlineItem& ancestor, const OutlineItem* item) {
    return findIn(nullptr, *ancestor.children(), item).has_value();
}

Ref<OutlineItem> asItem(const Ref<Object>& object) {
    return object ? object->as<OutlineItem>() : nullptr;
}

Ref<OutlineView> outlineOf(const Ref<platform::Notification>& notification) {
    return notification && notification->object() ? notification->object()->as<OutlineView>()
                                                  : nullptr;
}

// Selections and clicks make the outline's window the one printed to.
void reportInItsWindow(const Ref<OutlineView>& outlineView, std::int64_t event) {
    if (!outlineView)
        return;
    CurrentOutputWindowTagSet(std::llabs(Additions::wndTag(*outlineView)));
    CUI_OutlineViewDelegate::outlineViewForwardEventObject(*outlineView, event, nullptr);
}

void offerNothingForReorder(const Ref<platform::Pasteboard>& pasteboard) {
    if (pasteboard)
        pasteboard->setPropertyListForType(platform::Data::create(),
                                           CUI_OutlineViewDelegate::reorderPasteboardType());
}

} // namespace

const String& CUI_OutlineViewDelegate::reorderPasteboardType() {
    static const Ref<String> type = String::fromUtf8("io.github.pondaro.outlineview.reorder.item");
    return *type;
}

CUI_OutlineViewDelegate::CUI_OutlineViewDelegate() : tableData_(Array::array()) {}

Ref<CUI_OutlineViewDelegate> CUI_OutlineViewDelegate::thisDelegate() {
    return std::static_pointer_cast<CUI_OutlineViewDelegate>(shared_from_this());
}

void CUI_OutlineViewDelegate::outlineViewForwardEventObject(const OutlineView& outlineView,
                                                            std::int64_t event,
                                                            const Ref<Object>& object) {
    if (const auto callback = Additions::cuiOutlineViewCallback(outlineView)) {
        callback(outlineView.tag(), event);
        return;
    }
    DialogCallbackCall(event, outlineView.tag(), Additions::wndTag(outlineView), object);
}

void CUI_OutlineViewDelegate::singleAction(const Ref<Object>& sender) {
    reportInItsWindow(sender ? sender->as<OutlineView>() : nullptr, OutlineViewEvent::Action);
}

void CUI_OutlineViewDelegate::doubleAction(const Ref<Object>& sender) {
    reportInItsWindow(sender ? sender->as<OutlineView>() : nullptr, OutlineViewEvent::DoubleAction);
}

platform::Selector CUI_OutlineViewDelegate::singleActionSelector() {
    return {"singleAction:", &CUI_OutlineViewDelegate::singleAction};
}

platform::Selector CUI_OutlineViewDelegate::doubleActionSelector() {
    return {"doubleAction:", &CUI_OutlineViewDelegate::doubleAction};
}

void CUI_OutlineViewDelegate::setTableData(Ref<Array> items) {
    tableData_ = items ? std::move(items) : Array::array();
}

const Ref<Array>& CUI_OutlineViewDelegate::childrenOf(const Ref<OutlineItem>& parent) const {
    return parent ? parent->children() : tableData_;
}

std::optional<Place> CUI_OutlineViewDelegate::placeOf(const Ref<OutlineItem>& item) const {
    return item ? findIn(nullptr, *tableData_, item.get()) : std::nullopt;
}

std::optional<CUI_OutlineViewDelegate::Move>
CUI_OutlineViewDelegate::moveDraggedItem(const Ref<OutlineItem>& parent, std::int64_t childIndex) {
    const auto from = placeOf(draggedItem_);
    if (!from)
        return std::nullopt;
    // A node dropped on itself or among its own descendants would leave the tree.
    if (parent && (parent == draggedItem_ || isInside(*draggedItem_, parent.get())))
        return std::nullopt;
    const auto to = destination(*from, parent, childIndex);
    return to ? moveItem(*from, *to) : std::nullopt;
}

// Where a drop sends the dragged node, as an index in the receiving list before the node leaves
// its own. Groups stay among groups: a group dropped on a group takes that group's place, and
// one dropped on a plain node goes to the top level. A plain node dropped into a group joins its
// children, and one dropped onto a plain node goes in front of it, in that node's list.
std::optional<Place> CUI_OutlineViewDelegate::destination(const Place& from,
                                                          const Ref<OutlineItem>& parent,
                                                          std::int64_t childIndex) const {
    if (!parent)
        return Place{nullptr, childIndex >= 0 ? childIndex : countOf(*tableData_)};
    const auto target = placeOf(parent);
    if (!target)
        return std::nullopt;
    if (draggedItem_->isGroup()) {
        if (parent->isGroup()) {
            // Moving down, the group lands after the one it was dropped on.
            const bool later = target->parent == from.parent && target->index > from.index;
            return Place{target->parent, target->index + (later ? 1 : 0)};
        }
        if (childIndex >= 0)
            return Place{nullptr, childIndex};
        Place top = *target;
        while (top.parent)
            top = *placeOf(top.parent);
        return top;
    }
    if (parent->isGroup())
        return Place{parent, std::max<std::int64_t>(childIndex, 0)};
    return Place{target->parent, childIndex >= 0 ? childIndex : target->index};
}

std::optional<CUI_OutlineViewDelegate::Move> CUI_OutlineViewDelegate::moveItem(const Place& from,
                                                                               Place to) {
    const Ref<Array>& source = childrenOf(from.parent);
    const Ref<Array>& receiver = childrenOf(to.parent);
    to.index = std::clamp<std::int64_t>(to.index, 0, countOf(*receiver));
    if (source == receiver) {
        // In front of itself or just after itself is where it already is.
        if (to.index == from.index || to.index == from.index + 1)
            return std::nullopt;
        if (to.index > from.index)
            --to.index;
    }
    const Ref<OutlineItem> moved = draggedItem_;
    source->removeObjectAtIndex(static_cast<std::size_t>(from.index));
    receiver->insertObjectAtIndex(moved, static_cast<std::size_t>(to.index));
    return Move{from, to};
}

std::int64_t CUI_OutlineViewDelegate::outlineViewNumberOfChildrenOfItem(const Ref<OutlineView>&,
                                                                        const Ref<Object>& item) {
    if (item && !asItem(item))
        return 0;
    return countOf(*childrenOf(asItem(item)));
}

Ref<Object> CUI_OutlineViewDelegate::outlineViewChildOfItem(const Ref<OutlineView>&,
                                                            std::int64_t index,
                                                            const Ref<Object>& item) {
    if (item && !asItem(item))
        return nullptr;
    const Ref<Array>& children = childrenOf(asItem(item));
    if (index < 0 || index >= countOf(*children))
        return nullptr;
    return children->objectAtIndex(static_cast<std::size_t>(index));
}

bool CUI_OutlineViewDelegate::outlineViewIsItemExpandable(const Ref<OutlineView>&,
                                                          const Ref<Object>& item) {
    const auto node = asItem(item);
    return node && node->isGroup();
}

Ref<OutlineItem> CUI_OutlineViewDelegate::itemForColumn(const Ref<OutlineItem>& node,
                                                        const Ref<String>& identifier,
                                                        bool makeMissing) {
    const auto& columns = node->columns();
    if (!columns)
        return node;
    if (!identifier)
        return nullptr;
    if (const auto entry = asItem(columns->objectForKey(identifier)))
        return entry;
    if (!makeMissing)
        return nullptr;
    auto entry = std::make_shared<OutlineItem>(nullptr, nullptr, false);
    columns->setObjectForKey(entry, identifier);
    return entry;
}

Ref<platform::View>
CUI_OutlineViewDelegate::outlineViewViewForTableColumnItem(const Ref<OutlineView>& outlineView,
                                                           const Ref<platform::TableColumn>& column,
                                                           const Ref<Object>& item) {
    if (!outlineView || !column)
        return nullptr;
    const Ref<String> identifier = column->identifier();
    Ref<platform::View> view = outlineView->makeViewWithIdentifierOwner(identifier, thisDelegate());
    const auto node = asItem(item);
    if (!node)
        return view;
    // A column the program gave no cell of its own shows a plain text cell, as a table's does.
    if (!view) {
        const platform::Rect frame{0, 0, column->width(), outlineView->rowHeight()};
        view = platform::TableCellView::makeTextCell(frame, column->isEditable());
        view->setIdentifier(identifier);
    }
    const auto cell = view->as<platform::TableCellView>();
    const auto field = cell ? cell->textField() : nullptr;
    if (field && field->isEditable())
        field->setDelegate(thisDelegate());
    const auto shown = itemForColumn(node, identifier, false);
    const auto text = shown ? shown->string() : nullptr;
    if (field)
        field->setStringValue(text ? text : String::fromUtf8(" "));
    const auto imageView = cell ? cell->imageView() : nullptr;
    if (imageView && shown && shown->image())
        imageView->setImage(shown->image());
    return view;
}

void CUI_OutlineViewDelegate::outlineViewSelectionDidChange(
    const Ref<platform::Notification>& notification) {
    reportInItsWindow(outlineOf(notification), OutlineViewEvent::SelectionDidChange);
}

// The outline's own tint is the default the program may replace.
Ref<Object>
CUI_OutlineViewDelegate::outlineViewTintConfigurationForItem(const Ref<OutlineView>& outlineView,
                                                             const Ref<Object>& item) {
    DialogEventSetTintConfigurationObj(
        platform::OutlineViewDelegate::outlineViewTintConfigurationForItem(outlineView, item));
    if (outlineView)
        outlineViewForwardEventObject(*outlineView, OutlineViewEvent::TintConfigurationForItem,
                                      item);
    return DialogEventTintConfigurationObj();
}

bool CUI_OutlineViewDelegate::outlineViewUserCanChangeVisibilityOfTableColumn(
    const Ref<OutlineView>& outlineView, const Ref<platform::TableColumn>& column) {
    DialogEventSetBoolVal(true);
    DialogEventSetTableColumnObj(column);
    if (outlineView)
        outlineViewForwardEventObject(*outlineView, OutlineViewEvent::UserCanChangeVisibility,
                                      nullptr);
    return DialogEventBoolVal();
}

void CUI_OutlineViewDelegate::outlineViewUserDidChangeVisibilityOfTableColumns(
    const Ref<OutlineView>& outlineView, const Ref<Array>& columns) {
    DialogEventSetArrayObj(columns);
    if (outlineView)
        outlineViewForwardEventObject(*outlineView, OutlineViewEvent::UserDidChangeVisibility,
                                      nullptr);
}

// Every drop is offered as a link; the program may answer another operation, or none.
std::uint64_t CUI_OutlineViewDelegate::outlineViewValidateDropProposedItemProposedChildIndex(
    const Ref<OutlineView>&, const Ref<platform::DraggingInfo>&, const Ref<Object>&, std::int64_t) {
    DialogEventSetLongVal(static_cast<std::int64_t>(platform::DragOperation::Link));
    return static_cast<std::uint64_t>(DialogEventLongVal());
}

bool CUI_OutlineViewDelegate::outlineViewAcceptDropItemChildIndex(
    const Ref<OutlineView>& outlineView, const Ref<platform::DraggingInfo>& info,
    const Ref<Object>& item, std::int64_t index) {
    DialogEventSetBoolVal(true);
    DialogEventSetLongVal(index);
    if (!draggedItem_) {
        const auto pasteboard = info ? info->draggingPasteboard() : nullptr;
        const auto files = pasteboard ? pasteboard->readFileURLs() : Array::array();
        DialogEventSetArrayObj(files);
        DialogEventSetUrlObj(files->count() ? files->firstObject()->as<platform::URL>() : nullptr);
        if (outlineView)
            outlineViewForwardEventObject(*outlineView, OutlineViewEvent::AcceptFileDrop, item);
        return true;
    }
    DialogEventSetArrayObj(nullptr);
    DialogEventSetUrlObj(nullptr);
    // A drop on a node that is not one of the records moves nothing.
    if (item && !asItem(item))
        return true;
    const auto move = moveDraggedItem(asItem(item), index);
    if (move && outlineView)
        outlineView->moveItemAtIndexInParentToIndexInParent(move->from.index, move->from.parent,
                                                            move->to.index, move->to.parent);
    return true;
}

Ref<platform::PasteboardItem>
CUI_OutlineViewDelegate::outlineViewPasteboardWriterForItem(const Ref<OutlineView>&,
                                                            const Ref<Object>& item) {
    if (!asItem(item))
        return nullptr;
    auto written = std::make_shared<platform::PasteboardItem>();
    written->setDataForType(platform::Data::create(), reorderPasteboardType());
    return written;
}

void CUI_OutlineViewDelegate::outlineViewDraggingSessionWillBeginAtPointForItems(
    const Ref<OutlineView>&, const Ref<platform::DraggingSession>& session, platform::Point,
    const Ref<Array>& draggedItems) {
    draggedItem_ =
        draggedItems && draggedItems->count() ? asItem(draggedItems->firstObject()) : nullptr;
    offerNothingForReorder(session ? session->draggingPasteboard() : nullptr);
}

void CUI_OutlineViewDelegate::outlineViewDraggingSessionEndedAtPointOperation(
    const Ref<OutlineView>& outlineView, const Ref<platform::DraggingSession>&, platform::Point,
    std::uint64_t) {
    if (outlineView)
        outlineView->reloadData();
    draggedItem_ = nullptr;
}

void CUI_OutlineViewDelegate::controlTextDidEndEditing(const Ref<platform::Notification>& notice) {
    const auto served = table();
    const auto field =
        notice && notice->object() ? notice->object()->as<platform::TextField>() : nullptr;
    if (!served || !field)
        return;
    const std::int64_t row = served->rowForView(*field);
    if (row < 0)
        return;
    const auto node = asItem(served->itemAtRow(row));
    const auto text = field->stringValue();
    if (node && text) {
        // A multi-column node keeps the edit in the edited column's entry, which is what the
        // cell shows once the outline reloads.
        const std::int64_t column = served->columnForView(*field);
        const auto identifier =
            column >= 0 ? served->tableColumns()[static_cast<std::size_t>(column)]->identifier()
                        : nullptr;
        if (const auto edited = itemForColumn(node, identifier, true))
            edited->setString(text);
    }
    served->reloadData();
}
