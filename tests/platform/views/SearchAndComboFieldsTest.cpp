// Search fields and combo boxes driven by real keys and clicks in a modal run: what each sends,
// tells its delegate and shows.

#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/UserActions.h"
#include "platform/views/controls/ComboBox.h"
#include "platform/views/controls/ComboBoxDataSource.h"
#include "platform/views/controls/ComboBoxDelegate.h"
#include "platform/views/controls/SearchField.h"
#include "platform/views/controls/SearchFieldDelegate.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QListWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::UserActions;

namespace {

const Rect kFieldFrame{20, 20, 180, 24};

// Clicks the button at the field's start or end.
void clickAtStart(const Ref<View>& field) {
    UserActions::clickInView(field, {10, kFieldFrame.size.height / 2});
}
void clickAtEnd(const Ref<View>& field) {
    UserActions::clickInView(field, {kFieldFrame.size.width - 10, kFieldFrame.size.height / 2});
}

// Runs the steps in a window holding the field, the last step stopping the run with 1. Answers
// the run's response and the field's text.
std::string runWith(const Ref<TextField>& field,
                    void (*steps)(ModalScript&, const Ref<TextField>&)) {
    const auto window = std::make_shared<Window>(Rect{200, 200, 220, 64}, WindowStyleMask::Titled);
    window->contentView()->addSubview(field);
    window->makeFirstResponder(field);
    ModalScript script;
    steps(script.run(), field);
    script.perform([] { Application::shared()->stopModalWithCode(1); });
    const std::int64_t response = Application::shared()->runModalForWindow(window);
    window->close();
    return std::to_string(response) + " [" + field->stringValue()->utf8() + "] ";
}

class SearchLog : public Object, public SearchFieldDelegate {
public:
    void act(const Ref<Object>& sender) {
        log += "act(" + sender->as<TextField>()->stringValue()->utf8() + ") ";
    }
    void searchFieldDidStartSearching(const Ref<SearchField>&) override { log += "start "; }
    void searchFieldDidEndSearching(const Ref<SearchField>&) override { log += "end "; }
    std::string log;
};

// The response, the text left and what the action and the delegate heard.
TEST(SearchField, SendsItsActionAndTellsWhenASearchStartsAndEnds) {
    using Steps = void (*)(ModalScript&, const Ref<TextField>&);
    struct Case {
        bool whole;
        Steps steps;
        const char* outcome;
    };
    const Case cases[] = {
        {false,
         [](ModalScript& s, const Ref<TextField>&) {
             s.type("ab").press(Key::Backspace).press(Key::Backspace);
         },
         "1 [] start act(a) act(ab) act(a) end act() "},
        {true,
         [](ModalScript& s, const Ref<TextField>&) {
             s.type("ab").press(Key::Return).type("c").press(Key::Escape);
         },
         "1 [] start act(ab) end act() "},
        {false,
         [](ModalScript& s, const Ref<TextField>& f) {
             s.type("x").perform([f] { clickAtEnd(f); });
         },
         "1 [] start act(x) end act() "},
        {true,
         [](ModalScript& s, const Ref<TextField>& f) {
             s.type("q").perform([f] { clickAtStart(f); }).perform([f] { clickAtStart(f); });
         },
         "1 [q] start act(q) act(q) "},
        // Escape in an empty field is no search.
        {false, [](ModalScript& s, const Ref<TextField>&) { s.press(Key::Escape); }, "1 [] "},
    };
    for (const Case& c : cases) {
        const auto field = std::make_shared<SearchField>(kFieldFrame);
        const auto log = std::make_shared<SearchLog>();
        field->setSendsWholeSearchString(c.whole);
        field->setDelegate(log);
        field->setTarget(log);
        field->setAction({"act:", &SearchLog::act});
        const std::string run = runWith(field, c.steps);
        EXPECT_EQ(run + log->log, c.outcome);
    }
}

class ComboLog : public Object, public ComboBoxDelegate, public ComboBoxDataSource {
public:
    void act(const Ref<Object>&) { log += "act "; }
    void comboBoxWillPopUp(const Ref<Notification>&) override { log += "up "; }
    void comboBoxWillDismiss(const Ref<Notification>&) override { log += "down "; }
    // The list is open: how many items it shows.
    void comboBoxSelectionIsChanging(const Ref<Notification>&) override {
        const auto* list = qobject_cast<QListWidget*>(QApplication::activePopupWidget());
        log += "changing ";
        shownRows = list ? list->count() : -1;
    }
    void comboBoxSelectionDidChange(const Ref<Notification>&) override { log += "changed "; }
    std::int64_t numberOfItemsInComboBox(const Ref<ComboBox>&) override { return 3; }
    Ref<Object> comboBoxObjectValueForItemAtIndex(const Ref<ComboBox>&,
                                                  std::int64_t index) override {
        return String::fromUtf8(std::vector<std::string>{"Apple", "Banana", "Cherry"}.at(
            static_cast<std::size_t>(index)));
    }
    std::string log;
    int shownRows = 0;
};

// The response, the text, what was heard, the selected item and the items the open list showed,
// with the items the combo box's
// own or its data source's.
TEST(ComboBox, ChoosesFromItsListCompletesTypingAndTellsItsDelegate) {
    using Steps = void (*)(ModalScript&, const Ref<TextField>&);
    struct Case {
        bool dataSource;
        Steps steps;
        const char* outcome;
    };
    const Case cases[] = {
        {true, [](ModalScript& s, const Ref<TextField>&) { s.type("ch").press(Key::Return); },
         "1 [cherry] act -1 0"},
        {false,
         [](ModalScript& s, const Ref<TextField>&) {
             s.type("b").press(Key::Backspace).type("a").type("x");
         },
         "1 [bax] -1 0"},
        {false,
         [](ModalScript& s, const Ref<TextField>&) {
             s.press(Key::Down).press(Key::Down).press(Key::Down).press(Key::Down).press(Key::Up);
         },
         "1 [Banana] changed changed changed changed 1 0"},
        {true,
         [](ModalScript& s, const Ref<TextField>& f) {
             s.perform([f] { clickAtEnd(f); }).press(Key::Down).press(Key::Down).press(Key::Return);
         },
         "1 [Banana] up changing changing down changed act 1 3"},
        {false,
         [](ModalScript& s, const Ref<TextField>& f) {
             s.perform([f] { clickAtEnd(f); }).press(Key::Down).press(Key::Escape);
         },
         "1 [] up changing down -1 3"},
    };
    for (const Case& c : cases) {
        const auto box = std::make_shared<ComboBox>(kFieldFrame);
        const auto log = std::make_shared<ComboLog>();
        box->setCompletes(true);
        box->setUsesDataSource(c.dataSource);
        if (c.dataSource)
            box->setDataSource(log);
        else
            for (std::int64_t i = 0; i < 3; ++i)
                box->addItemWithObjectValue(log->comboBoxObjectValueForItemAtIndex(box, i));
        box->setDelegate(log);
        box->setTarget(log);
        box->setAction({"act:", &ComboLog::act});
        const std::string run = runWith(box, c.steps);
        EXPECT_EQ(run + log->log + std::to_string(box->indexOfSelectedItem()) + " " +
                      std::to_string(log->shownRows),
                  c.outcome);
    }
}

} // namespace
