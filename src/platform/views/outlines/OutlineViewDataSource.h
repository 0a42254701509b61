#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Array;
class DraggingInfo;
class DraggingSession;
class PasteboardItem;
class TableColumn;
class OutlineView;

// Where an outline view gets its tree. Items are the data source's own objects, which the
// outline holds and compares by identity; none stands for the root, whose children are the
// top-level items. Each method answers what the framework answers when an outline has no data
// source: no children, no values.
class OutlineViewDataSource {
public:
    virtual ~OutlineViewDataSource();

    // Asked when the outline loads an item's children: at reloadData for the root and the
    // expanded items, and when an item is expanded.
    virtual std::int64_t outlineViewNumberOfChildrenOfItem(const Ref<OutlineView>& outlineView,
                                                           const Ref<Object>& item);
    virtual Ref<Object> outlineViewChildOfItem(const Ref<OutlineView>& outlineView,
                                               std::int64_t index, const Ref<Object>& item);
    // Whether the item shows a disclosure triangle; an expandable item may have no children.
    virtual bool outlineViewIsItemExpandable(const Ref<OutlineView>& outlineView,
                                             const Ref<Object>& item);
    // The value the cell of an item and column shows, asked each time the cell comes into
    // view; none leaves the cell view's value as the delegate left it.
    virtual Ref<Object>
    outlineViewObjectValueForTableColumnByItem(const Ref<OutlineView>& outlineView,
                                               const Ref<TableColumn>& column,
                                               const Ref<Object>& item);
    virtual void outlineViewSortDescriptorsDidChange(const Ref<OutlineView>& outlineView,
                                                     const Ref<Array>& oldDescriptors);

    // What an item carries when the user drags it; none means it cannot be dragged.
    virtual Ref<PasteboardItem>
    outlineViewPasteboardWriterForItem(const Ref<OutlineView>& outlineView,
                                       const Ref<Object>& item);
    // A drag of items out of the outline starts at a point in the outline with the dragged
    // items in an array, and ends at a point on the screen having done the operation (None
    // when nothing took it).
    virtual void outlineViewDraggingSessionWillBeginAtPointForItems(
        const Ref<OutlineView>& outlineView, const Ref<DraggingSession>& session, Point screenPoint,
        const Ref<Array>& draggedItems);
    virtual void
    outlineViewDraggingSessionEndedAtPointOperation(const Ref<OutlineView>& outlineView,
                                                    const Ref<DraggingSession>& session,
                                                    Point screenPoint, std::uint64_t operation);
    // A drag over the outline proposes a parent item (none for the root) and a child index in
    // it: -1 for a drop on the item itself, else the place among its children the drop would
    // take. The answer is the drag operation the drop would do, None refusing it; the data
    // source may move the drop with setDropItemDropChildIndex. The base refuses every drop.
    virtual std::uint64_t outlineViewValidateDropProposedItemProposedChildIndex(
        const Ref<OutlineView>& outlineView, const Ref<DraggingInfo>& info, const Ref<Object>& item,
        std::int64_t index);
    // The drop itself, at the item and child index last validated; yes when it was taken.
    virtual bool outlineViewAcceptDropItemChildIndex(const Ref<OutlineView>& outlineView,
                                                     const Ref<DraggingInfo>& info,
                                                     const Ref<Object>& item, std::int64_t index);
};

} // namespace platform
