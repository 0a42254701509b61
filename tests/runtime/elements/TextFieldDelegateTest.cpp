// The shared text-field delegate: which fields the wiring gives it, and what a field the user
// types in reports, with the program's answers taken by the field.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_TextFieldDelegate.h"
#include "runtime/elements/ViewWiring.h"

#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TextField.h"
#include "platform/views/controls/SecureTextField.h"

using platform::TextField;
using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 40;

template <class Field>
Ref<TextField> field(const Ref<platform::Window>& window, std::int64_t tag) {
    auto made =
        std::make_shared<Field>(platform::Rect{10, 30.0 * static_cast<double>(tag), 120, 22});
    made->setTag(tag);
    window->contentView()->addSubview(made);
    return made;
}

TEST_F(ShellTest, WiringGivesTheSharedDelegateToEditableFieldsAndToSecureFieldsWithoutOne) {
    const auto window = openWindow(kWindow);
    const auto own = std::make_shared<platform::TextFieldDelegate>();
    const auto edited = field<TextField>(window, 1);
    const auto label = field<TextField>(window, 2);
    const auto secureOwn = field<platform::SecureTextField>(window, 3);
    const auto secure = field<platform::SecureTextField>(window, 4);
    label->setEditable(false);
    for (const auto& f : {edited, label, secureOwn})
        f->setDelegate(own);
    WireViews(kWindow, window->contentView());
    EXPECT_EQ(edited->delegate(), CUI_TextFieldDelegate::shared());
    EXPECT_EQ(label->delegate(), own);
    EXPECT_EQ(secureOwn->delegate(), own);
    EXPECT_EQ(secure->delegate(), CUI_TextFieldDelegate::shared());
}

// The program refuses the first edit, then handles the first Return itself; the second Return
// ends editing and sends the field's action. A command's record carries its number and name.
TEST_F(ShellTest, AWiredFieldReportsTypingAndTakesTheProgramsAnswers) {
    const auto window = openWindow(kWindow);
    const auto name = field<TextField>(window, 3);
    WireViews(kWindow, window->contentView());
    name->setTarget(CUI_TextFieldDelegate::shared());
    name->setAction(CUI_TextFieldDelegate::actionSelector());
    window->makeFirstResponder(name);
    DialogCallbackSet(dialogCallback);
    int refusals = 1, handled = 1;
    std::string command;
    whileHeard() = [&] {
        const std::int64_t event = heard().back().event;
        if (event == TextEditingEvent::ShouldBeginEditing && refusals-- > 0)
            DialogEventSetBoolVal(false);
        if (event == TextEditingEvent::DoCommandBySelector) {
            command = std::to_string(DialogEventLongVal()) + " " + DialogEventStringObj()->utf8();
            DialogEventSetBoolVal(handled-- > 0);
        }
    };
    UserActions::typeCharacter(window, U'x');
    UserActions::typeCharacter(window, U'a');
    UserActions::pressKey(window, UserActions::Key::Return);
    UserActions::pressKey(window, UserActions::Key::Return);
    whileHeard() = nullptr;
    EXPECT_EQ(name->stringValue()->utf8(), "a");
    EXPECT_EQ(command, "4 insertNewline:");
    EXPECT_EQ(heardText(), "dialog 1203 3/40\ndialog 1203 3/40\ndialog 1200 3/40\n"
                           "dialog 1201 3/40\ndialog 1205 3/40\ndialog 1205 3/40\n"
                           "dialog 1204 3/40\ndialog 1202 3/40\ndialog 1 3/40\n");
}

} // namespace
