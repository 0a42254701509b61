// Finding views by tag: the rule that reads a view's tag, the order of the search, the toolbar
// items, and the notices of the typed lookup.

#include "ShellTesting.h"

#include "runtime/shell/Tags.h"
#include "runtime/shell/ViewLookup.h"

#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/views/Control.h"
#include "platform/views/TextField.h"
#include "platform/views/View.h"
#include "platform/views/VisualEffectView.h"
#include "platform/windows/TitlebarAccessoryViewController.h"
#include "platform/windows/Toolbar.h"
#include "platform/windows/ToolbarItem.h"

#include <string>
#include <vector>

using namespace shelltest;
using platform::Ref;
using platform::String;
using platform::View;
using platform::testing::ModalScript;

namespace {

Ref<View> plainView(const char* identifier) {
    auto view = std::make_shared<View>(platform::Rect{0, 0, 50, 20});
    if (identifier)
        view->setIdentifier(String::fromUtf8(identifier));
    return view;
}

Ref<platform::TextField> field(std::int64_t tag, const char* identifier = nullptr) {
    auto control = std::make_shared<platform::TextField>(platform::Rect{0, 0, 80, 22});
    control->setTag(tag);
    if (identifier)
        control->setIdentifier(String::fromUtf8(identifier));
    return control;
}

class ViewLookup : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        WindowOpen(3, String::fromUtf8("Lookup"), kParamNotGiven, {});
        window = WindowWithTag(3);
        content = window->contentView();
    }
    void TearDown() override {
        for (const auto& toolbar : registered)
            ToolbarRegistry()->removeObjectAtIndex(
                static_cast<std::size_t>(ToolbarRegistry()->indexOfObject(toolbar)));
        ShellTest::TearDown();
    }

    Ref<platform::Toolbar> registerToolbar(const char* identifier) {
        auto toolbar = std::make_shared<platform::Toolbar>(String::fromUtf8(identifier));
        ToolbarRegistry()->addObject(toolbar);
        registered.push_back(toolbar);
        return toolbar;
    }
    static Ref<platform::ToolbarItem> toolbarItem(std::int64_t tag, Ref<View> view) {
        auto item = std::make_shared<platform::ToolbarItem>(String::fromUtf8("item"));
        item->setTag(tag);
        item->setView(std::move(view));
        return item;
    }
    Ref<View> addAccessory(const Ref<View>& view) {
        auto controller = std::make_shared<platform::TitlebarAccessoryViewController>();
        controller->setView(view);
        window->addTitlebarAccessoryViewController(controller);
        return view;
    }

    Ref<platform::Window> window;
    Ref<View> content;
    std::vector<Ref<platform::Toolbar>> registered;
};

// Reading the tag.

TEST_F(ViewLookup, PlainViewsAreTaggedByTheirIdentifierAndOthersByTheirOwnTag) {
    const auto plain = plainView("12");
    const auto effect = std::make_shared<platform::VisualEffectView>();
    effect->setIdentifier(String::fromUtf8("13"));
    const auto control = field(14, "99");
    for (const auto& view : {plain, Ref<View>(effect), Ref<View>(control)})
        content->addSubview(view);

    EXPECT_EQ(ViewWithTag(12), plain);
    EXPECT_EQ(ViewWithTag(13), effect);
    EXPECT_EQ(ViewWithTag(14), control);
    EXPECT_FALSE(ViewWithTag(99)) << "a control's identifier is not its tag";
    EXPECT_EQ(ViewTag(*plain), 12);
    EXPECT_EQ(ViewTag(*control), 14);
}

TEST_F(ViewLookup, SearchesDepthFirstInSubviewOrder) {
    const auto outer = plainView("1");
    const auto deep = field(4);
    const auto inner = plainView(nullptr);
    inner->addSubview(deep);
    outer->addSubview(inner);
    const auto later = field(4);
    content->addSubview(outer);
    content->addSubview(later);

    EXPECT_EQ(SubviewWithTag(content, 4), deep);
    EXPECT_EQ(SubviewWithTag(outer, 1), nullptr) << "the container itself is not compared";
    EXPECT_EQ(SubviewWithTag(nullptr, 4), nullptr);
}

// The search of the current window.

TEST_F(ViewLookup, TheContentViewTagAndTagsUpToTheThresholdNameViewsAndAViewItself) {
    const auto top = field(1000000);
    content->addSubview(field(0));
    content->addSubview(field(1000001));
    content->addSubview(top);
    EXPECT_EQ(ViewWithTag(kContentViewTag), content);
    EXPECT_EQ(ViewWithTag(1000000), top);
    EXPECT_FALSE(ViewWithTag(0));
    EXPECT_FALSE(ViewWithTag(1000001));
    const auto elsewhere = field(5);
    EXPECT_EQ(ViewWithTag(elsewhere), elsewhere) << "not in any window, and still answered";
    EXPECT_FALSE(ViewWithTag(Ref<platform::Object>(String::fromUtf8("5"))));
}

TEST_F(ViewLookup, SearchesTheCurrentOutputWindowAndElseTheFrontWindow) {
    content->addSubview(field(6));
    WindowOpen(4, String::fromUtf8("Other"), kParamNotGiven, {});
    EXPECT_FALSE(ViewWithTag(6)) << "window 4 is now the current window";
    CurrentOutputWindowTagSet(3);
    EXPECT_TRUE(ViewWithTag(6));
    WindowWithTag(4)->close();
    CurrentOutputWindowTagSet(0);
    EXPECT_TRUE(ViewWithTag(6)) << "window 3 is the only, so the front, window";
}

TEST_F(ViewLookup, FindsTitlebarAccessoriesByIdentifierAndTheViewsInsideThemAfterTheContent) {
    const auto accessory = addAccessory(field(21, "20"));
    const auto inside = field(23);
    const auto box = addAccessory(plainView("22"));
    box->addSubview(inside);
    const auto inContent = field(30);
    content->addSubview(inContent);
    addAccessory(plainView("30"));

    EXPECT_EQ(TitlebarViewWithTag(20), accessory) << "an accessory by its identifier";
    EXPECT_EQ(TitlebarViewWithTag(23), inside);
    EXPECT_FALSE(TitlebarViewWithTag(21)) << "an accessory view's own tag is not read";
    EXPECT_EQ(ViewWithTag(23), inside);
    EXPECT_EQ(ViewWithTag(22), box);
    EXPECT_EQ(ViewWithTag(30), inContent);
    WindowOpen(3, nullptr, 0, {});
    EXPECT_FALSE(TitlebarViewWithTag(20)) << "a window without title bar has no accessories";
}

// Toolbars.

TEST_F(ViewLookup, FindsToolbarItemsByToolbarTagOrReferenceAndItemTagOrReference) {
    const auto toolbar = registerToolbar("8");
    const auto item = toolbarItem(2, nullptr);
    toolbar->insertItemAtIndex(toolbarItem(1, nullptr), 0);
    toolbar->insertItemAtIndex(item, 1);
    const auto loose = toolbarItem(2, nullptr);

    EXPECT_EQ(ToolbarItemWithTag(8, 2), item);
    EXPECT_EQ(ToolbarItemWithTag(toolbar, 2), item);
    EXPECT_EQ(ToolbarItemWithTag(0, loose), loose) << "an item reference needs no toolbar";
    EXPECT_FALSE(ToolbarItemWithTag(0, 2));
    EXPECT_FALSE(ToolbarItemWithTag(9, 2));
    EXPECT_FALSE(ToolbarItemWithTag(8, 3));
    const auto unregistered = std::make_shared<platform::Toolbar>(String::fromUtf8("10"));
    unregistered->insertItemAtIndex(toolbarItem(2, nullptr), 0);
    EXPECT_FALSE(ToolbarItemWithTag(10, 2)) << "only registered toolbars have tags";
}

TEST_F(ViewLookup, FindsTheViewOfAnItemOfTheWindowsOwnToolbarOnlyWhenItIsRegistered) {
    const auto unregistered = std::make_shared<platform::Toolbar>(String::fromUtf8("8"));
    unregistered->insertItemAtIndex(toolbarItem(40, field(0)), 0);
    window->setToolbar(unregistered);
    EXPECT_FALSE(ViewWithTag(40));

    const auto other = registerToolbar("8");
    other->insertItemAtIndex(toolbarItem(40, field(0)), 0);
    const auto own = registerToolbar("8");
    const auto itemView = field(0);
    own->insertItemAtIndex(toolbarItem(40, itemView), 0);
    window->setToolbar(own);
    EXPECT_EQ(ViewWithTag(40), itemView);
}

// The typed lookup and its notices.

class TypedLookup : public ViewLookup {
protected:
    // Lets the queued notices show, answering each with "OK".
    static std::vector<platform::testing::ShownAlert> notices(int expected) {
        ModalScript script;
        script.run();
        for (int i = 0; i < expected; ++i)
            script.run().clickButton(0);
        return runUntilAlertsAnswered();
    }
};

TEST_F(TypedLookup, AnswersAViewOfTheClassOrASubclassAndPostsNothing) {
    const auto control = field(7);
    content->addSubview(control);
    EXPECT_EQ(ViewWithTagOfClass<platform::Control>(7), control);
    EXPECT_EQ(ViewWithTagOfClass<platform::TextField>(7), control);
    EXPECT_EQ(ViewWithTagOfClass<View>(kContentViewTag), content);
    EXPECT_TRUE(notices(0).empty());
}

TEST_F(TypedLookup, AnswersAReferenceOfTheClassWithoutLookingAtAnyWindow) {
    window->close();
    const auto control = field(0);
    EXPECT_EQ(ViewWithTagOfClass<platform::Control>(control), control);
    EXPECT_TRUE(notices(0).empty());
}

TEST_F(TypedLookup, NoticesTellEachFailureInItsOwnWords) {
    const auto plain = plainView("7");
    content->addSubview(plain);
    const auto stray = plainView(nullptr);

    EXPECT_FALSE(ViewWithTagOfClass<platform::Control>(8));
    EXPECT_FALSE(ViewWithTagOfClass<platform::Control>(7));
    EXPECT_FALSE(ViewWithTagOfClass<platform::Control>(stray));
    EXPECT_FALSE(ViewWithTagOfClass<platform::Control>(2000000));
    EXPECT_FALSE(platform::testing::shownAlert()) << "notices show later, from the event loop";

    std::string seen;
    for (const auto& notice : notices(4))
        seen += notice.description() + "\n";
    EXPECT_EQ(seen, "alert warning [Tag error.] [Can't find view 8 in window 3.] <OK> <Quit>\n"
                    "alert warning [Class error.] [View 7 (View), in window 3, cannot respond to "
                    "Control messages.] <OK> <Quit>\n"
                    "alert warning [Class error.] [View " +
                        stray->description()->utf8() +
                        " cannot respond to Control messages.] <OK> <Quit>\n"
                        "alert warning [Tag error.] [Can't find view 2000000 in window 3.] <OK> "
                        "<Quit>\n");
}

TEST_F(TypedLookup, WithNoWindowAtAllSaysSo) {
    window->close();
    // A closed window counts among the application's windows while anything holds it.
    window.reset();
    content.reset();
    ASSERT_FALSE(FrontWindow()) << "a window of another test is still open";
    EXPECT_FALSE(ViewWithTagOfClass<platform::Control>(5));
    const auto seen = notices(1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].description(),
              "alert warning [Error.] [Can't find any windows.] <OK> <Quit>");
}

TEST_F(TypedLookup, TheUntypedLookupsPostNothing) {
    addAccessory(plainView("1"));
    EXPECT_FALSE(ViewWithTag(77));
    EXPECT_FALSE(SubviewWithTag(content, 77));
    EXPECT_FALSE(TitlebarViewWithTag(77));
    EXPECT_FALSE(ToolbarItemWithTag(77, 77));
    EXPECT_TRUE(notices(0).empty());
}

} // namespace
