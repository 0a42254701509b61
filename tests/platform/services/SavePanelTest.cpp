#include "platform/services/SavePanel.h"

#include "platform/app/Application.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/testing/ModalScript.h"
#include "platform/windows/Window.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;

namespace {

struct SaveCase {
    const char* name;
    // What the user does in the panel's run, begun already, and in the runs that follow.
    void (*user)(ModalScript&);
    std::int64_t response;
    // The name the panel ends with, "" for none.
    const char* savedAs;
};
void PrintTo(const SaveCase& c, std::ostream* out) {
    *out << c.name;
}

// The directory holds "old.txt"; the panel offers "txt" files.
const SaveCase saveCases[] = {
    {"TypedNameGetsTheAllowedExtension", [](ModalScript& s) { s.type("notes").press(Key::Return); },
     ModalResponse::OK, "notes.txt"},
    {"EscapeCancels", [](ModalScript& s) { s.type("notes").press(Key::Escape); },
     ModalResponse::Cancel, ""},
    {"ReplacingIsAskedAndReturnKeepsTheFile",
     [](ModalScript& s) {
         s.type("old").press(Key::Return).press(Key::Escape);
         s.run().press(Key::Return);
     },
     ModalResponse::Cancel, ""},
    {"ReplaceChosenInTheQuestion",
     [](ModalScript& s) {
         s.type("old.txt").press(Key::Return);
         s.run().clickButton(1);
     },
     ModalResponse::OK, "old.txt"},
};

// The panel runs on its own, or as a sheet over a window that the user's keys do not reach.
std::int64_t runPanel(const Ref<SavePanel>& panel, bool asSheet) {
    if (!asSheet)
        return panel->runModal();
    const auto window = std::make_shared<Window>(Rect(100, 100, 400, 300), WindowStyleMask::Titled);
    window->makeKeyAndOrderFront();
    panel->beginSheetModalForWindowCompletionHandler(
        window, [](std::int64_t response) { Application::shared()->stopModalWithCode(response); });
    const std::int64_t response = Application::shared()->runModalForWindow(window);
    window->close();
    return response;
}

class SavePanelRuns : public ::testing::TestWithParam<std::tuple<SaveCase, bool>> {};

TEST_P(SavePanelRuns, EndWithTheUsersChoice) {
    const auto& [row, asSheet] = GetParam();
    QTemporaryDir directory;
    QFile old(directory.filePath(QStringLiteral("old.txt")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    const auto panel = SavePanel::savePanel();
    panel->setDirectoryURL(URL::fileURLWithPath(*String::fromUtf8(directory.path().toStdString())));
    panel->setAllowedFileTypes(Array::arrayWithObjects({String::fromUtf8("txt")}));
    ModalScript script;
    script.run();
    if (asSheet)
        script.toSheet();
    row.user(script);

    EXPECT_EQ(runPanel(panel, asSheet), row.response);

    const std::string savedAs = row.savedAs;
    if (savedAs.empty()) {
        EXPECT_EQ(panel->URL(), nullptr);
    } else {
        ASSERT_NE(panel->URL(), nullptr);
        EXPECT_EQ(panel->URL()->path()->utf8(),
                  directory.filePath(QString::fromStdString(savedAs)).toStdString());
        EXPECT_EQ(panel->nameFieldStringValue()->utf8(), savedAs);
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, SavePanelRuns,
                         ::testing::Combine(::testing::ValuesIn(saveCases), ::testing::Bool()),
                         [](const auto& r) {
                             return std::string(std::get<0>(r.param).name) +
                                    (std::get<1>(r.param) ? "AsSheet" : "");
                         });

} // namespace
