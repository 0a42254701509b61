// Interface files: what a window drawn in the designer loads as, where its views stand, and that
// a broken file builds nothing and says where it is broken.

#include "platform/app/InterfaceFile.h"
#include "platform/app/Application.h"
#include "platform/app/InterfaceClasses.h"
#include "platform/drawing/Font.h"
#include "platform/foundation/Date.h"
#include "platform/views/TextField.h"
#include "platform/views/controls/Box.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/DatePicker.h"
#include "platform/views/controls/PopUpButton.h"
#include "platform/views/controls/ProgressIndicator.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include "TestText.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace platform {
namespace {

using testsupport::text;
using testsupport::utf8;

InterfaceLoad loadFile(const char* name) {
    return InterfaceFile::load(*text((std::string(PONDARO_INTERFACE_DIR "/") + name).c_str()));
}

// One line per object: its class and what the file set on it.
std::string describe(const Ref<Object>& object) {
    std::ostringstream out;
    out << object->className();
    const auto quoted = [&](const Ref<String>& s) { out << " '" << (s ? utf8(s) : "") << "'"; };
    if (const auto window = object->as<Window>())
        quoted(window->title());
    if (const auto menu = object->as<Menu>())
        quoted(menu->title());
    if (const auto item = object->as<MenuItem>()) {
        quoted(item->title());
        out << " key '" << utf8(item->keyEquivalent()) << "' " << item->keyEquivalentModifierMask();
    }
    if (const auto box = object->as<Box>())
        out << " type " << static_cast<int>(box->boxType()) << " '" << utf8(box->title()) << "'";
    if (const auto button = object->as<Button>())
        out << " '" << utf8(button->title()) << "' type " << static_cast<int>(button->buttonType())
            << " font " << button->font()->pointSize();
    if (const auto field = object->as<TextField>())
        out << " '" << utf8(field->stringValue()) << "'" << (field->isEditable() ? "" : " label");
    if (const auto popUp = object->as<PopUpButton>())
        out << " items " << popUp->numberOfItems();
    if (const auto picker = object->as<DatePicker>())
        out << " "
            << QDateTime::fromSecsSinceEpoch(
                   static_cast<qint64>(picker->dateValue()->timeIntervalSince1970()))
                   .toString(u"yyyy-MM-dd hh:mm")
                   .toStdString();
    else if (const auto control = object->as<Control>())
        out << " value " << control->doubleValue();
    if (const auto control = object->as<Control>()) {
        if (control->tag() != 0)
            out << " tag " << control->tag();
        if (!control->isEnabled())
            out << " disabled";
    }
    if (const auto bar = object->as<ProgressIndicator>())
        out << " value " << bar->doubleValue() << " of " << bar->maxValue();
    if (const auto view = object->as<View>()) {
        if (view->identifier())
            quoted(view->identifier());
        if (view->toolTip())
            quoted(view->toolTip());
    }
    return out.str();
}

TEST(InterfaceFile, EveryKindOfWidgetLoadsAsItsViewWithItsProperties) {
    const auto load = loadFile("preferences.ui");
    ASSERT_EQ(load.error, nullptr) << utf8(load.error);
    std::vector<std::string> described;
    for (const auto& object : load.objects)
        described.push_back(describe(object));
    const std::vector<std::string> expected = {
        "Window 'Preferences'",
        "View",
        "TextField 'Name:' label value 0",
        "TextField '' value 0 tag 2 'Shown to the other players'",
        "SecureTextField '' value 0",
        "PopUpButton items 2 value 1",
        "Slider value 4",
        "Stepper value 3",
        "DatePicker 2024-05-01 12:00",
        "DatePicker 1990-02-03 00:00",
        "Box type 0 'Sounds'",
        "Button 'Music' type 3 font 13 value 1",
        "Button 'Quiet' type 4 font 13 value 0 disabled",
        "LevelIndicator value 2",
        "ProgressIndicator value 24 of 100",
        "Box type 2 'Title'",
        "ScrollView",
        "View",
        "TabView",
        "ImageView value 0",
        "Button 'OK' type 7 font 15 value 0 '1'",
        "Menu ''",
        "Menu 'Game'",
        "MenuItem 'New Game' key 'N' 1048576",
        "MenuItem '' key '' 1048576",
        "MenuItem 'Quit' key 'q' 1048576",
        "MenuItem 'Game' key '' 1048576",
    };
    EXPECT_EQ(described, expected);
    EXPECT_EQ(load.view, load.window->contentView());
}

TEST(InterfaceFile, LayoutsGiveFramesThatFollowTheWindow) {
    const auto load = loadFile("preferences.ui");
    ASSERT_EQ(load.error, nullptr) << utf8(load.error);
    const auto label = load.objects[2]->as<View>();
    const auto field = load.objects[3]->as<View>();
    const auto ok = load.objects[20]->as<View>();
    // The form puts the field to the right of its label, on the same line, and the button at the
    // bottom, no wider than the file lets it grow, stands in the middle.
    EXPECT_GT(field->frame().minX(), label->frame().maxX());
    EXPECT_GT(label->frame().midY(), field->frame().minY());
    EXPECT_LT(label->frame().midY(), field->frame().maxY());
    EXPECT_EQ(ok->frame().width(), 120);
    EXPECT_EQ(ok->frame().midX(), 480 / 2);
    EXPECT_EQ(ok->frame().minY(), 9);
    const Rect labelBefore = label->frame();
    const double fieldWidth = field->frame().width();
    load.window->setContentSize({580, 498});
    EXPECT_EQ(field->frame().width(), fieldWidth + 100);
    EXPECT_EQ(label->frame().size, labelBefore.size);
    EXPECT_EQ(load.view->frame().maxY() - label->frame().maxY(), 398 - labelBefore.maxY());
    EXPECT_EQ(ok->frame().midX(), 580 / 2);
}

// Registered under a name a file can promote a widget to; notes the order in which objects
// wake, and whether the whole tree was there when they did.
std::vector<std::string> woken;
class RecordingButton : public Button {
public:
    using Button::Button;
    void awakeFromNib() override {
        woken.push_back(utf8(title()) + (window() ? " in a window" : " alone"));
    }
};

TEST(InterfaceFile, PromotedClassesComeFromTheRegistryAndWakeInDocumentOrder) {
    InterfaceClasses::registerView("RecordingButton", [](const ViewSeed& seed) {
        return std::make_shared<RecordingButton>(seed.frame);
    });
    woken.clear();
    const auto load = loadFile("dialog.ui");
    ASSERT_EQ(load.error, nullptr) << utf8(load.error);
    EXPECT_EQ(woken, (std::vector<std::string>{"OK in a window", "Button in a window"}));
    EXPECT_EQ(utf8(load.window->identifier()), "settings");
    const auto ok = load.objects[2]->as<RecordingButton>();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->tag(), 5000000000);
    // Geometry counts from the top left corner, frames from the bottom left: of the window, or
    // of the box's content view for what the box holds.
    EXPECT_EQ(ok->frame(), (Rect{10, 200 - 20 - 30, 80, 30}));
    EXPECT_EQ(load.objects[5]->as<View>()->frame(), (Rect{10, 200 - 170 - 20, 80, 20}));
    const auto box = load.objects[3]->as<Box>();
    const auto inner = load.objects[4]->as<View>();
    EXPECT_EQ(inner->superview(), box->contentView());
    const Point innerTopLeft = inner->convertPointToView({0, inner->frame().height()}, nullptr);
    EXPECT_EQ(innerTopLeft, (Point{100 + 10, 200 - 50 - 40}));
    // Placed by hand, a view keeps its distance from the top as the window grows.
    load.window->setContentSize({300, 250});
    EXPECT_EQ(ok->frame(), (Rect{10, 250 - 20 - 30, 80, 30}));
}

struct Malformed {
    const char* name;
    std::string xml;
    const char* message;
};
void PrintTo(const Malformed& m, std::ostream* out) {
    *out << m.name;
}

std::string ui(const std::string& widgets) {
    return "<ui version=\"4.0\">\n<widget class=\"QWidget\" name=\"top\">\n" + widgets +
           "</widget>\n</ui>\n";
}
std::string deeply(int depth) {
    std::string xml = "<ui>";
    for (int i = 0; i < depth; ++i)
        xml += "<widget class=\"QWidget\">";
    return xml;
}

std::vector<Malformed> malformed() {
    const std::string button = "<widget class=\"QPushButton\" name=\"ok\">\n";
    return {
        {"Truncated", ui(button).substr(0, 70), "test.ui:3:"},
        {"NotXml", "just words", "test.ui:1:1: "},
        {"DeepNesting", deeply(10000), "test.ui:1:6148: elements are nested more than 256 deep"},
        {"TooLarge", std::string(50 << 20, ' '), "test.ui: the file is larger than"},
        {"NotAnInterfaceFile", "<html/>", "test.ui:1: the top element is <html>, not <ui>"},
        {"NoWidget", "<ui/>", "test.ui:1: the file has no widget"},
        {"BoolAsString",
         ui(button + "<property name=\"enabled\"><string>yes</string></property></widget>"),
         "test.ui:4: property \"enabled\" of \"ok\" should hold <bool>, not <string>"},
        {"BoolSpelledWrong",
         ui(button + "<property name=\"checked\"><bool>yes</bool></property></widget>"),
         "test.ui:4: property \"checked\" of \"ok\" is neither true nor false"},
        {"TagNotANumber",
         ui(button + "<property name=\"tag\"><number>seven</number></property></widget>"),
         "test.ui:4: property \"tag\" of \"ok\" is not a whole number: \"seven\""},
        {"EmptyProperty", ui(button + "<property name=\"text\"/></widget>"),
         "should hold <string>, not nothing"},
        {"GeometryOfText",
         ui(button + "<property name=\"geometry\"><string>1,2</string></property></widget>"),
         "property \"geometry\" of \"ok\" should hold <rect>, not <string>"},
        {"UnknownSizePolicy",
         ui(button + "<property name=\"sizePolicy\"><sizepolicy hsizetype=\"Fixed\" "
                     "vsizetype=\"Roomy\"/></property></widget>"),
         "test.ui:4: unknown size policy of \"ok\""},
        {"UnknownLayout", ui("<layout class=\"QFlowLayout\"/>"),
         "test.ui:3: unknown layout class \"QFlowLayout\""},
        {"UnknownAction", ui("<widget class=\"QMenuBar\"><addaction name=\"nothing\"/></widget>"),
         "test.ui:3: no action or menu named \"nothing\""},
        {"TooManyObjects",
         [] {
             std::string many;
             for (int i = 0; i < 10001; ++i)
                 many += "<widget class=\"QWidget\"/>";
             return ui(many);
         }(),
         "the file builds more than 10000 objects"},
    };
}

class InterfaceFileMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(InterfaceFileMalformed, SaysWhereAndBuildsNothing) {
    const auto windowsBefore = Application::shared()->windows().size();
    const auto load = InterfaceFile::loadBytes(GetParam().xml, *text("test.ui"));
    ASSERT_NE(load.error, nullptr);
    EXPECT_NE(utf8(load.error).find(GetParam().message), std::string::npos) << utf8(load.error);
    EXPECT_EQ(load.window, nullptr);
    EXPECT_EQ(load.view, nullptr);
    EXPECT_TRUE(load.objects.empty());
    EXPECT_EQ(Application::shared()->windows().size(), windowsBefore);
}

INSTANTIATE_TEST_SUITE_P(Inputs, InterfaceFileMalformed, ::testing::ValuesIn(malformed()),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(InterfaceFile, LargeFileOnDiskIsRefusedWithoutReadingIt) {
    QTemporaryDir folder;
    QFile file(folder.filePath("large.ui"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(50 << 20));
    file.close();
    const auto load = InterfaceFile::load(*text(file.fileName().toStdString().c_str()));
    EXPECT_NE(utf8(load.error).find("large.ui: the file is larger than"), std::string::npos);
    EXPECT_NE(utf8(InterfaceFile::load(*text("/no/such.ui")).error).find("/no/such.ui: "),
              std::string::npos);
}

TEST(InterfaceFile, UnknownClassLoadsAsAPlainViewWithOneWarning) {
    ::testing::internal::CaptureStderr();
    const auto load = InterfaceFile::loadBytes(
        ui("<widget class=\"Gizmo\" name=\"g\"><property name=\"text\"><string>x</string>"
           "</property></widget>\n"),
        *text("test.ui"));
    const std::string warnings = ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(load.error, nullptr) << utf8(load.error);
    ASSERT_EQ(load.objects.size(), 3u);
    EXPECT_EQ(load.objects[2]->className(), "View");
    EXPECT_EQ(warnings, "test.ui:3: unknown class \"Gizmo\", loaded as a plain view\n");
}

} // namespace
} // namespace platform
