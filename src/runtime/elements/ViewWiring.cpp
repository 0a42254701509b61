#include "runtime/elements/ViewWiring.h"

#include "runtime/elements/CUI_ComboBoxDelegate.h"
#include "runtime/elements/CUI_OutlineViewDelegate.h"
#include "runtime/elements/CUI_PathControlDelegate.h"
#include "runtime/elements/CUI_SearchFieldDelegate.h"
#include "runtime/elements/CUI_SplitViewDelegate.h"
#include "runtime/elements/CUI_StackViewDelegate.h"
#include "runtime/elements/CUI_TabViewDelegate.h"
#include "runtime/elements/CUI_TableViewDelegate.h"
#include "runtime/elements/CUI_TextFieldDelegate.h"
#include "runtime/elements/CUI_TextStorageDelegate.h"
#include "runtime/elements/CUI_TextViewDelegate.h"
#include "runtime/elements/CUI_TokenFieldDelegate.h"
#include "runtime/elements/MenuWiring.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_ControlTarget.h"
#include "runtime/shell/ViewTag.h"

#include "platform/foundation/String.h"
#include "platform/views/Control.h"
#include "platform/views/GridView.h"
#include "platform/views/SplitView.h"
#include "platform/views/StackView.h"
#include "platform/views/TabView.h"
#include "platform/views/TabViewItem.h"
#include "platform/views/TextField.h"
#include "platform/views/TextStorage.h"
#include "platform/views/TextView.h"
#include "platform/views/View.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/ColorWell.h"
#include "platform/views/controls/ComboBox.h"
#include "platform/views/controls/ComboButton.h"
#include "platform/views/controls/DatePicker.h"
#include "platform/views/controls/LevelIndicator.h"
#include "platform/views/controls/PathControl.h"
#include "platform/views/controls/PopUpButton.h"
#include "platform/views/controls/SearchField.h"
#include "platform/views/controls/SecureTextField.h"
#include "platform/views/controls/SegmentedControl.h"
#include "platform/views/controls/Slider.h"
#include "platform/views/controls/Stepper.h"
#include "platform/views/controls/Switch.h"
#include "platform/views/controls/TokenField.h"
#include "platform/views/outlines/OutlineView.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/views/tables/TableHeaderView.h"
#include "platform/views/tables/TableView.h"

using platform::Control;
using platform::Ref;
using platform::View;

namespace {

// The numbers a control's identifier may give as its numbered action.
constexpr std::int64_t kFirstNumberedAction = 1;
constexpr std::int64_t kLastNumberedAction = 10;

void setSharedTarget(Control& control) {
    control.setTarget(CUI_ControlTarget::shared());
}
void setControlAction(Control& control) {
    control.setAction(CUI_ControlTarget::actionSelector(0));
}

// An action the control already has is the program's and stays; without one the control
// reports through the shared target, unless it has a target of its own.
void targetActionA(Control& control) {
    if (!control.action().isNull())
        return;
    if (!control.target())
        setSharedTarget(control);
    setControlAction(control);
}

// The target and the action are each given only when missing.
void targetActionB(Control& control) {
    if (!control.target())
        setSharedTarget(control);
    if (control.action().isNull())
        setControlAction(control);
}

// A date picker without an action reports through the shared target, whatever its target was.
void datePickerAction(Control& control) {
    if (!control.action().isNull())
        return;
    setSharedTarget(control);
    setControlAction(control);
}

// A secure field keeps a delegate of the program's.
void secureFieldDelegate(Control& control) {
    auto& field = static_cast<platform::TextField&>(control);
    if (!field.delegate())
        field.setDelegate(CUI_TextFieldDelegate::shared());
}

// A token field keeps a delegate of the program's.
void tokenFieldDelegate(Control& control) {
    auto& field = static_cast<platform::TokenField&>(control);
    if (!field.delegate())
        field.setDelegate(CUI_TokenFieldDelegate::shared());
}

// An editable field reports to the shared delegate, whatever delegate it had; a label is left
// alone.
void textFieldDelegate(Control& control) {
    auto& field = static_cast<platform::TextField&>(control);
    if (field.isEditable())
        field.setDelegate(CUI_TextFieldDelegate::shared());
}

// A search field keeps a delegate of the program's.
void searchFieldDelegate(Control& control) {
    auto& field = static_cast<platform::SearchField&>(control);
    if (!field.delegate())
        field.setDelegate(CUI_SearchFieldDelegate::shared());
}

// A combo box keeps a delegate of the program's. One that uses a data source and has none is
// served the shared delegate's items.
void comboBoxDelegate(Control& control) {
    auto& box = static_cast<platform::ComboBox&>(control);
    if (!box.delegate())
        box.setDelegate(CUI_ComboBoxDelegate::shared());
    if (box.usesDataSource() && !box.dataSource())
        box.setDataSource(CUI_ComboBoxDelegate::shared());
}

// A path control is given whichever of its target, action and delegate it lacks.
void pathControlWiring(Control& control) {
    targetActionB(control);
    auto& path = static_cast<platform::PathControl&>(control);
    if (!path.delegate())
        path.setDelegate(CUI_PathControlDelegate::shared());
}

// A tab view without a delegate reports to the shared one. The views of all its items are
// wired, the unselected ones too, and then the tab view's own subviews, all with the window tag
// the tab view was just given.
void wireTabView(View& view) {
    auto& tabs = static_cast<platform::TabView&>(view);
    if (!tabs.delegate())
        tabs.setDelegate(CUI_TabViewDelegate::shared());
    const std::int64_t windowTag = Additions::wndTag(view);
    for (const auto& item : tabs.tabViewItems())
        WireViews(windowTag, item->view());
    WireViews(windowTag, view.self()->as<View>());
}

// A split view without a delegate reports to the shared one; its panes are wired as any
// container's subviews.
void wireSplitView(View& view) {
    auto& split = static_cast<platform::SplitView&>(view);
    if (!split.delegate())
        split.setDelegate(CUI_SplitViewDelegate::shared());
    WireViews(Additions::wndTag(view), view.self()->as<View>());
}

// A stack view without a delegate reports to the shared one; its attached views are wired as
// any container's subviews.
void wireStackView(View& view) {
    auto& stack = static_cast<platform::StackView&>(view);
    if (!stack.delegate())
        stack.setDelegate(CUI_StackViewDelegate::shared());
    WireViews(Additions::wndTag(view), view.self()->as<View>());
}

// An editable text view reports to the shared delegate, whatever delegate it had; its storage
// reports its edits to the storage's callbacks unless it has a delegate of its own.
void textViewDelegate(View& view) {
    auto& textView = static_cast<platform::TextView&>(view);
    if (textView.isEditable())
        textView.setDelegate(CUI_TextViewDelegate::shared());
    if (!textView.textStorage()->delegate())
        textView.textStorage()->setDelegate(CUI_TextStorageDelegate::shared());
}

// The key under which a table or an outline keeps the delegate the wiring made for it: it holds
// its delegate and data source only weakly.
constexpr std::string_view kTableDelegateKey = "cuiTableViewDelegate";

// A table or an outline lacking a delegate or a data source gets a delegate of its own (a
// CUI_TableViewDelegate or a CUI_OutlineViewDelegate) in the missing parts, and as its target
// when it has no action.
template <class Table, class Delegate>
void tableDelegate(Table& table) {
    if (table.delegate() && table.dataSource())
        return;
    const auto delegate = std::make_shared<Delegate>();
    if (!table.delegate()) {
        table.setDelegate(delegate);
        delegate->setTable(std::static_pointer_cast<Table>(table.self()));
    }
    if (table.action().isNull()) {
        table.setTarget(delegate);
        table.setAction(Delegate::singleActionSelector());
        table.setDoubleAction(Delegate::doubleActionSelector());
    }
    if (!table.dataSource())
        table.setDataSource(delegate);
    table.setAttachedProperty(kTableDelegateKey, delegate);
}

// Columns an interface file left unnamed are named by their titles, which programs know them by.
void tableColumnIdentifiers(const platform::TableView& table) {
    if (!table.headerView())
        return;
    for (const auto& column : table.tableColumns()) {
        const auto title = column->title();
        const auto identifier = column->identifier();
        if (title && !title->isEmpty() && identifier &&
            identifier->utf8().starts_with("AutomaticTableColumnIdentifier"))
            column->setIdentifier(title);
    }
}

void wireTableView(View& view) {
    auto& table = static_cast<platform::TableView&>(view);
    tableDelegate<platform::TableView, CUI_TableViewDelegate>(table);
    tableColumnIdentifiers(table);
}

// The platform has no value bindings, so no column of an outline is bound and every outline
// lacking a delegate or a data source gets its own. Its columns keep the identifiers they have.
void wireOutlineView(View& view) {
    tableDelegate<platform::OutlineView, CUI_OutlineViewDelegate>(
        static_cast<platform::OutlineView&>(view));
}

struct WiringRow {
    // The platform class the row is for.
    const char* className;
    // Whether a view is of the row's class or a subclass. None when the platform lacks the
    // class, or the delegate the row installs, or knows the class only by its name: such a row
    // matches nothing and keeps its place for when they arrive.
    bool (*matches)(const View& view);
    // What the row does to a view it matches.
    void (*wire)(View& view);
};

template <class K, void (*Rule)(Control&)>
constexpr WiringRow controlRow(const char* className) {
    return {className, [](const View& view) { return view.isKindOf<K>(); },
            [](View& view) { Rule(static_cast<Control&>(view)); }};
}

template <class K, void (*Rule)(View&)>
constexpr WiringRow viewRow(const char* className) {
    return {className, [](const View& view) { return view.isKindOf<K>(); }, Rule};
}

constexpr WiringRow matchingNothing(const char* className) {
    return {className, nullptr, nullptr};
}

// The wiring table, in the order its rows are tried. The rows matching nothing name the elements
// that are left as the interface file made them.
constexpr WiringRow kWiringRows[] = {
    matchingNothing("PlayerView"),
    matchingNothing("WebView"),
    matchingNothing("SceneView"),
    matchingNothing("MapView"),
    matchingNothing("Browser"),
    controlRow<platform::Button, targetActionA>("Button"),
    matchingNothing("CollectionView"),
    controlRow<platform::ColorWell, targetActionA>("ColorWell"),
    controlRow<platform::ComboBox, comboBoxDelegate>("ComboBox"),
    controlRow<platform::ComboButton, targetActionA>("ComboButton"),
    controlRow<platform::DatePicker, datePickerAction>("DatePicker"),
    controlRow<platform::LevelIndicator, targetActionB>("LevelIndicator"),
    viewRow<platform::OutlineView, wireOutlineView>("OutlineView"),
    controlRow<platform::PathControl, pathControlWiring>("PathControl"),
    matchingNothing("PDFView"),
    matchingNothing("PDFThumbnailView"),
    controlRow<platform::PopUpButton, targetActionA>("PopUpButton"),
    controlRow<platform::SearchField, searchFieldDelegate>("SearchField"),
    controlRow<platform::SecureTextField, secureFieldDelegate>("SecureTextField"),
    controlRow<platform::SegmentedControl, targetActionA>("SegmentedControl"),
    controlRow<platform::Slider, targetActionA>("Slider"),
    viewRow<platform::SplitView, wireSplitView>("SplitView"),
    viewRow<platform::StackView, wireStackView>("StackView"),
    controlRow<platform::Stepper, targetActionA>("Stepper"),
    controlRow<platform::Switch, targetActionA>("Switch"),
    viewRow<platform::TableView, wireTableView>("TableView"),
    viewRow<platform::TabView, wireTabView>("TabView"),
    controlRow<platform::TokenField, tokenFieldDelegate>("TokenField"),
    controlRow<platform::TextField, textFieldDelegate>("TextField"),
    viewRow<platform::TextView, textViewDelegate>("TextView"),
};

const WiringRow* matchingRow(const View& view) {
    for (const WiringRow& row : kWiringRows)
        if (row.matches && row.matches(view))
            return &row;
    return nullptr;
}

// A tag set in the file stays, and names the control's numbered action by its identifier; a
// control with no tag takes the identifier's number.
void wireTag(View& view) {
    const auto control = view.as<Control>();
    if (view.tag() > 0) {
        const std::int64_t number = IntegerValue(view.identifier());
        if (!control || number < kFirstNumberedAction || number > kLastNumberedAction)
            return;
        // The control itself, not its tag, is named: the window being wired need not be the
        // current one, and another control may have the same tag.
        SetControlActionNumber(control, number);
        // The numbered actions are the shared target's; without it they would reach nothing.
        if (!control->target())
            setSharedTarget(*control);
    } else if (view.identifier()) {
        // Controls, tab views and text views keep a tag of their own; without one they take the
        // identifier's number.
        const std::int64_t number = IntegerValue(view.identifier());
        if (control)
            control->setTag(number);
        else if (const auto tabs = view.as<platform::TabView>())
            tabs->setTag(number);
        else if (const auto text = view.as<platform::TextView>())
            text->setTag(number);
        else if (const auto split = view.as<platform::SplitView>())
            split->setTag(number);
        else if (const auto stack = view.as<platform::StackView>())
            stack->setTag(number);
        else if (const auto grid = view.as<platform::GridView>())
            grid->setTag(number);
    }
}

} // namespace

void WireViews(std::int64_t windowTag, const Ref<View>& container) {
    if (!container)
        return;
    for (const Ref<View>& view : container->subviews()) {
        Additions::setWndTag(*view, windowTag);
        wireTag(*view);
        ViewMenuWire(view);
        if (const WiringRow* row = matchingRow(*view))
            row->wire(*view);
        else
            WireViews(windowTag, view);
    }
}
