#include "platform/services/SavePanel.h"

#include "platform/app/Application.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/testing/ModalScript.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;

namespace {

struct SaveCase {
    const char* name;
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
    {"TypedNameGetsTheAllowedExtension",
     [](ModalScript& s) { s.run().type("notes").press(Key::Return); }, ModalResponse::OK,
     "notes.txt"},
    {"EscapeCancels", [](ModalScript& s) { s.run().type("notes").press(Key::Escape); },
     ModalResponse::Cancel, ""},
    {"ReplacingIsAskedAndReturnKeepsTheFile",
     [](ModalScript& s) {
         s.run().type("old").press(Key::Return).press(Key::Escape);
         s.run().press(Key::Return);
     },
     ModalResponse::Cancel, ""},
    {"ReplaceChosenInTheQuestion",
     [](ModalScript& s) {
         s.run().type("old.txt").press(Key::Return);
         s.run().clickButton(1);
     },
     ModalResponse::OK, "old.txt"},
};

class SavePanelRuns : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SavePanelRuns, EndWithTheUsersChoice) {
    QTemporaryDir directory;
    QFile old(directory.filePath(QStringLiteral("old.txt")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    const auto panel = SavePanel::savePanel();
    panel->setDirectoryURL(URL::fileURLWithPath(*String::fromUtf8(directory.path().toStdString())));
    panel->setAllowedFileTypes(Array::arrayWithObjects({String::fromUtf8("txt")}));
    ModalScript script;
    GetParam().user(script);

    EXPECT_EQ(panel->runModal(), GetParam().response);

    const std::string savedAs = GetParam().savedAs;
    if (savedAs.empty()) {
        EXPECT_EQ(panel->URL(), nullptr);
    } else {
        ASSERT_NE(panel->URL(), nullptr);
        EXPECT_EQ(panel->URL()->path()->utf8(),
                  directory.filePath(QString::fromStdString(savedAs)).toStdString());
        EXPECT_EQ(panel->nameFieldStringValue()->utf8(), savedAs);
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, SavePanelRuns, ::testing::ValuesIn(saveCases),
                         [](const auto& r) { return std::string(r.param.name); });

} // namespace
