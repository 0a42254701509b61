#include "runtime/services/CUI_UndoManagerTarget.h"

#include "ServicesTesting.h"

#include "platform/app/Application.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/services/UndoManager.h"
#include "platform/testing/ModalScript.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

using namespace shelltest;
using platform::Ref;
using platform::testing::ModalScript;

namespace {

// A document of one number, changed the way programs change their data: each change registers
// the old value with the runtime's target, and undoing a change is one more change.
struct Document {
    std::int64_t value = 0;
    Ref<platform::UndoManager> manager = std::make_shared<platform::UndoManager>();
    Ref<CUI_UndoManagerTarget> target =
        std::make_shared<CUI_UndoManagerTarget>([](const Ref<platform::Object>& old) {
            shared().set(old->as<platform::Number>()->integerValue());
        });

    void set(std::int64_t newValue) {
        manager->registerUndoWithTargetSelectorObject(target, CUI_UndoManagerTarget::undoSelector(),
                                                      platform::Number::numberWithInteger(value));
        value = newValue;
    }
    static Document& shared() {
        static Document document;
        return document;
    }
};

TEST_F(ShellTest, ControlZAndControlShiftZUndoAndRedoEachEventsChanges) {
    Document& document = Document::shared();
    const auto app = platform::Application::shared();
    const auto keptMenu = app->mainMenu();
    const auto bar = std::make_shared<platform::Menu>(platform::String::fromUtf8("Main"));
    const auto edit = std::make_shared<platform::MenuItem>(
        platform::String::fromUtf8("Edit"), platform::Selector(), platform::String::create());
    edit->setSubmenu(document.manager->editMenu());
    bar->addItem(edit);
    app->setMainMenu(bar);
    const auto window = std::make_shared<platform::Window>(platform::Rect{100, 100, 200, 100},
                                                           platform::WindowStyleMask::Titled);
    std::vector<std::int64_t> seen;
    std::vector<std::string> titles;
    const auto look = [&] {
        seen.push_back(document.value);
        titles.push_back(document.manager->undoMenuItemTitle()->utf8() + "/" +
                         document.manager->redoMenuItemTitle()->utf8());
    };
    ModalScript script;
    // Each step is a pass of the event loop of its own: the first two changes are one step.
    script.run()
        .perform([&] {
            document.set(1);
            document.set(2);
            document.manager->setActionName(platform::String::fromUtf8("Typing"));
        })
        .perform([&] { document.set(3); })
        .pressCharacter(U'z', true)
        .perform(look)
        .pressCharacter(U'z', true)
        .perform(look)
        .pressCharacter(U'z', true)
        .perform(look)
        .pressCharacter(U'Z', true)
        .perform(look)
        .perform([&] { app->stopModal(); });

    app->runModalForWindow(window);
    window->close();
    app->setMainMenu(keptMenu);

    EXPECT_EQ(seen, (std::vector<std::int64_t>{2, 0, 0, 2}));
    EXPECT_EQ(titles, (std::vector<std::string>{"Undo Typing/Redo", "Undo/Redo Typing",
                                                "Undo/Redo Typing", "Undo Typing/Redo"}));
}

} // namespace
