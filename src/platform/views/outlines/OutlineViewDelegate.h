#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Array;
class Event;
class Notification;
class OutlineView;
class String;
class TableColumn;
class TableRowView;
class View;

// What an outline view asks and tells its delegate. Each method answers what the framework
// answers when an outline has no delegate. Notifications about an item carry it in their
// user information under "NSObject"; their object is the outline.
class OutlineViewDelegate {
public:
    virtual ~OutlineViewDelegate();

    // The view for a cell coming into view; a column of none asks for a group item's one view
    // across the row. None lets the outline make one as a table does.
    virtual Ref<View> outlineViewViewForTableColumnItem(const Ref<OutlineView>& outlineView,
                                                        const Ref<TableColumn>& column,
                                                        const Ref<Object>& item);
    // The view behind an item's row; none lets the outline make a TableRowView.
    virtual Ref<TableRowView> outlineViewRowViewForItem(const Ref<OutlineView>& outlineView,
                                                        const Ref<Object>& item);
    virtual void outlineViewDidAddRowViewForRow(const Ref<OutlineView>& outlineView,
                                                const Ref<TableRowView>& rowView, std::int64_t row);
    virtual void outlineViewDidRemoveRowViewForRow(const Ref<OutlineView>& outlineView,
                                                   const Ref<TableRowView>& rowView,
                                                   std::int64_t row);
    virtual bool outlineViewIsGroupItem(const Ref<OutlineView>& outlineView,
                                        const Ref<Object>& item);
    // The base answers the outline's rowHeight.
    virtual double outlineViewHeightOfRowByItem(const Ref<OutlineView>& outlineView,
                                                const Ref<Object>& item);
    // The tint an item's row is drawn with; none for the outline's own.
    virtual Ref<Object> outlineViewTintConfigurationForItem(const Ref<OutlineView>& outlineView,
                                                            const Ref<Object>& item);

    // Asked before the user expands or collapses an item; no keeps it as it is. The program's
    // expandItem and collapseItem ask nothing.
    virtual bool outlineViewShouldExpandItem(const Ref<OutlineView>& outlineView,
                                             const Ref<Object>& item);
    virtual bool outlineViewShouldCollapseItem(const Ref<OutlineView>& outlineView,
                                               const Ref<Object>& item);
    virtual void outlineViewItemWillExpand(const Ref<Notification>& notification);
    virtual void outlineViewItemDidExpand(const Ref<Notification>& notification);
    virtual void outlineViewItemWillCollapse(const Ref<Notification>& notification);
    virtual void outlineViewItemDidCollapse(const Ref<Notification>& notification);

    virtual bool selectionShouldChangeInOutlineView(const Ref<OutlineView>& outlineView);
    virtual bool outlineViewShouldSelectItem(const Ref<OutlineView>& outlineView,
                                             const Ref<Object>& item);
    virtual void outlineViewSelectionIsChanging(const Ref<Notification>& notification);
    virtual void outlineViewSelectionDidChange(const Ref<Notification>& notification);
    // Whether a double click or Return edits the cell; yes unless answered.
    virtual bool outlineViewShouldEditTableColumnItem(const Ref<OutlineView>& outlineView,
                                                      const Ref<TableColumn>& column,
                                                      const Ref<Object>& item);
    virtual bool
    outlineViewShouldTypeSelectForEventWithCurrentSearchString(const Ref<OutlineView>& outlineView,
                                                               const Ref<Event>& event,
                                                               const Ref<String>& searchString);

    virtual void outlineViewMouseDownInHeaderOfTableColumn(const Ref<OutlineView>& outlineView,
                                                           const Ref<TableColumn>& column);
    virtual void outlineViewDidClickTableColumn(const Ref<OutlineView>& outlineView,
                                                const Ref<TableColumn>& column);
    virtual void outlineViewDidDragTableColumn(const Ref<OutlineView>& outlineView,
                                               const Ref<TableColumn>& column);
    virtual bool outlineViewShouldSelectTableColumn(const Ref<OutlineView>& outlineView,
                                                    const Ref<TableColumn>& column);
    virtual bool outlineViewShouldReorderColumnToColumn(const Ref<OutlineView>& outlineView,
                                                        std::int64_t columnIndex,
                                                        std::int64_t newColumnIndex);
    virtual void outlineViewColumnDidMove(const Ref<Notification>& notification);
    virtual void outlineViewColumnDidResize(const Ref<Notification>& notification);
    // Whether the header's menu offers to hide and show the column; the base answers no.
    virtual bool
    outlineViewUserCanChangeVisibilityOfTableColumn(const Ref<OutlineView>& outlineView,
                                                    const Ref<TableColumn>& column);
    virtual void
    outlineViewUserDidChangeVisibilityOfTableColumns(const Ref<OutlineView>& outlineView,
                                                     const Ref<Array>& columns);
};

} // namespace platform
