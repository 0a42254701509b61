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

#include <map>
#include <string>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::UserActions;

namespace {

const Rect kFieldFrame{20, 20, 180, 24};

// Plays the steps in a modal run of a window holding the field, then stops the run with 1. A
// lowercase letter is typed; R is Return, E Escape, B Backspace, U Up and D Down; S clicks at the
// field's start and C at its end. Answers the run's response and the field's text.
std::string runWith(const Ref<TextField>& field, std::string_view steps) {
    const auto window = std::make_shared<Window>(Rect{200, 200, 220, 64}, WindowStyleMask::Titled);
    window->contentView()->addSubview(field);
    window->makeFirstResponder(field);
    ModalScript script;
    script.run();
    const double middle = kFieldFrame.size.height / 2;
    const std::map<char, Key> keys = {{'R', Key::Return},
                                      {'E', Key::Escape},
                                      {'B', Key::Backspace},
                                      {'U', Key::Up},
                                      {'D', Key::Down}};
    for (const char step : steps) {
        const double x = step == 'S' ? 10 : kFieldFrame.size.width - 10;
        if (const auto key = keys.find(step); key != keys.end())
            script.press(key->second);
        else if (step == 'S' || step == 'C')
            script.perform([field, x, middle] { UserActions::clickInView(field, {x, middle}); });
        else
            script.type(std::string(1, step));
    }
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
    struct Case {
        bool whole;
        const char* steps;
        const char* outcome;
    };
    const Case cases[] = {
        {false, "abBB", "1 [] start act(a) act(ab) act(a) end act() "},
        {true, "abRcE", "1 [] start act(ab) end act() "},
        // The clear button, then the magnifier with nothing to search.
        {false, "xCS", "1 [] start act(x) end act() act() "},
        {true, "qSS", "1 [q] start act(q) act(q) "},
        {false, "E", "1 [] "},
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
        return String::fromUtf8(index == 0 ? "Apple" : index == 1 ? "Banana" : "Cherry");
    }
    std::string log;
    int shownRows = 0;
};

// The response, the text, what was heard, the selected item and the items the open list showed,
// with the combo box's own two items or its data source's three.
TEST(ComboBox, ChoosesFromItsListCompletesTypingAndTellsItsDelegate) {
    struct Case {
        bool dataSource;
        const char* steps;
        const char* outcome;
    };
    const Case cases[] = {
        {true, "chR", "1 [cherry] act -1 0"},
        // Deleting completes nothing.
        {false, "bBax", "1 [bax] -1 0"},
        {false, "DDDU", "1 [Apple] changed changed changed 0 0"},
        {true, "CDDR", "1 [Banana] up changing changing down changed act 1 3"},
        {false, "CDE", "1 [] up changing down -1 2"},
    };
    for (const Case& c : cases) {
        const auto box = std::make_shared<ComboBox>(kFieldFrame);
        const auto log = std::make_shared<ComboLog>();
        box->setCompletes(true);
        box->setUsesDataSource(c.dataSource);
        box->setDataSource(log);
        for (std::int64_t i = 0; i < 2; ++i)
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
