// The predicate editor's rows, built by the user's clicks, choices and typing, and the format
// string they make.

#include "platform/views/controls/PredicateEditor.h"
#include "platform/detail/ViewPeer.h"
#include "platform/foundation/String.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/testing/UserActions.h"
#include "platform/windows/Window.h"

#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace platform;
using platform::testing::UserActions;
using Key = UserActions::Key;

namespace {

class Counter : public Object {
public:
    void act(const Ref<Object>&) { ++actions; }
    int actions = 0;
};

struct Fixture {
    Fixture() {
        window = std::make_shared<Window>(Rect{50, 50, 500, 200}, WindowStyleMask::Titled);
        editor->setLeftKeyPaths({String::fromUtf8("name"), String::fromUtf8("age")});
        editor->setTarget(counter);
        editor->setAction(Selector("act:", &Counter::act));
        editor->insertRowAtIndex(0);
        window->contentView()->addSubview(editor);
        window->orderFront();
    }
    ~Fixture() { window->close(); }

    // The row's button with the text.
    QToolButton& button(int row, const char* text) const {
        QList<QToolButton*> found;
        for (auto* b : editor->peer().widget->findChildren<QToolButton*>())
            if (b->isVisible() && b->text() == QString::fromUtf8(text))
                found << b;
        std::sort(found.begin(), found.end(), [](QToolButton* a, QToolButton* b) {
            return a->mapToGlobal(QPoint()).y() < b->mapToGlobal(QPoint()).y();
        });
        return *found.at(row);
    }
    void type(const char* text) const {
        for (const char* c = text; *c; ++c)
            UserActions::typeCharacter(window, static_cast<char32_t>(*c));
    }
    void tab(int times) const {
        for (int i = 0; i < times; ++i)
            UserActions::pressKey(window, Key::Tab);
    }
    std::string format() const { return editor->predicateFormat()->utf8(); }

    Ref<Window> window;
    Ref<PredicateEditor> editor = std::make_shared<PredicateEditor>(Rect{10, 10, 480, 180});
    Ref<Counter> counter = std::make_shared<Counter>();
};

TEST(PredicateEditor, TwoRowsTheUserBuiltMakeTheirPredicate) {
    Fixture f;
    platform::testing::clickWidget(f.button(0, "+"));
    ASSERT_EQ(f.editor->numberOfRows(), 2);
    // Tab goes through each row's key path, operator, value and buttons in turn.
    f.tab(3);
    f.type("A\"b");
    f.tab(3);
    UserActions::pressKey(f.window, Key::Down); // age
    f.tab(1);
    for (int i = 0; i < 4; ++i) // is greater than
        UserActions::pressKey(f.window, Key::Down);
    f.tab(1);
    f.type("30");
    EXPECT_EQ(f.format(), R"(name == "A\"b" AND age > 30)");
    EXPECT_EQ(f.counter->actions, 1 + 3 + 1 + 4 + 2);
    platform::testing::clickWidget(f.button(0, "−"));
    EXPECT_EQ(f.format(), "age > 30");
    EXPECT_EQ(f.counter->actions, 12);
}

// Rows set by the program, joined by each compound type; typed text never leaves its quotes.
TEST(PredicateEditor, ValuesAreQuotedUnlessNumbersAndRowsJoinByTheCompoundType) {
    struct Case {
        CompoundPredicateType compound;
        const char* value;
        const char* format;
    };
    const Case cases[] = {
        {CompoundPredicateType::And, "-2.5", "name CONTAINS -2.5 AND age != 7"},
        {CompoundPredicateType::Or, "1e3", R"(name CONTAINS "1e3" OR age != 7)"},
        {CompoundPredicateType::Not, R"(x" OR 1 == 1 OR a == "\)",
         R"(NOT (name CONTAINS "x\" OR 1 == 1 OR a == \"\\" OR age != 7))"},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.editor->insertRowAtIndex(1);
        f.editor->setCompoundType(c.compound);
        f.editor->setRow(0, *String::fromUtf8("name"), "CONTAINS", String::fromUtf8(c.value));
        f.editor->setRow(1, *String::fromUtf8("age"), "!=", String::fromUtf8("7"));
        EXPECT_EQ(f.format(), c.format) << c.value;
        EXPECT_EQ(f.counter->actions, 0);
    }
}

} // namespace
