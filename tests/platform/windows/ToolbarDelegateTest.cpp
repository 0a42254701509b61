// Toolbars whose delegate makes their items: the default items at first, selectable items that
// stay selected when clicked, and the palette in which the user chooses the items.

#include "platform/windows/ToolbarDelegate.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/UserActions.h"
#include "platform/windows/Toolbar.h"
#include "platform/windows/ToolbarItem.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::UserActions;

namespace {

struct Recorder final : Object {
    void chosen(const Ref<ToolbarItem>& item) { log += item->itemIdentifier()->utf8() + " "; }
    std::string log;
};

Ref<Array> list(const std::vector<const char*>& identifiers) {
    auto array = Array::array();
    for (const char* identifier : identifiers)
        array->addObject(String::fromUtf8(identifier));
    return array;
}

// Items "a" to "d"; "a" and "b" at first; "b" and "c" selectable; "a" immovable.
struct Maker final : ToolbarDelegate {
    Ref<ToolbarItem> toolbarItemForItemIdentifier(const Ref<Toolbar>&,
                                                  const Ref<String>& identifier, bool) override {
        auto item = std::make_shared<ToolbarItem>(identifier);
        item->setLabel(String::fromUtf8("Item " + identifier->utf8()));
        item->setTarget(recorder);
        item->setAction({"chosen:", &Recorder::chosen});
        return item;
    }
    Ref<Array> toolbarAllowedItemIdentifiers(const Ref<Toolbar>&) override {
        return list({"a", "b", "c", "d"});
    }
    Ref<Array> toolbarDefaultItemIdentifiers(const Ref<Toolbar>&) override {
        return list({"a", "b"});
    }
    Ref<Array> toolbarSelectableItemIdentifiers(const Ref<Toolbar>&) override {
        return list({"b", "c"});
    }
    Ref<Array> toolbarImmovableItemIdentifiers(const Ref<Toolbar>&) override { return list({"a"}); }
    Ref<Recorder> recorder = std::make_shared<Recorder>();
};

std::string shown(const Toolbar& toolbar) {
    std::string text;
    for (const auto& item : toolbar.items())
        text += item->itemIdentifier()->utf8();
    return text;
}

struct Scene {
    Scene() {
        toolbar->setDelegate(maker);
        window->setToolbar(toolbar);
        window->makeKeyAndOrderFront();
    }
    ~Scene() { window->close(); }
    std::shared_ptr<Maker> maker = std::make_shared<Maker>();
    Ref<Toolbar> toolbar = std::make_shared<Toolbar>(String::fromUtf8("main"));
    Ref<Window> window =
        std::make_shared<Window>(Rect{100, 100, 300, 200}, WindowStyleMask::Titled);
};

TEST(ToolbarDelegate, ItemsComeFromTheDelegateAndSelectableOnesStaySelected) {
    Scene scene;
    EXPECT_EQ(shown(*scene.toolbar), "ab");
    ASSERT_TRUE(UserActions::clickToolbarItem(scene.window, "b"));
    ASSERT_TRUE(UserActions::clickToolbarItem(scene.window, "a"));
    EXPECT_EQ(scene.maker->recorder->log, "b a ");
    EXPECT_EQ(scene.toolbar->selectedItemIdentifier()->utf8(), "b");
}

TEST(ToolbarDelegate, ThePaletteShowsTheItemsTheUserChecks) {
    const std::tuple<const char*, std::vector<Key>, const char*> cases[] = {
        {"unchecking b", {Key::Down, Key::Space, Key::Return}, "a"},
        {"checking c", {Key::Down, Key::Down, Key::Space, Key::Return}, "abc"},
        {"the immovable a stays", {Key::Space, Key::Return}, "ab"},
        {"escape drops the choice", {Key::Down, Key::Space, Key::Escape}, "ab"},
    };
    for (const auto& [name, keys, items] : cases) {
        Scene scene;
        const Ref<ToolbarItem> b = scene.toolbar->items()[1];
        ModalScript script;
        auto& run = script.run();
        for (Key key : keys)
            run.press(key);
        scene.toolbar->runCustomizationPalette();
        EXPECT_EQ(shown(*scene.toolbar), items) << name;
        if (std::string(items).find('b') != std::string::npos) {
            EXPECT_EQ(scene.toolbar->items()[1], b) << name << ": items shown before are kept";
        }
    }
}

} // namespace
