// The shared search-field and combo-box delegates: what a wired element the user types in and
// chooses from reports, the combo box's items served from comboBoxData.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_ComboBoxDelegate.h"
#include "runtime/elements/ElementOperations.h"
#include "runtime/elements/ViewWiring.h"

#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/controls/ComboBox.h"

using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 41;

// Clicks an element 160 points wide at x: 150 is the arrow of a combo box.
void clickAt(const Ref<platform::View>& element, double x) {
    platform::testing::UserActions::clickInView(element, {x, 11});
}

// The shared delegate serves only combo boxes without a delegate or data source of their own.
TEST_F(ShellTest, WiringKeepsTheComboBoxDelegateAndDataSourceOfTheProgram) {
    const auto window = openWindow(kWindow);
    const auto own = std::make_shared<CUI_ComboBoxDelegate>();
    const auto box = std::make_shared<platform::ComboBox>();
    box->setUsesDataSource(true);
    box->setDelegate(own);
    box->setDataSource(own);
    window->contentView()->addSubview(box);
    WireViews(kWindow, window->contentView());
    EXPECT_EQ(box->delegate(), own);
    EXPECT_EQ(box->dataSource(), own);
}

// Each element made in code, wired, and used in a modal run; what the dialog callback heard of
// the control's own events (the view and window events left out).
TEST_F(ShellTest, SearchFieldsAndComboBoxesReportTypingSearchesAndTheirLists) {
    struct Case {
        std::int64_t kind;
        void (*steps)(ModalScript&, const Ref<platform::View>&);
        const char* heard;
    };
    const Case cases[] = {
        {ElementKind::SearchField,
         [](ModalScript& s, const Ref<platform::View>&) {
             s.type("a").press(Key::Backspace).press(Key::Return);
         },
         "1200 1201 1400 1 1201 1401 1 1202 1 "},
        // Three entries in comboBoxData: the list shows three, and Down goes no further.
        {ElementKind::ComboBox,
         [](ModalScript& s, const Ref<platform::View>& box) {
             s.perform([box] { clickAt(box, 150); })
                 .press(Key::Down)
                 .press(Key::Down)
                 .press(Key::Down)
                 .press(Key::Down)
                 .press(Key::Return);
         },
         "1103 1101 1101 1101 1102 1100 1 [third]"},
        {ElementKind::ComboBox,
         [](ModalScript& s, const Ref<platform::View>&) { s.type("s").press(Key::Up); },
         "1200 1201 1100 [third]"},
    };
    CUI_ComboBoxDelegate::shared()->setComboBoxData(
        platform::Array::arrayWithObjects({text("first"), text("second"), text("third")}));
    std::int64_t tag = kWindow;
    for (const Case& c : cases) {
        heard().clear();
        const auto window = openWindow(++tag, {100, 100, 200, 60});
        const auto element = ElementCreate(tag, 7, c.kind, {10, 20, 160, 22});
        if (const auto box = element->as<platform::ComboBox>())
            box->setUsesDataSource(true);
        WireViews(tag, window->contentView());
        window->makeFirstResponder(element);
        DialogCallbackSet(dialogCallback);
        // A click puts the keyboard in the element whether or not its window is active yet.
        ModalScript script;
        script.run().perform([element] { clickAt(element, 60); });
        c.steps(script, element);
        script.perform([] { platform::Application::shared()->stopModalWithCode(1); });
        platform::Application::shared()->runModalForWindow(window);
        std::string codes;
        for (const std::int64_t event : heardEvents())
            if (event < ViewEvent::DrawRect)
                codes += std::to_string(event) + " ";
        if (const auto box = element->as<platform::ComboBox>())
            codes += "[" + box->stringValue()->utf8() + "]";
        EXPECT_EQ(codes, c.heard);
        DialogCallbackSet(nullptr);
    }
    CUI_ComboBoxDelegate::shared()->setComboBoxData(nullptr);
}

} // namespace
