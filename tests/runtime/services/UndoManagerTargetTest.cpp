#include "runtime/services/CUI_UndoManagerTarget.h"

#include "ServicesTesting.h"

#include "platform/app/Application.h"
#include "platform/foundation/Number.h"
#include "platform/services/UndoManager.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

using namespace shelltest;

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
    // The value, then the titles of the undo and the redo item.
    std::vector<std::string> seen;
    const auto look = [&] {
        seen.push_back(std::to_string(document.value) + " " +
                       document.manager->undoMenuItemTitle()->utf8() + "/" +
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

    runModalWindow();
    app->setMainMenu(keptMenu);

    EXPECT_EQ(seen, (std::vector<std::string>{"2 Undo Typing/Redo", "0 Undo/Redo Typing",
                                              "0 Undo/Redo Typing", "2 Undo Typing/Redo"}));
}

} // namespace
