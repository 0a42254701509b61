#include "platform/app/InterfaceFile.h"

#include "platform/app/Event.h"
#include "platform/detail/InterfaceDocument.h"
#include "platform/detail/InterfaceLayout.h"
#include "platform/detail/InterfaceWidgets.h"
#include "platform/detail/QtStrings.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/Image.h"
#include "platform/drawing/ParagraphStyle.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/String.h"
#include "platform/views/ScrollView.h"
#include "platform/views/SplitView.h"
#include "platform/views/TabView.h"
#include "platform/views/TabViewItem.h"
#include "platform/views/TextField.h"
#include "platform/views/TextView.h"
#include "platform/views/controls/Box.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/ComboBox.h"
#include "platform/views/controls/DatePicker.h"
#include "platform/views/controls/ImageView.h"
#include "platform/views/controls/LevelIndicator.h"
#include "platform/views/controls/PopUpButton.h"
#include "platform/views/controls/ProgressIndicator.h"
#include "platform/views/controls/Slider.h"
#include "platform/views/controls/Stepper.h"
#include "platform/views/controls/Switch.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/views/tables/TableView.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

namespace platform {

namespace {

using detail::InterfaceElement;
using detail::InterfaceLayoutEntry;
using detail::InterfaceLayoutPlan;

// The most objects one file may build: far more than any window shows, few enough that a file
// made to exhaust the toolkit is refused before it builds anything.
constexpr std::size_t kMaxObjects = 10000;
// How far a chain of promoted classes is followed to the toolkit class it is based on.
constexpr int kMaxPromotion = 16;

// The typed values of properties, each as the file writes it.
enum class Kind { Bool, Integer, Number, String, Rect, Size, Font, Date, Pixmap, Flags };

struct Value {
    bool boolean = false;
    std::int64_t whole = 0;
    double number = 0;
    QString text;
    QRect rect;
    QSize size;
    Ref<Font> font;
    Ref<Date> date;
};

// The elements that hold each kind, the first being the one named in messages.
struct KindElements {
    Kind kind;
    std::initializer_list<const char*> tags;
};
const KindElements kKindElements[] = {
    {Kind::Bool, {"bool"}},
    {Kind::Integer, {"number"}},
    {Kind::Number, {"number", "double"}},
    {Kind::String, {"string"}},
    {Kind::Rect, {"rect"}},
    {Kind::Size, {"size"}},
    {Kind::Font, {"font"}},
    {Kind::Date, {"datetime", "date"}},
    {Kind::Pixmap, {"pixmap"}},
    {Kind::Flags, {"enum", "set"}},
};

Ref<String> string(const QString& text) {
    return detail::fromQString(text);
}

template <class T>
T* as(Object& object) {
    return dynamic_cast<T*>(&object);
}

void setIdentifier(Object& object, const Value& value) {
    if (auto* view = as<View>(object))
        view->setIdentifier(string(value.text));
    else if (auto* window = as<Window>(object))
        window->setIdentifier(string(value.text));
    else if (auto* menu = as<Menu>(object))
        menu->setIdentifier(string(value.text));
    else if (auto* item = as<MenuItem>(object))
        item->setIdentifier(string(value.text));
}

void setTag(Object& object, const Value& value) {
    const std::int64_t tag = value.whole;
    if (auto* control = as<Control>(object))
        control->setTag(tag);
    else if (auto* tabs = as<TabView>(object))
        tabs->setTag(tag);
    else if (auto* split = as<SplitView>(object))
        split->setTag(tag);
    else if (auto* item = as<MenuItem>(object))
        item->setTag(tag);
    else if (auto* textView = as<TextView>(object))
        textView->setTag(tag);
}

// The range and value of the numeric views, which share no base that has them.
template <class... Views>
struct Numeric {
    static void minimum(Object& object, const Value& value) {
        (apply<Views>(object, &Views::setMinValue, value.number) || ...);
    }
    static void maximum(Object& object, const Value& value) {
        (apply<Views>(object, &Views::setMaxValue, value.number) || ...);
        // The toolkit's bar with an empty range shows that it is busy.
        if (auto* bar = as<ProgressIndicator>(object))
            bar->setIndeterminate(bar->minValue() == 0 && value.number == 0);
    }
    static void value(Object& object, const Value& value) {
        (apply<Views>(object, &Views::setDoubleValue, value.number) || ...);
    }
    template <class V>
    static bool apply(Object& object, void (V::*setter)(double), double number) {
        auto* view = as<V>(object);
        if (view)
            (view->*setter)(number);
        return view != nullptr;
    }
};
using NumericViews = Numeric<Slider, Stepper, ProgressIndicator, LevelIndicator>;

void setText(Object& object, const Value& value) {
    if (auto* button = as<Button>(object))
        button->setTitle(string(value.text));
    else if (auto* field = as<TextField>(object))
        field->setStringValue(string(value.text));
    else if (auto* item = as<MenuItem>(object))
        item->setTitle(string(value.text));
}

void setTitle(Object& object, const Value& value) {
    if (auto* box = as<Box>(object))
        box->setTitle(string(value.text));
    else if (auto* menu = as<Menu>(object))
        menu->setTitle(string(value.text));
}

void setChecked(Object& object, const Value& value) {
    const std::int64_t state = value.boolean ? ControlStateValue::On : ControlStateValue::Off;
    if (auto* button = as<Button>(object))
        button->setState(state);
    else if (auto* toggle = as<Switch>(object))
        toggle->setState(state);
}

void setEnabled(Object& object, const Value& value) {
    if (auto* control = as<Control>(object))
        control->setEnabled(value.boolean);
    else if (auto* item = as<MenuItem>(object))
        item->setEnabled(value.boolean);
}

void setAlignment(Object& object, const Value& value) {
    if (auto* control = as<Control>(object))
        control->setAlignment(value.text.contains(u"AlignRight") ? TextAlignment::Right
                              : value.text.contains(u"AlignHCenter") ||
                                      value.text.contains(u"AlignCenter")
                                  ? TextAlignment::Center
                                  : TextAlignment::Left);
}

// A shortcut such as "Ctrl+Shift+S" as a key equivalent: the control key of this desktop plays
// the framework's command key. Shortcuts of keys other than characters give none.
void setShortcut(Object& object, const Value& value) {
    auto* item = as<MenuItem>(object);
    if (!item)
        return;
    const QStringList parts = value.text.split(u'+');
    QString key = parts.last();
    if (key.size() != 1)
        return;
    std::uint64_t mask = 0;
    for (const QString& modifier : parts.mid(0, parts.size() - 1))
        mask |= modifier == u"Ctrl"    ? EventModifierFlag::Command
                : modifier == u"Shift" ? EventModifierFlag::Shift
                : modifier == u"Alt"   ? EventModifierFlag::Option
                : modifier == u"Meta"  ? EventModifierFlag::Control
                                       : 0;
    key = key.toLower();
    if ((mask & EventModifierFlag::Shift) && key.toUpper() != key) {
        key = key.toUpper();
        mask &= ~EventModifierFlag::Shift;
    }
    item->setKeyEquivalent(string(key));
    item->setKeyEquivalentModifierMask(mask);
}

// The properties read from a widget, menu or action, in the order they are applied: a range
// before the value in it, a pop-up button's items (added before these) before the choice.
struct PropertyRow {
    const char* name;
    Kind kind;
    void (*apply)(Object&, const Value&);
};
const PropertyRow kProperties[] = {
    {"windowTitle", Kind::String,
     [](Object& o, const Value& v) {
         if (auto* window = as<Window>(o))
             window->setTitle(string(v.text));
     }},
    {"identifier", Kind::String, setIdentifier},
    {"tag", Kind::Integer, setTag},
    {"minimum", Kind::Number, NumericViews::minimum},
    {"maximum", Kind::Number, NumericViews::maximum},
    {"value", Kind::Number, NumericViews::value},
    {"singleStep", Kind::Number,
     [](Object& o, const Value& v) {
         if (auto* stepper = as<Stepper>(o))
             stepper->setIncrement(v.number);
     }},
    {"text", Kind::String, setText},
    {"title", Kind::String, setTitle},
    {"placeholderText", Kind::String,
     [](Object& o, const Value& v) {
         if (auto* field = as<TextField>(o))
             field->setPlaceholderString(string(v.text));
     }},
    {"readOnly", Kind::Bool,
     [](Object& o, const Value& v) {
         if (auto* field = as<TextField>(o))
             field->setEditable(!v.boolean);
         else if (auto* textView = as<TextView>(o))
             textView->setEditable(!v.boolean);
     }},
    {"plainText", Kind::String,
     [](Object& o, const Value& v) {
         if (auto* textView = as<TextView>(o))
             textView->setString(string(v.text));
     }},
    {"checked", Kind::Bool, setChecked},
    {"currentIndex", Kind::Integer,
     [](Object& o, const Value& v) {
         if (auto* popUp = as<PopUpButton>(o))
             popUp->selectItemAtIndex(v.whole);
         else if (auto* box = as<ComboBox>(o))
             box->selectItemAtIndex(v.whole);
     }},
    {"dateTime", Kind::Date,
     [](Object& o, const Value& v) {
         if (auto* picker = as<DatePicker>(o))
             picker->setDateValue(v.date);
     }},
    {"date", Kind::Date,
     [](Object& o, const Value& v) {
         if (auto* picker = as<DatePicker>(o))
             picker->setDateValue(v.date);
     }},
    {"pixmap", Kind::Pixmap,
     [](Object& o, const Value& v) {
         if (auto* imageView = as<ImageView>(o))
             imageView->setImage(Image::imageWithContentsOfFile(string(v.text)));
     }},
    {"alignment", Kind::Flags, setAlignment},
    {"font", Kind::Font,
     [](Object& o, const Value& v) {
         if (auto* control = as<Control>(o))
             control->setFont(v.font);
     }},
    {"toolTip", Kind::String,
     [](Object& o, const Value& v) {
         if (auto* view = as<View>(o))
             view->setToolTip(string(v.text));
     }},
    {"enabled", Kind::Bool, setEnabled},
    {"visible", Kind::Bool,
     [](Object& o, const Value& v) {
         if (auto* view = as<View>(o))
             view->setHidden(!v.boolean);
     }},
    {"shortcut", Kind::String, setShortcut},
};

const QSizePolicy::Policy* policyNamed(const QString& name) {
    static const std::pair<const char*, QSizePolicy::Policy> policies[] = {
        {"Fixed", QSizePolicy::Fixed},
        {"Minimum", QSizePolicy::Minimum},
        {"Maximum", QSizePolicy::Maximum},
        {"Preferred", QSizePolicy::Preferred},
        {"MinimumExpanding", QSizePolicy::MinimumExpanding},
        {"Expanding", QSizePolicy::Expanding},
        {"Ignored", QSizePolicy::Ignored},
    };
    const QString bare = name.section(QStringLiteral("::"), -1);
    for (const auto& [policyName, policy] : policies)
        if (bare == QLatin1StringView(policyName))
            return &policy;
    return nullptr;
}

// Ends a load: thrown inside the builder only, and caught where the load began, so that no
// half-built tree ever leaves it.
struct LoadFailure {
    QString message;
};

class Builder {
public:
    Builder(QString name, QString folder) : name_(std::move(name)), folder_(std::move(folder)) {}

    InterfaceLoad build(const InterfaceElement& root) {
        if (root.tag != u"ui")
            fail(root, QStringLiteral("the top element is <%1>, not <ui>").arg(root.tag));
        if (const auto* custom = root.child(u"customwidgets"))
            for (const auto& widget : custom->children)
                extends_[widget.childText(u"class")] = widget.childText(u"extends");
        if (const auto* defaults = root.child(u"layoutdefault")) {
            if (defaults->hasAttribute(u"spacing"))
                spacing_ = integer(*defaults, defaults->attribute(u"spacing"),
                                   QStringLiteral("the default spacing"));
            if (defaults->hasAttribute(u"margin"))
                margin_ = integer(*defaults, defaults->attribute(u"margin"),
                                  QStringLiteral("the default margin"));
        }
        const auto* top = root.child(u"widget");
        if (!top)
            fail(root, QStringLiteral("the file has no widget"));
        if (objectsIn(*top) + 1 > kMaxObjects)
            fail(*top, QStringLiteral("the file builds more than %1 objects").arg(kMaxObjects));
        collectActions(*top);
        topLevel(*top);
        layouter_.layOut();
        for (const auto& object : load_.objects)
            object->awakeFromNib();
        return std::move(load_);
    }

private:
    [[noreturn]] void fail(const InterfaceElement& at, const QString& what) const {
        throw LoadFailure{QStringLiteral("%1:%2: %3").arg(name_).arg(at.line).arg(what)};
    }

    void keep(Ref<Object> object) { load_.objects.push_back(std::move(object)); }

    // How many objects the element's widgets and menu items come to, the content view of a
    // window aside.
    static std::size_t objectsIn(const InterfaceElement& element) {
        std::size_t count = element.tag == u"widget" || element.tag == u"addaction" ? 1 : 0;
        for (const auto& child : element.children)
            count += objectsIn(child);
        return count;
    }

    // The toolkit class a promoted class is based on, or the class itself.
    QString baseClass(QString name) const {
        for (int i = 0; i < kMaxPromotion; ++i) {
            const auto found = extends_.find(name);
            if (found == extends_.end() || found->second.isEmpty())
                break;
            name = found->second;
        }
        return name;
    }

    // The designer keeps every action among the children of the top-level widget.
    void collectActions(const InterfaceElement& top) {
        for (const auto& child : top.children)
            if (child.tag == u"action")
                actions_[child.attribute(u"name")] = &child;
    }

    // The property of the name, a QStringView or QLatin1StringView.
    template <class Name>
    const InterfaceElement* property(const InterfaceElement& element, Name name) const {
        for (const auto& child : element.children)
            if (child.tag == u"property" && child.attribute(u"name") == name)
                return &child;
        return nullptr;
    }

    static QString owner(const InterfaceElement& element) { return element.attribute(u"name"); }

    int integer(const InterfaceElement& at, const QString& text, const QString& what) const {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok)
            fail(at, QStringLiteral("%1 is not a whole number: \"%2\"").arg(what, text));
        return value;
    }

    // The value of a property, which must be of the kind given.
    Value read(const InterfaceElement& property, Kind kind, const QString& of) const {
        const auto& tags = std::find_if(std::begin(kKindElements), std::end(kKindElements),
                                        [kind](const KindElements& k) { return k.kind == kind; })
                               ->tags;
        const QString what =
            QStringLiteral("property \"%1\" of \"%2\"").arg(property.attribute(u"name"), of);
        const InterfaceElement* element =
            property.children.empty() ? nullptr : &property.children.front();
        if (!element || std::none_of(tags.begin(), tags.end(), [&](const char* tag) {
                return element->tag == QLatin1StringView(tag);
            }))
            fail(property, QStringLiteral("%1 should hold <%2>, not %3")
                               .arg(what, QLatin1StringView(*tags.begin()),
                                    element ? QStringLiteral("<%1>").arg(element->tag)
                                            : QStringLiteral("nothing")));
        Value value;
        // A part of a compound value; a date leaves out the time of day.
        const auto number = [&](QStringView tag, bool optional = false) {
            const QString text = element->childText(tag);
            return optional && text.isEmpty() ? 0 : integer(*element, text, what);
        };
        switch (kind) {
        case Kind::Bool:
            if (element->text != u"true" && element->text != u"false")
                fail(*element, QStringLiteral("%1 is neither true nor false").arg(what));
            value.boolean = element->text == u"true";
            break;
        case Kind::Integer: {
            bool ok = false;
            value.whole = element->text.toLongLong(&ok);
            if (!ok)
                fail(*element,
                     QStringLiteral("%1 is not a whole number: \"%2\"").arg(what, element->text));
            break;
        }
        case Kind::Number: {
            bool ok = false;
            value.number = element->text.toDouble(&ok);
            if (!ok || !std::isfinite(value.number))
                fail(*element,
                     QStringLiteral("%1 is not a number: \"%2\"").arg(what, element->text));
            break;
        }
        case Kind::String:
        case Kind::Flags:
            value.text = element->text;
            break;
        case Kind::Rect:
            value.rect = {number(u"x"), number(u"y"), number(u"width"), number(u"height")};
            if (value.rect.width() < 0 || value.rect.height() < 0)
                fail(*element, QStringLiteral("%1 has a negative size").arg(what));
            break;
        case Kind::Size:
            value.size = {number(u"width"), number(u"height")};
            break;
        case Kind::Font: {
            const QString size = element->childText(u"pointsize");
            const double points = size.isEmpty() ? 13 : integer(*element, size, what);
            const QString family = element->childText(u"family");
            if (!family.isEmpty())
                value.font = Font::fontWithNameSize(*string(family), points);
            if (!value.font)
                value.font = Font::systemFontOfSize(points);
            break;
        }
        case Kind::Date: {
            const QDateTime when(
                QDate(number(u"year"), number(u"month"), number(u"day")),
                QTime(number(u"hour", true), number(u"minute", true), number(u"second", true)));
            if (!when.isValid())
                fail(*element, QStringLiteral("%1 is not a valid date").arg(what));
            value.date =
                Date::dateWithTimeIntervalSince1970(static_cast<double>(when.toSecsSinceEpoch()));
            break;
        }
        case Kind::Pixmap:
            value.text = QDir(folder_).absoluteFilePath(element->text);
            break;
        }
        return value;
    }

    void applyProperties(const InterfaceElement& element, Object& object) const {
        for (const PropertyRow& row : kProperties)
            if (const auto* found = property(element, QLatin1StringView(row.name)))
                row.apply(object, read(*found, row.kind, owner(element)));
    }

    bool flag(const InterfaceElement& element, QStringView name) const {
        const auto* found = property(element, name);
        return found && read(*found, Kind::Bool, owner(element)).boolean;
    }

    std::optional<QRect> geometry(const InterfaceElement& element) const {
        const auto* found = property(element, u"geometry");
        if (!found)
            return std::nullopt;
        return read(*found, Kind::Rect, owner(element)).rect;
    }

    // The top-level widget is a window when its class, or the class it was promoted from, is a
    // window class; else it is a view.
    void topLevel(const InterfaceElement& top) {
        const std::string className = top.attribute(u"class").toStdString();
        const QString base = baseClass(top.attribute(u"class"));
        const bool window = detail::isWindowClass(className);
        if (window || detail::isViewClass(className) ||
            !detail::isWindowClass(base.toStdString())) {
            if (window)
                this->window(top, base);
            else
                load_.view = widget(top, nullptr);
            return;
        }
        warnUnknown(top, top.attribute(u"class"), "window");
        this->window(top, base);
    }

    void window(const InterfaceElement& top, const QString& base) {
        const QRect rect = geometry(top).value_or(QRect(0, 0, 400, 300));
        const bool main = detail::isMainWindowClass(base.toStdString());
        double menuHeight = 0;
        for (const auto& child : top.children)
            if (main && child.tag == u"widget" && child.attribute(u"class") == u"QMenuBar")
                menuHeight = geometry(child).value_or(QRect()).height();
        const auto made =
            detail::makeInterfaceWindow(top.attribute(u"class").toStdString(), base.toStdString(),
                                        Rect{0, 0, static_cast<double>(rect.width()),
                                             std::max(0.0, rect.height() - menuHeight)});
        keep(made);
        load_.window = made;
        load_.view = made->contentView();
        keep(load_.view);
        applyProperties(top, *made);
        if (!main) {
            children(top, load_.view);
            return;
        }
        bool central = false;
        for (const auto& child : top.children) {
            if (child.tag != u"widget")
                continue;
            const QString childClass = child.attribute(u"class");
            if (childClass == u"QMenuBar" || childClass == u"QMenu")
                menu(child);
            else if (!central && !skipped(childClass)) {
                central = true;
                applyProperties(child, *load_.view);
                children(child, load_.view);
            }
        }
    }

    // The parts of a main window the framework shows otherwise or not at all.
    static bool skipped(const QString& className) {
        return className == u"QStatusBar" || className == u"QToolBar";
    }

    void warnUnknown(const InterfaceElement& element, const QString& className,
                     const char* loadedAs) const {
        std::fprintf(stderr, "%s:%lld: unknown class \"%s\", loaded as a plain %s\n",
                     qPrintable(name_), static_cast<long long>(element.line), qPrintable(className),
                     loadedAs);
    }

    // What decides the view made for a widget. Its frame is where the file places it in the
    // container; a widget without a place (one in a layout) gets a size at which a box has room
    // for its content, until the layout gives it its own.
    detail::InterfaceBlueprint blueprint(const InterfaceElement& element, const View* container,
                                         QPointF offset) const {
        detail::InterfaceBlueprint made;
        const QRect rect = geometry(element).value_or(QRect(0, 0, 100, 100));
        made.frame = container ? frameIn(*container, rect, offset)
                               : Rect{0, 0, static_cast<double>(rect.width()),
                                      static_cast<double>(rect.height())};
        made.checkable = flag(element, u"checkable");
        made.editable = flag(element, u"editable");
        if (const auto* echo = property(element, u"echoMode"))
            made.password = read(*echo, Kind::Flags, owner(element)).text.contains(u"Password");
        made.pixmap = property(element, u"pixmap") != nullptr;
        made.baseClass = baseClass(element.attribute(u"class")).toStdString();
        return made;
    }

    // What the file says of the widget's size, when it says anything.
    std::optional<detail::InterfaceSizing> sizing(const InterfaceElement& element) const {
        const auto given = [&](QStringView name) { return property(element, name) != nullptr; };
        if (!given(u"minimumSize") && !given(u"maximumSize") && !given(u"sizePolicy"))
            return std::nullopt;
        detail::InterfaceSizing made;
        if (const auto* found = property(element, u"minimumSize"))
            made.minimum = read(*found, Kind::Size, owner(element)).size;
        if (const auto* found = property(element, u"maximumSize"))
            made.maximum = read(*found, Kind::Size, owner(element)).size;
        if (const auto* found = property(element, u"sizePolicy")) {
            const auto* policy = found->child(u"sizepolicy");
            if (!policy)
                fail(*found, QStringLiteral("property \"sizePolicy\" of \"%1\" should hold "
                                            "<sizepolicy>")
                                 .arg(owner(element)));
            const auto* horizontal = policyNamed(policy->attribute(u"hsizetype"));
            const auto* vertical = policyNamed(policy->attribute(u"vsizetype"));
            if (!horizontal || !vertical)
                fail(*policy, QStringLiteral("unknown size policy of \"%1\"").arg(owner(element)));
            made.policy = QSizePolicy(*horizontal, *vertical);
        }
        return made;
    }

    // The view of a widget, placed in the container by its geometry when the container is
    // given; none for the widgets that are not views (menus).
    Ref<View> widget(const InterfaceElement& element, const Ref<View>& container,
                     QPointF offset = {}) {
        const QString className = element.attribute(u"class");
        if (className == u"QMenuBar" || className == u"QMenu") {
            menu(element);
            return nullptr;
        }
        if (skipped(className))
            return nullptr;
        const auto made = detail::makeInterfaceView(className.toStdString(),
                                                    blueprint(element, container.get(), offset));
        if (!made.known)
            warnUnknown(element, className, "view");
        const Ref<View>& view = made.view;
        keep(view);
        // The view is set up before it joins the window, as in code: changes to a widget in a
        // window make the toolkit post work to its parent.
        for (const auto& child : element.children) {
            const auto* text = child.tag == u"item" ? property(child, u"text") : nullptr;
            if (!text)
                continue;
            const auto title = string(read(*text, Kind::String, owner(element)).text);
            if (auto* popUp = as<PopUpButton>(*view))
                popUp->addItemWithTitle(title);
            else if (auto* box = as<ComboBox>(*view))
                box->addItemWithObjectValue(title);
        }
        applyProperties(element, *view);
        const auto table = view->as<TableView>();
        const Ref<View> placed = table ? tableInScrollView(element, table) : view;
        if (container) {
            // Placed by hand, a widget keeps its distance from the top left corner.
            placed->setAutoresizingMask(AutoresizingMask::MaxXMargin |
                                        AutoresizingMask::MinYMargin);
            container->addSubview(placed);
        }
        if (const auto sized = sizing(element))
            layouter_.setSizing(*placed, *sized);
        children(element, view);
        return placed;
    }

    // A table stands where the file places it as the framework has it: the document of a scroll
    // view, with a header and a column for each of the file's columns, titled as there. The
    // columns are named "AutomaticTableColumnIdentifier.0", ".1" and so on, as the framework
    // names columns that were given no identifier; a table with none gets one untitled column.
    Ref<View> tableInScrollView(const InterfaceElement& element, const Ref<TableView>& table) {
        auto scroll = std::make_shared<ScrollView>(table->frame());
        keep(scroll);
        scroll->setHasVerticalScroller(true);
        const auto addColumn = [&](const Ref<String>& title) {
            const auto identifier =
                QStringLiteral("AutomaticTableColumnIdentifier.%1").arg(table->numberOfColumns());
            auto column = std::make_shared<TableColumn>(string(identifier));
            column->setTitle(title);
            table->addTableColumn(column);
        };
        for (const auto& child : element.children)
            if (child.tag == u"column") {
                const auto* text = property(child, u"text");
                addColumn(
                    string(text ? read(*text, Kind::String, owner(element)).text : QString()));
            }
        if (table->numberOfColumns() == 0)
            addColumn(String::create());
        table->setFrame({{0, 0}, table->frame().size});
        scroll->setDocumentView(table);
        return scroll;
    }

    // A rectangle of the toolkit's, from the top left corner of the widget that holds it, as a
    // frame in the container, whose top left corner is at the offset in that widget.
    static Rect frameIn(const View& container, const QRect& rect, QPointF offset) {
        const double height = container.bounds().height();
        const double top = rect.y() - offset.y();
        const double y = container.isFlipped() ? top : height - top - rect.height();
        return {rect.x() - offset.x(), y, static_cast<double>(rect.width()),
                static_cast<double>(rect.height())};
    }

    // Where the container's top left corner is in the view, from the view's top left corner.
    static QPointF offsetOf(const View& view, const View& container) {
        if (&view == &container)
            return {};
        const Rect frame = container.frame();
        return {frame.minX(),
                view.isFlipped() ? frame.minY() : view.bounds().height() - frame.maxY()};
    }

    // The widgets and the layout inside a widget's view. The layout's size is asked of the
    // owner where the view is not placed by a layout itself (a tab view's page).
    void children(const InterfaceElement& element, const Ref<View>& view,
                  const Ref<View>& owner = nullptr) {
        if (const auto tabs = view->as<TabView>()) {
            pages(element, tabs);
            return;
        }
        if (const auto split = view->as<SplitView>()) {
            panes(element, split);
            return;
        }
        Ref<View> container = view;
        if (auto* box = as<Box>(*view))
            container = box->contentView();
        auto* scroll = as<ScrollView>(*view);
        for (const auto& child : element.children) {
            if (child.tag == u"widget" && scroll) {
                if (const auto document = widget(child, nullptr))
                    scroll->setDocumentView(document);
            } else if (child.tag == u"widget") {
                widget(child, container, offsetOf(*view, *container));
            } else if (child.tag == u"layout") {
                auto plan = layout(child, container, false);
                layouter_.addLayout(owner ? owner : view, container, std::move(plan));
            }
        }
    }

    // The pages of a tab widget, each the view of a tab view item labelled with the page's
    // title and named by the page's object name. A page takes the tab view's content rectangle
    // before its own widgets are placed in it, and its layout fills it; the tab view asks for
    // room for the largest of its pages' layouts. The tab the file shows is selected once all
    // pages are there.
    void pages(const InterfaceElement& element, const Ref<TabView>& tabs) {
        for (const auto& child : element.children) {
            if (child.tag != u"widget")
                continue;
            detail::InterfaceBlueprint page = blueprint(child, nullptr, {});
            page.frame = tabs->contentRect();
            const auto made =
                detail::makeInterfaceView(child.attribute(u"class").toStdString(), page);
            if (!made.known)
                warnUnknown(child, child.attribute(u"class"), "view");
            keep(made.view);
            applyProperties(child, *made.view);
            const auto item = std::make_shared<TabViewItem>(string(owner(child)));
            keep(item);
            item->setView(made.view);
            for (const auto& attribute : child.children)
                if (attribute.tag == u"attribute" && attribute.attribute(u"name") == u"title")
                    item->setLabel(string(read(attribute, Kind::String, owner(child)).text));
            tabs->addTabViewItem(item);
            children(child, made.view, tabs);
        }
        if (const auto* current = property(element, u"currentIndex"))
            tabs->selectTabViewItemAtIndex(read(*current, Kind::Integer, owner(element)).whole);
    }

    // The widgets of a splitter, each a pane in the file's order, sharing its length equally.
    // The toolkit's splitters put their widgets side by side unless their orientation is
    // vertical.
    void panes(const InterfaceElement& element, const Ref<SplitView>& split) {
        const auto* orientation = property(element, u"orientation");
        split->setVertical(
            !orientation ||
            !read(*orientation, Kind::Flags, owner(element)).text.contains(u"Vertical"));
        for (const auto& child : element.children)
            if (child.tag == u"widget")
                if (const auto pane = widget(child, split))
                    pane->setFrameSize({});
        split->adjustSubviews();
    }

    std::vector<int> numbers(const InterfaceElement& element, QStringView name) const {
        std::vector<int> made;
        const QString list = element.attribute(name);
        if (!list.isEmpty())
            for (const QString& part : list.split(u','))
                made.push_back(integer(element, part, QStringLiteral("layout stretch")));
        return made;
    }

    InterfaceLayoutPlan layout(const InterfaceElement& element, const Ref<View>& container,
                               bool nested) {
        static const std::pair<const char*, InterfaceLayoutPlan::Kind> kinds[] = {
            {"QVBoxLayout", InterfaceLayoutPlan::Kind::Vertical},
            {"QHBoxLayout", InterfaceLayoutPlan::Kind::Horizontal},
            {"QGridLayout", InterfaceLayoutPlan::Kind::Grid},
            {"QFormLayout", InterfaceLayoutPlan::Kind::Form},
        };
        const QString className = element.attribute(u"class");
        const auto kind = std::find_if(std::begin(kinds), std::end(kinds), [&](const auto& k) {
            return className == QLatin1StringView(k.first);
        });
        if (kind == std::end(kinds))
            fail(element, QStringLiteral("unknown layout class \"%1\"").arg(className));
        InterfaceLayoutPlan plan;
        plan.kind = kind->second;
        // A layout inside another has no margins of its own unless the file gives them.
        const int margin = nested ? 0 : margin_;
        const auto number = [&](QStringView name, int fallback) {
            const auto* found = property(element, name);
            return found ? static_cast<int>(read(*found, Kind::Integer, owner(element)).whole)
                         : fallback;
        };
        const int all = number(u"margin", margin);
        plan.margins = {number(u"leftMargin", all), number(u"topMargin", all),
                        number(u"rightMargin", all), number(u"bottomMargin", all)};
        const int spacing = number(u"spacing", spacing_);
        plan.horizontalSpacing = number(u"horizontalSpacing", spacing);
        plan.verticalSpacing = number(u"verticalSpacing", spacing);
        plan.stretch = numbers(element, u"stretch");
        plan.rowStretch = numbers(element, u"rowstretch");
        plan.columnStretch = numbers(element, u"columnstretch");
        for (const auto& item : element.children) {
            if (item.tag != u"item" || item.children.empty())
                continue;
            InterfaceLayoutEntry entry;
            const auto cell = [&](QStringView name, int fallback) {
                return item.hasAttribute(name)
                           ? integer(item, item.attribute(name), QStringLiteral("layout cell"))
                           : fallback;
            };
            entry.row = cell(u"row", 0);
            entry.column = cell(u"column", 0);
            entry.rowSpan = cell(u"rowspan", 1);
            entry.columnSpan = cell(u"colspan", 1);
            if (entry.row < 0 || entry.column < 0 || entry.rowSpan < 1 || entry.columnSpan < 1)
                fail(item, QStringLiteral("layout cell out of range"));
            entry.alignment = alignment(item.attribute(u"alignment"));
            const InterfaceElement& content = item.children.front();
            if (content.tag == u"widget") {
                entry.view = widget(content, container);
                if (!entry.view)
                    continue;
            } else if (content.tag == u"layout") {
                entry.layout =
                    std::make_unique<InterfaceLayoutPlan>(layout(content, container, true));
            } else if (content.tag == u"spacer") {
                spacer(content, entry);
            } else {
                continue;
            }
            plan.entries.push_back(std::move(entry));
        }
        return plan;
    }

    static Qt::Alignment alignment(const QString& text) {
        Qt::Alignment made;
        if (text.contains(u"AlignLeft"))
            made |= Qt::AlignLeft;
        if (text.contains(u"AlignRight"))
            made |= Qt::AlignRight;
        if (text.contains(u"AlignHCenter") || text.contains(u"AlignCenter"))
            made |= Qt::AlignHCenter;
        if (text.contains(u"AlignTop"))
            made |= Qt::AlignTop;
        if (text.contains(u"AlignBottom"))
            made |= Qt::AlignBottom;
        if (text.contains(u"AlignVCenter") || text.contains(u"AlignCenter"))
            made |= Qt::AlignVCenter;
        return made;
    }

    void spacer(const InterfaceElement& element, InterfaceLayoutEntry& entry) const {
        const auto* orientation = property(element, u"orientation");
        const bool vertical =
            orientation &&
            read(*orientation, Kind::Flags, owner(element)).text.contains(u"Vertical");
        QSizePolicy::Policy policy = QSizePolicy::Expanding;
        if (const auto* type = property(element, u"sizeType"))
            if (const auto* named = policyNamed(read(*type, Kind::Flags, owner(element)).text))
                policy = *named;
        entry.spacerHorizontal = vertical ? QSizePolicy::Minimum : policy;
        entry.spacerVertical = vertical ? policy : QSizePolicy::Minimum;
        const auto* hint = property(element, u"sizeHint");
        entry.spacerHint = hint ? read(*hint, Kind::Size, owner(element)).size : QSize(20, 20);
    }

    // A menu bar or menu: its submenus first, then its items in the order the file adds them.
    Ref<Menu> menu(const InterfaceElement& element) {
        auto made = std::make_shared<Menu>(String::create());
        keep(made);
        applyProperties(element, *made);
        std::map<QString, Ref<Menu>> submenus;
        for (const auto& child : element.children)
            if (child.tag == u"widget" && child.attribute(u"class") == u"QMenu")
                submenus[owner(child)] = menu(child);
        for (const auto& child : element.children) {
            if (child.tag != u"addaction")
                continue;
            const QString name = owner(child);
            Ref<MenuItem> item;
            if (name == u"separator") {
                item = MenuItem::separatorItem();
            } else if (const auto submenu = submenus.find(name); submenu != submenus.end()) {
                item = std::make_shared<MenuItem>(submenu->second->title(), Selector(),
                                                  String::create());
                item->setSubmenu(submenu->second);
            } else if (const auto action = actions_.find(name); action != actions_.end()) {
                item = std::make_shared<MenuItem>(String::create(), Selector(), String::create());
                applyProperties(*action->second, *item);
            } else {
                fail(child, QStringLiteral("no action or menu named \"%1\"").arg(name));
            }
            keep(item);
            made->addItem(item);
        }
        return made;
    }

    QString name_;
    QString folder_;
    int spacing_ = 6;
    int margin_ = 9;
    std::map<QString, QString> extends_;
    std::map<QString, const InterfaceElement*> actions_;
    detail::InterfaceLayouter layouter_;
    InterfaceLoad load_;
};

InterfaceLoad failed(const QString& message) {
    InterfaceLoad load;
    load.error = string(message);
    return load;
}

InterfaceLoad loadText(std::string_view xml, const QString& name, const QString& folder) {
    if (xml.size() > InterfaceFile::MaxBytes)
        return failed(QStringLiteral("%1: the file is larger than the %2 bytes an interface file "
                                     "may have")
                          .arg(name)
                          .arg(InterfaceFile::MaxBytes));
    const auto document = detail::readInterfaceDocument(xml, InterfaceFile::MaxDepth);
    if (!document.error.isEmpty())
        return failed(QStringLiteral("%1:%2").arg(name, document.error));
    try {
        return Builder(name, folder).build(document.root);
    } catch (const LoadFailure& failure) {
        return failed(failure.message);
    }
}

} // namespace

InterfaceLoad InterfaceFile::load(const String& path) {
    const QString name = QString::fromStdU16String(path.utf16());
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("%1: %2").arg(name, file.errorString()));
    // One byte more than a file may have is enough to refuse a larger one.
    const QByteArray bytes = file.read(static_cast<qint64>(MaxBytes) + 1);
    return loadText({bytes.constData(), static_cast<std::size_t>(bytes.size())}, name,
                    QFileInfo(name).absolutePath());
}

InterfaceLoad InterfaceFile::loadBytes(std::string_view xml, const String& name) {
    return loadText(xml, QString::fromStdU16String(name.utf16()), QDir::currentPath());
}

} // namespace platform
