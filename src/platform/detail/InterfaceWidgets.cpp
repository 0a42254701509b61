#include "platform/detail/InterfaceWidgets.h"

#include "platform/app/InterfaceClasses.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/String.h"
#include "platform/views/ScrollView.h"
#include "platform/views/SplitView.h"
#include "platform/views/TabView.h"
#include "platform/views/TextField.h"
#include "platform/views/TextInsertionIndicator.h"
#include "platform/views/TextView.h"
#include "platform/views/VisualEffectView.h"
#include "platform/views/controls/Box.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/ColorWell.h"
#include "platform/views/controls/ComboBox.h"
#include "platform/views/controls/ComboButton.h"
#include "platform/views/controls/DatePicker.h"
#include "platform/views/controls/ImageView.h"
#include "platform/views/controls/LevelIndicator.h"
#include "platform/views/controls/PathControl.h"
#include "platform/views/controls/PopUpButton.h"
#include "platform/views/controls/PredicateEditor.h"
#include "platform/views/controls/ProgressIndicator.h"
#include "platform/views/controls/SearchField.h"
#include "platform/views/controls/SecureTextField.h"
#include "platform/views/controls/SegmentedControl.h"
#include "platform/views/controls/Slider.h"
#include "platform/views/controls/Stepper.h"
#include "platform/views/controls/Switch.h"
#include "platform/views/controls/TokenField.h"
#include "platform/views/outlines/Browser.h"
#include "platform/views/outlines/OutlineView.h"
#include "platform/views/tables/TableView.h"
#include "platform/windows/Window.h"

#include <QDateTime>

#include <memory>

namespace platform::detail {

namespace {

// What a toolkit class adds to the framework class it stands for.
enum class Variant { None, Switch, Radio, Separator, Label, DateOnly, TimeOnly, Calendar };

// The kinds a view takes when it is made, from what the file and the toolkit class say.
ViewSeed seedFor(const InterfaceBlueprint& blueprint, Variant variant) {
    ViewSeed seed{blueprint.frame};
    seed.buttonType = variant == Variant::Switch  ? ButtonType::Switch
                      : variant == Variant::Radio ? ButtonType::Radio
                      : blueprint.checkable       ? ButtonType::PushOnPushOff
                                                  : ButtonType::MomentaryPushIn;
    if (variant == Variant::Calendar)
        seed.datePickerStyle = DatePickerStyle::ClockAndCalendar;
    return seed;
}

template <class T>
Ref<View> plain(const InterfaceBlueprint& blueprint, Variant) {
    return std::make_shared<T>(blueprint.frame);
}

Ref<View> button(const InterfaceBlueprint& blueprint, Variant variant) {
    return std::make_shared<Button>(blueprint.frame, seedFor(blueprint, variant).buttonType);
}

Ref<View> textField(const InterfaceBlueprint& blueprint, Variant variant) {
    if (blueprint.pixmap)
        return std::make_shared<ImageView>(blueprint.frame);
    if (blueprint.password)
        return std::make_shared<SecureTextField>(blueprint.frame);
    if (variant != Variant::Label)
        return std::make_shared<TextField>(blueprint.frame);
    auto label = TextField::labelWithString(String::create());
    label->setFrame(blueprint.frame);
    return label;
}

Ref<View> datePicker(const InterfaceBlueprint& blueprint, Variant variant) {
    return std::make_shared<DatePicker>(blueprint.frame,
                                        seedFor(blueprint, variant).datePickerStyle);
}

// What the toolkit class sets up in a view after it is made, whichever class made it.
void settle(View& view, Variant variant) {
    if (auto* box = dynamic_cast<Box*>(&view); box && variant == Variant::Separator)
        box->setBoxType(BoxType::Separator);
    // The toolkit's bar shows its value unless its range is empty.
    if (auto* progress = dynamic_cast<ProgressIndicator*>(&view))
        progress->setIndeterminate(false);
    if (auto* picker = dynamic_cast<DatePicker*>(&view)) {
        // The toolkit's editors start at the first moment of 2000 unless the file says otherwise.
        picker->setDateValue(Date::dateWithTimeIntervalSince1970(
            static_cast<double>(QDateTime(QDate(2000, 1, 1), QTime(0, 0)).toSecsSinceEpoch())));
        if (variant == Variant::DateOnly || variant == Variant::Calendar)
            picker->setDatePickerElements(DatePickerElement::YearMonthDay);
        else if (variant == Variant::TimeOnly)
            picker->setDatePickerElements(DatePickerElement::HourMinuteSecond);
    }
}

struct FrameworkClass {
    std::string_view name;
    Ref<View> (*make)(const InterfaceBlueprint&, Variant);
};

constexpr FrameworkClass kFrameworkClasses[] = {
    {"View", plain<View>},
    {"Box", plain<Box>},
    {"Browser", plain<Browser>},
    {"Button", button},
    {"ColorWell", plain<ColorWell>},
    {"ComboBox", plain<ComboBox>},
    {"ComboButton", plain<ComboButton>},
    {"DatePicker", datePicker},
    {"ImageView", plain<ImageView>},
    {"LevelIndicator", plain<LevelIndicator>},
    {"OutlineView", plain<OutlineView>},
    {"PathControl", plain<PathControl>},
    {"PopUpButton", plain<PopUpButton>},
    {"PredicateEditor", plain<PredicateEditor>},
    {"ProgressIndicator", plain<ProgressIndicator>},
    {"ScrollView", plain<ScrollView>},
    {"SearchField", plain<SearchField>},
    {"SecureTextField", plain<SecureTextField>},
    {"SegmentedControl", plain<SegmentedControl>},
    {"Slider", plain<Slider>},
    {"SplitView", plain<SplitView>},
    {"Stepper", plain<Stepper>},
    {"Switch", plain<Switch>},
    {"TabView", plain<TabView>},
    {"TableView", plain<TableView>},
    {"TextField", textField},
    {"TextInsertionIndicator", plain<TextInsertionIndicator>},
    {"TokenField", plain<TokenField>},
    {"TextView", plain<TextView>},
    {"VisualEffectView", plain<VisualEffectView>},
};

struct ToolkitClass {
    std::string_view name;
    std::string_view framework;
    Variant variant = Variant::None;
    // The framework class for an editable widget, when it exists.
    std::string_view whenEditable = {};
};

constexpr ToolkitClass kToolkitClasses[] = {
    {"QWidget", "View"},
    {"QFrame", "View"},
    {"QStackedWidget", "View"},
    {"QToolBox", "View"},
    {"QMdiArea", "View"},
    {"QDockWidget", "View"},
    {"QGraphicsView", "View"},
    {"QOpenGLWidget", "View"},
    {"Line", "Box", Variant::Separator},
    {"QGroupBox", "Box"},
    {"QPushButton", "Button"},
    {"QToolButton", "Button"},
    {"QCommandLinkButton", "Button"},
    {"QCheckBox", "Button", Variant::Switch},
    {"QRadioButton", "Button", Variant::Radio},
    {"QLineEdit", "TextField"},
    {"QKeySequenceEdit", "TextField"},
    {"QLabel", "TextField", Variant::Label},
    {"QLCDNumber", "TextField", Variant::Label},
    {"QSlider", "Slider"},
    {"QDial", "Slider"},
    {"QScrollBar", "Scroller"},
    {"QComboBox", "PopUpButton", Variant::None, "ComboBox"},
    {"QFontComboBox", "PopUpButton", Variant::None, "ComboBox"},
    {"QProgressBar", "ProgressIndicator"},
    {"QDateTimeEdit", "DatePicker"},
    {"QDateEdit", "DatePicker", Variant::DateOnly},
    {"QTimeEdit", "DatePicker", Variant::TimeOnly},
    {"QCalendarWidget", "DatePicker", Variant::Calendar},
    {"QSpinBox", "Stepper"},
    {"QDoubleSpinBox", "Stepper"},
    {"QScrollArea", "ScrollView"},
    {"QTabWidget", "TabView"},
    {"QSplitter", "SplitView"},
    {"QTableView", "TableView"},
    {"QTableWidget", "TableView"},
    {"QListView", "TableView"},
    {"QListWidget", "TableView"},
    {"QTreeView", "OutlineView"},
    {"QTreeWidget", "OutlineView"},
    {"QColumnView", "Browser"},
    {"QTextEdit", "TextView"},
    {"QPlainTextEdit", "TextView"},
    {"QTextBrowser", "TextView"},
};

template <class Row, std::size_t N>
const Row* rowNamed(const Row (&rows)[N], std::string_view name) {
    for (const Row& row : rows)
        if (row.name == name)
            return &row;
    return nullptr;
}

// A framework class by its name, registered or built in; none when there is no such class.
Ref<View> makeFramework(std::string_view name, const InterfaceBlueprint& blueprint,
                        Variant variant) {
    if (const auto* factory = InterfaceClasses::viewFactory(name))
        return (*factory)(seedFor(blueprint, variant));
    if (const auto* row = rowNamed(kFrameworkClasses, name))
        return row->make(blueprint, variant);
    return nullptr;
}

struct WindowClass {
    std::string_view name;
    std::uint64_t styleMask;
    bool panel = false;
    bool mainWindow = false;
};

constexpr std::uint64_t kDocumentStyle = WindowStyleMask::Titled | WindowStyleMask::Closable |
                                         WindowStyleMask::Miniaturizable |
                                         WindowStyleMask::Resizable;

constexpr WindowClass kWindowClasses[] = {
    {"QMainWindow", kDocumentStyle, false, true},
    {"QWidget", kDocumentStyle},
    {"QDialog", WindowStyleMask::Titled | WindowStyleMask::Closable | WindowStyleMask::Resizable},
    {"Window", kDocumentStyle},
    {"Panel", kDocumentStyle, true},
};

} // namespace

bool isViewClass(std::string_view className) {
    return InterfaceClasses::viewFactory(className) || rowNamed(kFrameworkClasses, className) ||
           rowNamed(kToolkitClasses, className);
}

InterfaceView makeInterfaceView(std::string_view className, const InterfaceBlueprint& blueprint) {
    const auto* toolkit = rowNamed(kToolkitClasses, blueprint.baseClass);
    const Variant variant = toolkit ? toolkit->variant : Variant::None;
    Ref<View> view = makeFramework(className, blueprint, variant);
    if (!view && toolkit && className == blueprint.baseClass) {
        if (blueprint.editable && !toolkit->whenEditable.empty())
            view = makeFramework(toolkit->whenEditable, blueprint, variant);
        if (!view)
            view = makeFramework(toolkit->framework, blueprint, variant);
        if (!view)
            return {std::make_shared<View>(blueprint.frame), true};
    }
    if (!view)
        return {std::make_shared<View>(blueprint.frame), false};
    settle(*view, variant);
    return {std::move(view), true};
}

Ref<Window> makeInterfaceWindow(std::string_view className, std::string_view baseClass,
                                Rect contentRect) {
    const auto* row = rowNamed(kWindowClasses, className);
    if (!row)
        row = rowNamed(kWindowClasses, baseClass);
    const std::uint64_t style = row ? row->styleMask : kDocumentStyle;
    if (const auto* factory = InterfaceClasses::windowFactory(className))
        return (*factory)(contentRect, style);
    if (!row)
        return nullptr;
    if (row->panel && row->name == className)
        return std::make_shared<Panel>(contentRect, style);
    return std::make_shared<Window>(contentRect, style);
}

bool isWindowClass(std::string_view className) {
    return InterfaceClasses::windowFactory(className) || rowNamed(kWindowClasses, className);
}

bool isMainWindowClass(std::string_view className) {
    const auto* row = rowNamed(kWindowClasses, className);
    return row && row->mainWindow;
}

} // namespace platform::detail
