// Files dropped from the desktop on a window and on its content view: accepted or refused by
// type and extension, handed over as file URLs, and gone from the event record afterwards.

#include "ShellTesting.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/ContentViewSC.h"
#include "runtime/shell/EventCodes.h"

#include "platform/app/Pasteboard.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/testing/UserActions.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

using namespace shelltest;
using platform::Ref;
using platform::String;
using platform::testing::UserActions;
using DragEnd = UserActions::DragEnd;

namespace {

Ref<platform::Array> strings(std::initializer_list<const char*> texts) {
    const auto array = platform::Array::array();
    for (const char* text : texts)
        array->addObject(String::fromUtf8(text));
    return array;
}

class FileDrops : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        // Test processes run side by side: each has a directory of its own.
        directory_ =
            std::filesystem::temp_directory_path() / ("pondaro-drops-" + std::to_string(getpid()));
        std::filesystem::create_directories(directory_);
        WindowOpen(60, nullptr, kParamNotGiven, {10, 10, 300, 200});
        window_ = WindowWithTag(60);
        content_ = std::static_pointer_cast<ContentViewSC>(window_->contentView());
        DialogCallbackSet(dialogCallback);
        whileHeard() = [this] {
            urlsDuring_.clear();
            if (const auto urls = DialogEventArrayObj())
                for (const auto& url : *urls)
                    urlsDuring_.push_back(
                        std::static_pointer_cast<platform::URL>(url)->lastPathComponent()->utf8());
            dragDuring_ = DialogEventDragInfo() != nullptr;
        };
        heard().clear();
    }
    void TearDown() override {
        std::filesystem::remove_all(directory_);
        CUI_WindowDelegate::shared()->setDragFileTypes(nullptr);
        CUI_WindowDelegate::shared()->setDragFileExtensions(nullptr);
        ShellTest::TearDown();
    }
    std::string file(const char* name) {
        const auto path = directory_ / name;
        if (std::FILE* out = std::fopen(path.c_str(), "w")) {
            std::fputs("x\n", out);
            std::fclose(out);
        }
        return path.string();
    }
    std::vector<std::int64_t> events() const {
        std::vector<std::int64_t> result;
        for (const auto& call : heard())
            result.push_back(call.event);
        return result;
    }
    void expectRecordCleared() {
        EXPECT_FALSE(DialogEventDragInfo());
        EXPECT_FALSE(DialogEventArrayObj());
        EXPECT_FALSE(DialogEventUrlObj());
    }

    std::filesystem::path directory_;
    Ref<platform::Window> window_;
    Ref<ContentViewSC> content_;
    std::vector<std::string> urlsDuring_;
    bool dragDuring_ = false;
};

// Every file must pass the window's types (a type or one inheriting from it) or its
// extensions; a window with neither refuses every file.
TEST_F(FileDrops, TheWindowTakesFilesOnlyWhenEveryOnePassesItsTypesOrElseItsExtensions) {
    struct Case {
        std::vector<const char*> files;
        Ref<platform::Array> types, extensions;
        bool accepted;
    };
    const Case cases[] = {
        {{"a.txt"}, nullptr, nullptr, false},
        {{"a.txt"}, strings({"text/plain"}), nullptr, true},
        {{"a.csv"}, strings({"text/plain"}), nullptr, true},
        {{"a.png"}, strings({"text/plain"}), nullptr, false},
        {{"a.txt", "b.png"}, strings({"text/plain"}), nullptr, false},
        // A file whose type does not conform still passes by its extension.
        {{"a.png"}, strings({"text/plain"}), strings({"png"}), true},
        {{"a.png"}, strings({"text/plain"}), strings({"txt"}), false},
        {{"a.png", "b.txt"}, nullptr, strings({"png", "txt"}), true},
        {{"a.PNG"}, nullptr, strings({"png"}), false},
        {{"README"}, nullptr, strings({"png"}), false},
    };
    window_->registerForDraggedTypes(strings({platform::FilenamesPboardType}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.files[0]);
        CUI_WindowDelegate::shared()->setDragFileTypes(c.types);
        CUI_WindowDelegate::shared()->setDragFileExtensions(c.extensions);
        std::vector<std::string> paths;
        for (const char* name : c.files)
            paths.push_back(file(name));
        heard().clear();
        EXPECT_EQ(UserActions::dragFiles(content_, paths, DragEnd::Drop), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(events(), (std::vector<std::int64_t>{WindowEvent::DraggingEntered,
                                                           WindowEvent::PerformDragOperation,
                                                           WindowEvent::DraggingExited}));
            EXPECT_EQ(heard()[0].tag, 60);
            EXPECT_EQ(heard()[0].wndTag, 60);
        } else {
            EXPECT_TRUE(heard().empty());
        }
        expectRecordCleared();
    }
}

TEST_F(FileDrops, TheCallbackSeesTheFilesAsURLsInOrderAndTheDragWhileItRuns) {
    CUI_WindowDelegate::shared()->setDragFileExtensions(strings({"txt"}));
    window_->registerForDraggedTypes(strings({platform::FilenamesPboardType}));
    std::vector<std::vector<std::string>> seen;
    whileHeard() = [&] {
        std::vector<std::string> names;
        if (const auto urls = DialogEventArrayObj())
            for (const auto& url : *urls)
                names.push_back(
                    std::static_pointer_cast<platform::URL>(url)->lastPathComponent()->utf8());
        if (const auto first = DialogEventUrlObj())
            names.push_back("first " + first->lastPathComponent()->utf8());
        seen.push_back(names);
        EXPECT_TRUE(DialogEventDragInfo());
    };
    EXPECT_TRUE(UserActions::dragFiles(content_, {file("b.txt"), file("a.txt")}, DragEnd::Drop));
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[0], (std::vector<std::string>{"b.txt", "a.txt", "first b.txt"}));
    EXPECT_EQ(seen[1], (std::vector<std::string>{"b.txt", "a.txt", "first b.txt"}));
    EXPECT_FALSE(CUI_WindowDelegate::shared()->dragInside());
    expectRecordCleared();
}

TEST_F(FileDrops, TheCallbackCanRefuseTheDragAndTheOperationStaysInTheRecord) {
    CUI_WindowDelegate::shared()->setDragFileExtensions(strings({"txt"}));
    window_->registerForDraggedTypes(strings({platform::FilenamesPboardType}));
    whileHeard() = [] { DialogEventSetLongVal(0); };
    EXPECT_FALSE(UserActions::dragFiles(content_, {file("a.txt")}, DragEnd::Drop));
    EXPECT_EQ(events(), std::vector<std::int64_t>{WindowEvent::DraggingEntered});
    EXPECT_EQ(DialogEventLongVal(), 0);
    expectRecordCleared();
}

TEST_F(FileDrops, ADragThatLeavesAgainTellsOfLeavingAndDropsNothing) {
    CUI_WindowDelegate::shared()->setDragFileExtensions(strings({"txt"}));
    window_->registerForDraggedTypes(strings({platform::FilenamesPboardType}));
    EXPECT_TRUE(UserActions::dragFiles(content_, {file("a.txt")}, DragEnd::LeaveAgain));
    EXPECT_EQ(events(), (std::vector<std::int64_t>{WindowEvent::DraggingEntered,
                                                   WindowEvent::DraggingExited}));
    EXPECT_EQ(DialogEventLongVal(), 2);
    expectRecordCleared();
}

TEST_F(FileDrops, TheContentViewTakesEveryFileWhenItHasNoListsAndReportsWithItsTag) {
    content_->registerForDraggedTypes(strings({platform::FilenamesPboardType}));
    EXPECT_TRUE(UserActions::dragFiles(content_, {file("a.png"), file("README")}, DragEnd::Drop));
    EXPECT_EQ(events(), (std::vector<std::int64_t>{ViewEvent::DraggingEntered,
                                                   ViewEvent::PerformDragOperation,
                                                   ViewEvent::DraggingExited}));
    EXPECT_EQ(heard()[0].tag, kContentViewTag);
    EXPECT_EQ(heard()[0].wndTag, 60);
    EXPECT_EQ(urlsDuring_, (std::vector<std::string>{"a.png", "README"}));
    expectRecordCleared();
}

TEST_F(FileDrops, TheContentViewFiltersByItsOwnLists) {
    content_->registerForDraggedTypes(strings({platform::FilenamesPboardType}));
    content_->setDragFileTypes(strings({"image/png"}));
    EXPECT_FALSE(UserActions::dragFiles(content_, {file("a.txt")}, DragEnd::Drop));
    EXPECT_TRUE(UserActions::dragFiles(content_, {file("a.png")}, DragEnd::Drop));
    EXPECT_EQ(events().front(), ViewEvent::DraggingEntered);
}

TEST_F(FileDrops, AViewRegisteredForOtherTypesLeavesFilesToTheWindow) {
    content_->registerForDraggedTypes(strings({platform::StringPboardType}));
    window_->registerForDraggedTypes(strings({platform::FilenamesPboardType}));
    CUI_WindowDelegate::shared()->setDragFileExtensions(strings({"txt"}));
    EXPECT_TRUE(UserActions::dragFiles(content_, {file("a.txt")}, DragEnd::Drop));
    EXPECT_EQ(events().front(), WindowEvent::DraggingEntered);
}

} // namespace
