// Files dropped from the desktop on a window and on its content view: accepted or refused by
// type and extension, handed over as file URLs, and gone from the event record afterwards.

#include "ShellTesting.h"

#include "runtime/shell/ContentViewSC.h"

#include "platform/app/Pasteboard.h"
#include "platform/foundation/URL.h"
#include "platform/testing/UserActions.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

using namespace shelltest;
using DragEnd = UserActions::DragEnd;
using Events = std::vector<std::int64_t>;

namespace {

Ref<platform::Array> strings(std::initializer_list<const char*> texts) {
    const auto array = platform::Array::array();
    for (const char* each : texts)
        array->addObject(text(each));
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
        window_ = openWindow(60, {10, 10, 300, 200});
        content_ = std::static_pointer_cast<ContentViewSC>(window_->contentView());
        DialogCallbackSet(dialogCallback);
        // What the callback sees while it runs: the files' names, the first one's, the drag.
        whileHeard() = [this] {
            std::string names;
            if (const auto urls = DialogEventArrayObj())
                for (const auto& url : *urls)
                    names +=
                        std::static_pointer_cast<platform::URL>(url)->lastPathComponent()->utf8() +
                        " ";
            if (const auto first = DialogEventUrlObj())
                names += "first " + first->lastPathComponent()->utf8();
            seen_.push_back(names + (DialogEventDragInfo() ? "" : " no drag"));
        };
    }
    void TearDown() override {
        std::filesystem::remove_all(directory_);
        CUI_WindowDelegate::shared()->setDragFileTypes(nullptr);
        CUI_WindowDelegate::shared()->setDragFileExtensions(nullptr);
        ShellTest::TearDown();
    }
    // Drags the named files, made for the test, to the content view.
    bool drag(std::initializer_list<const char*> names, DragEnd end = DragEnd::Drop) {
        std::vector<std::string> paths;
        for (const char* name : names) {
            paths.push_back((directory_ / name).string());
            if (std::FILE* out = std::fopen(paths.back().c_str(), "w")) {
                std::fputs("x\n", out);
                std::fclose(out);
            }
        }
        heard().clear();
        seen_.clear();
        const bool accepted = UserActions::dragFiles(content_, paths, end);
        EXPECT_FALSE(DialogEventDragInfo() || DialogEventArrayObj() || DialogEventUrlObj())
            << "the record keeps the drop";
        return accepted;
    }

    std::filesystem::path directory_;
    Ref<platform::Window> window_;
    Ref<ContentViewSC> content_;
    std::vector<std::string> seen_;
};

// Every file must pass the window's types (a type or one inheriting from it) or its
// extensions; a window with neither refuses every file.
TEST_F(FileDrops, TheWindowTakesFilesOnlyWhenEveryOnePassesItsTypesOrElseItsExtensions) {
    struct Case {
        std::initializer_list<const char*> files;
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
        SCOPED_TRACE(*c.files.begin());
        CUI_WindowDelegate::shared()->setDragFileTypes(c.types);
        CUI_WindowDelegate::shared()->setDragFileExtensions(c.extensions);
        EXPECT_EQ(drag(c.files), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(heardEvents(),
                      (Events{WindowEvent::DraggingEntered, WindowEvent::PerformDragOperation,
                              WindowEvent::DraggingExited}));
            EXPECT_EQ(heard()[0].tag, 60);
            EXPECT_EQ(heard()[0].wndTag, 60);
        } else {
            EXPECT_TRUE(heard().empty());
        }
    }
}

TEST_F(FileDrops, TheCallbackSeesTheFilesInOrderAndMayRefuseOrSeeTheDragLeave) {
    CUI_WindowDelegate::shared()->setDragFileExtensions(strings({"txt"}));
    window_->registerForDraggedTypes(strings({platform::FilenamesPboardType}));
    EXPECT_TRUE(drag({"b.txt", "a.txt"}));
    ASSERT_GE(seen_.size(), 2u);
    EXPECT_EQ(seen_[0], "b.txt a.txt first b.txt");
    EXPECT_EQ(seen_[1], seen_[0]);
    EXPECT_FALSE(CUI_WindowDelegate::shared()->dragInside());

    EXPECT_TRUE(drag({"a.txt"}, DragEnd::LeaveAgain));
    EXPECT_EQ(heardEvents(), (Events{WindowEvent::DraggingEntered, WindowEvent::DraggingExited}));
    EXPECT_EQ(DialogEventLongVal(), 2);

    whileHeard() = [] { DialogEventSetLongVal(0); };
    EXPECT_FALSE(drag({"a.txt"}));
    EXPECT_EQ(heardEvents(), Events{WindowEvent::DraggingEntered});
    EXPECT_EQ(DialogEventLongVal(), 0) << "the refusal stays in the record";
}

TEST_F(FileDrops, TheContentViewTakesEveryFileWithoutListsOrFiltersByItsOwn) {
    content_->registerForDraggedTypes(strings({platform::FilenamesPboardType}));
    EXPECT_TRUE(drag({"a.png", "README"}));
    EXPECT_EQ(heardEvents(), (Events{ViewEvent::DraggingEntered, ViewEvent::PerformDragOperation,
                                     ViewEvent::DraggingExited}));
    EXPECT_EQ(heard()[0].tag, kContentViewTag);
    EXPECT_EQ(heard()[0].wndTag, 60);
    EXPECT_EQ(seen_[0], "a.png README first a.png");

    content_->setDragFileTypes(strings({"image/png"}));
    EXPECT_FALSE(drag({"a.txt"}));
    EXPECT_TRUE(drag({"a.png"}));
}

TEST_F(FileDrops, AViewRegisteredForOtherTypesLeavesFilesToTheWindow) {
    content_->registerForDraggedTypes(strings({platform::StringPboardType}));
    window_->registerForDraggedTypes(strings({platform::FilenamesPboardType}));
    CUI_WindowDelegate::shared()->setDragFileExtensions(strings({"txt"}));
    EXPECT_TRUE(drag({"a.txt"}));
    EXPECT_EQ(heardEvents().front(), WindowEvent::DraggingEntered);
}

} // namespace
