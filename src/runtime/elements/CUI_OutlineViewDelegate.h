#pragma once

// The delegate and data source the wiring gives each outline view of a program, one per view.
// It keeps the tree as OutlineItem records: the top-level nodes in tableData, the others in
// their parents' children. It answers the view's questions from the records, fills the cells,
// writes edited text back, moves a node the user drags inside the view and reports files
// dropped from outside. The rest goes to the outline's own callback, or else the dialog
// callback, through outlineViewForwardEventObject.

#include "runtime/elements/OutlineItem.h"

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"
#include "platform/views/TextFieldDelegate.h"
#include "platform/views/outlines/OutlineViewDataSource.h"
#include "platform/views/outlines/OutlineViewDelegate.h"

#include <cstdint>
#include <optional>

namespace platform {
class Array;
class OutlineView;
class View;
} // namespace platform

class CUI_OutlineViewDelegate : public platform::Object,
                                public platform::OutlineViewDelegate,
                                public platform::OutlineViewDataSource,
                                public platform::TextFieldDelegate {
public:
    // A node's place in the tree: its parent (none for the top level) and its index there.
    struct Place {
        platform::Ref<OutlineItem> parent;
        std::int64_t index = 0;
    };
    // A move of one node, from where it stood to where it stands after the move.
    struct Move {
        Place from;
        Place to;
    };

    // The pasteboard type that marks a drag as one of a node inside the view; it carries no data.
    static const platform::String& reorderPasteboardType();

    CUI_OutlineViewDelegate();

    // The single exit of every report: the outline's cuiOutlineViewCallback hears the code
    // when it has one, else the dialog callback the code, the outline's tag, its wndTag and
    // the object.
    static void outlineViewForwardEventObject(const platform::OutlineView& outlineView,
                                              std::int64_t event,
                                              const platform::Ref<platform::Object>& object);

    // The outline's action and double action.
    void singleAction(const platform::Ref<platform::Object>& sender);
    void doubleAction(const platform::Ref<platform::Object>& sender);
    static platform::Selector singleActionSelector();
    static platform::Selector doubleActionSelector();

    // Held weakly: the outline keeps its delegate alive, not the other way round.
    platform::Ref<platform::OutlineView> table() const { return table_.lock(); }
    void setTable(const platform::Ref<platform::OutlineView>& table) { table_ = table; }
    const platform::Ref<platform::Array>& tableData() const { return tableData_; }
    void setTableData(platform::Ref<platform::Array> items);
    const platform::Ref<OutlineItem>& draggedItem() const { return draggedItem_; }
    void setDraggedItem(platform::Ref<OutlineItem> item) { draggedItem_ = std::move(item); }

    // The list that holds a parent's children: tableData for none.
    const platform::Ref<platform::Array>&
    childrenOf(const platform::Ref<OutlineItem>& parent) const;
    // Where the node stands in the records, or nothing when it is not in them.
    std::optional<Place> placeOf(const platform::Ref<OutlineItem>& item) const;

    // Moves the dragged node for a drop on a parent (none for the top level) at a child index
    // (-1 for a drop onto the parent itself), and answers the move made. A drop that would
    // leave the node where it is, or put it inside itself, moves nothing.
    std::optional<Move> moveDraggedItem(const platform::Ref<OutlineItem>& parent,
                                        std::int64_t childIndex);

    // The data source.
    std::int64_t
    outlineViewNumberOfChildrenOfItem(const platform::Ref<platform::OutlineView>& outlineView,
                                      const platform::Ref<platform::Object>& item) override;
    platform::Ref<platform::Object>
    outlineViewChildOfItem(const platform::Ref<platform::OutlineView>& outlineView,
                           std::int64_t index,
                           const platform::Ref<platform::Object>& item) override;
    bool outlineViewIsItemExpandable(const platform::Ref<platform::OutlineView>& outlineView,
                                     const platform::Ref<platform::Object>& item) override;
    std::uint64_t outlineViewValidateDropProposedItemProposedChildIndex(
        const platform::Ref<platform::OutlineView>& outlineView,
        const platform::Ref<platform::DraggingInfo>& info,
        const platform::Ref<platform::Object>& item, std::int64_t index) override;
    bool
    outlineViewAcceptDropItemChildIndex(const platform::Ref<platform::OutlineView>& outlineView,
                                        const platform::Ref<platform::DraggingInfo>& info,
                                        const platform::Ref<platform::Object>& item,
                                        std::int64_t index) override;
    platform::Ref<platform::PasteboardItem>
    outlineViewPasteboardWriterForItem(const platform::Ref<platform::OutlineView>& outlineView,
                                       const platform::Ref<platform::Object>& item) override;
    void outlineViewDraggingSessionWillBeginAtPointForItems(
        const platform::Ref<platform::OutlineView>& outlineView,
        const platform::Ref<platform::DraggingSession>& session, platform::Point screenPoint,
        const platform::Ref<platform::Array>& draggedItems) override;
    void outlineViewDraggingSessionEndedAtPointOperation(
        const platform::Ref<platform::OutlineView>& outlineView,
        const platform::Ref<platform::DraggingSession>& session, platform::Point screenPoint,
        std::uint64_t operation) override;

    // The delegate.
    platform::Ref<platform::View>
    outlineViewViewForTableColumnItem(const platform::Ref<platform::OutlineView>& outlineView,
                                      const platform::Ref<platform::TableColumn>& column,
                                      const platform::Ref<platform::Object>& item) override;
    void outlineViewSelectionDidChange(
        const platform::Ref<platform::Notification>& notification) override;
    platform::Ref<platform::Object>
    outlineViewTintConfigurationForItem(const platform::Ref<platform::OutlineView>& outlineView,
                                        const platform::Ref<platform::Object>& item) override;
    bool outlineViewUserCanChangeVisibilityOfTableColumn(
        const platform::Ref<platform::OutlineView>& outlineView,
        const platform::Ref<platform::TableColumn>& column) override;
    void outlineViewUserDidChangeVisibilityOfTableColumns(
        const platform::Ref<platform::OutlineView>& outlineView,
        const platform::Ref<platform::Array>& columns) override;

    // The edit of a cell's text field, written back into its node.
    void controlTextDidEndEditing(const platform::Ref<platform::Notification>& notice) override;

private:
    platform::Ref<CUI_OutlineViewDelegate> thisDelegate();
    // The text and image a cell shows of a node, and where an edit of it is written.
    static platform::Ref<OutlineItem>
    itemForColumn(const platform::Ref<OutlineItem>& node,
                  const platform::Ref<platform::String>& identifier, bool makeMissing);
    std::optional<Place> destination(const Place& from, const platform::Ref<OutlineItem>& parent,
                                     std::int64_t childIndex) const;
    std::optional<Move> moveItem(const Place& from, Place to);

    platform::WeakRef<platform::OutlineView> table_;
    platform::Ref<platform::Array> tableData_;
    platform::Ref<OutlineItem> draggedItem_;
};
