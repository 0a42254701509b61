// Split views loaded from an interface file: wired with the shared delegate, which hands their
// questions to the dialog callback with the default answer prepared, and asks about their
// dividers; a divider dragged with the mouse goes where the program's answers put it.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_SplitViewDelegate.h"
#include "runtime/elements/InterfaceLoading.h"
#include "runtime/elements/SplitViewSC.h"
#include "runtime/shell/ViewLookup.h"

#include "platform/testing/UserActions.h"
#include "platform/views/controls/Button.h"

#include <sstream>

using platform::SplitViewDividerStyle;
using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 9;
constexpr std::int64_t kSplit = 40;

Ref<SplitViewSC> loadSplit() {
    WindowLoad(kWindow, text(PONDARO_INTERFACE_DIR "/split.ui"));
    return ViewWithTagOfClass<SplitViewSC>(kSplit);
}

TEST_F(ShellTest, ALoadedSplitterIsASplitViewWiredWithItsPanesSideBySide) {
    const auto split = loadSplit();
    ASSERT_TRUE(split);
    EXPECT_EQ(split->delegate(), CUI_SplitViewDelegate::shared());
    EXPECT_TRUE(split->isVertical());
    ASSERT_EQ(split->subviews().size(), 2u);
    // Two panes of 200 beside a thick divider, the first holding a wired button.
    EXPECT_EQ(split->subviews()[1]->frame(), platform::Rect(209, 0, 200, 200));
    const auto deal = ViewWithTagOfClass<platform::Button>(41);
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->action().name() + std::to_string(Additions::wndTag(*deal)), "controlAction:9");
    EXPECT_TRUE(ViewWithTag(42));
}

// Without a callback every question keeps the answer prepared for it: nothing collapses or
// hides, every pane adjusts, and coordinates come back as single precision has them.
TEST_F(ShellTest, WithoutACallbackTheSplitViewQuestionsKeepTheFrameworksAnswers) {
    const auto split = loadSplit();
    ASSERT_TRUE(split);
    auto& delegate = *CUI_SplitViewDelegate::shared();
    const auto pane = split->subviews()[0];
    EXPECT_FALSE(delegate.splitViewCanCollapseSubview(split, pane));
    EXPECT_TRUE(delegate.splitViewShouldAdjustSizeOfSubview(split, pane));
    EXPECT_FALSE(delegate.splitViewShouldHideDividerAtIndex(split, 0));
    const double proposed = 100.1;
    for (const auto ask : {&CUI_SplitViewDelegate::splitViewConstrainMaxCoordinate,
                           &CUI_SplitViewDelegate::splitViewConstrainMinCoordinate,
                           &CUI_SplitViewDelegate::splitViewConstrainSplitPosition})
        EXPECT_EQ((delegate.*ask)(split, proposed, 0), static_cast<float>(proposed));

    const std::pair<SplitViewDividerStyle, double> thicknesses[] = {
        {SplitViewDividerStyle::Thin, 1.0},
        {SplitViewDividerStyle::Thick, 9.0},
        {SplitViewDividerStyle::PaneSplitter, 10.0},
    };
    for (const auto& [style, thickness] : thicknesses) {
        split->setDividerStyle(style);
        EXPECT_EQ(split->dividerThickness(), thickness);
        EXPECT_EQ(split->dividerRectAtIndex(0).width(), thickness);
    }
}

// A drag of the divider, the program answering each question: what the first step of the drag
// asked (with longVal, and the current output window the callback found), and where the
// divider ended.
TEST_F(ShellTest, ADraggedDividerAsksTheProgramAndGoesWhereItSays) {
    struct Case {
        const char* name;
        // Answered to the position question and to the thickness question.
        float position;
        double thickness;
        const char* outcome;
    };
    const Case cases[] = {
        {"the program's position", 150.5f, 9, "1509@0 9 1508@0 9 1510@0 77 1501 9 1502 9 -> 150.5"},
        {"a thicker divider", 120, 20, "1509@0 9 1508@0 9 1510@0 77 1501 9 1502 9 -> 120"},
    };
    for (const Case& c : cases) {
        const auto split = loadSplit();
        ASSERT_TRUE(split);
        DialogCallbackSet(dialogCallback);
        std::string log;
        bool stepDone = false;
        whileHeard() = [&] {
            const std::int64_t event = heard().back().event;
            if (event == SplitViewEvent::DividerThickness)
                DialogEventSetDoubleVal(c.thickness);
            if (event == SplitViewEvent::ConstrainSplitPosition)
                DialogEventSetFloatVal(c.position);
            if (stepDone || event >= SplitViewEvent::DividerColor)
                return;
            log += std::to_string(event);
            if (event > SplitViewEvent::DidResizeSubviews)
                log += "@" + std::to_string(DialogEventLongVal());
            log += " " + std::to_string(CurrentOutputWindowTag()) + " ";
            stepDone = event == SplitViewEvent::DidResizeSubviews;
            // Only a question that sets the current output window shows the window's tag.
            CurrentOutputWindowTagSet(77);
        };
        split->adjustSubviews();
        log.clear();
        stepDone = false;
        heard().clear();
        const platform::Rect divider = split->dividerRectAtIndex(0);
        UserActions::dragInView(split, {{divider.midX(), 100}, {divider.midX() - 30, 100}});
        EXPECT_EQ(split->dividerRectAtIndex(0).width(), c.thickness) << c.name;
        whileHeard() = nullptr;
        std::ostringstream position;
        position << split->positionOfDividerAtIndex(0);
        EXPECT_EQ(log + "-> " + position.str(), c.outcome) << c.name;
        WindowWithTag(kWindow)->close();
    }
}

} // namespace
