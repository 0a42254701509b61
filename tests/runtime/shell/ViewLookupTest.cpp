// Finding views by tag: the rule that reads a view's tag, the order of the search, the toolbar
// items, and the notices of the typed lookup.

#include "ShellTesting.h"

#include "runtime/shell/ViewLookup.h"

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

namespace {

Ref<View> plainView(const char* identifier) {
    auto view = std::make_shared<View>(platform::Rect{0, 0, 50, 20});
    view->setIdentifier(text(identifier));
    return view;
}

Ref<platform::TextField> field(std::int64_t tag, const char* identifier = nullptr) {
    auto control = std::make_shared<platform::TextField>(platform::Rect{0, 0, 80, 22});
    control->setTag(tag);
    control->setIdentifier(text(identifier));
    return control;
}

Ref<platform::ToolbarItem> toolbarItem(std::int64_t tag, Ref<View> view = nullptr) {
    auto item = std::make_shared<platform::ToolbarItem>(text("item"));
    item->setTag(tag);
    item->setView(std::move(view));
    return item;
}

class ViewLookup : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        window = openWindow(3);
        content = window->contentView();
    }
    void TearDown() override {
        for (const auto& toolbar : registered)
            ToolbarRegistry()->removeObjectAtIndex(
                static_cast<std::size_t>(ToolbarRegistry()->indexOfObject(toolbar)));
        ShellTest::TearDown();
    }

    Ref<platform::Toolbar> registerToolbar(const char* identifier) {
        auto toolbar = std::make_shared<platform::Toolbar>(text(identifier));
        ToolbarRegistry()->addObject(toolbar);
        registered.push_back(toolbar);
        return toolbar;
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

// Plain views are tagged by their identifier, others by their own tag; the search goes depth
// first in subview order, below the view it starts from, and tags name views up to the threshold.
TEST_F(ViewLookup, ReadsTagsByTheViewsKindAndSearchesDepthFirst) {
    const auto plain = plainView("12");
    const auto effect = std::make_shared<platform::VisualEffectView>();
    effect->setIdentifier(text("13"));
    const auto control = field(14, "99");
    const auto deep = field(4);
    plain->addSubview(plainView(nullptr));
    plain->subviews()[0]->addSubview(deep);
    const auto top = field(1000000);
    for (const auto& view :
         {Ref<View>(plain), Ref<View>(effect), Ref<View>(control), Ref<View>(field(4)),
          Ref<View>(field(0)), Ref<View>(field(1000001)), Ref<View>(top)})
        content->addSubview(view);

    EXPECT_EQ(ViewWithTag(12), plain);
    EXPECT_EQ(ViewWithTag(13), effect);
    EXPECT_EQ(ViewWithTag(14), control);
    EXPECT_FALSE(ViewWithTag(99)) << "a control's identifier is not its tag";
    EXPECT_EQ(ViewTag(*plain), 12);
    EXPECT_EQ(SubviewWithTag(content, 4), deep);
    EXPECT_EQ(SubviewWithTag(plain, 12), nullptr) << "the container itself is not compared";
    EXPECT_EQ(SubviewWithTag(nullptr, 4), nullptr);
    EXPECT_EQ(ViewWithTag(kContentViewTag), content);
    EXPECT_EQ(ViewWithTag(1000000), top);
    EXPECT_FALSE(ViewWithTag(0));
    EXPECT_FALSE(ViewWithTag(1000001));
    const auto elsewhere = field(5);
    EXPECT_EQ(ViewWithTag(elsewhere), elsewhere) << "not in any window, and still answered";
    EXPECT_FALSE(ViewWithTag(Ref<platform::Object>(text("5"))));
}

TEST_F(ViewLookup, SearchesTheCurrentOutputWindowAndElseTheFrontWindow) {
    content->addSubview(field(6));
    openWindow(4);
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

TEST_F(ViewLookup, FindsToolbarItemsAndTheirViewsOnlyInRegisteredToolbars) {
    const auto toolbar = registerToolbar("8");
    const auto item = toolbarItem(2);
    toolbar->insertItemAtIndex(toolbarItem(1), 0);
    toolbar->insertItemAtIndex(item, 1);
    const auto loose = toolbarItem(2);
    EXPECT_EQ(ToolbarItemWithTag(8, 2), item);
    EXPECT_EQ(ToolbarItemWithTag(toolbar, 2), item);
    EXPECT_EQ(ToolbarItemWithTag(0, loose), loose) << "an item reference needs no toolbar";
    EXPECT_FALSE(ToolbarItemWithTag(0, 2));
    EXPECT_FALSE(ToolbarItemWithTag(9, 2));
    EXPECT_FALSE(ToolbarItemWithTag(8, 3));

    const auto unregistered = std::make_shared<platform::Toolbar>(text("10"));
    unregistered->insertItemAtIndex(toolbarItem(40, field(0)), 0);
    EXPECT_FALSE(ToolbarItemWithTag(10, 40)) << "only registered toolbars have tags";
    window->setToolbar(unregistered);
    EXPECT_FALSE(ViewWithTag(40));
    const auto own = registerToolbar("8");
    const auto itemView = field(0);
    own->insertItemAtIndex(toolbarItem(40, itemView), 0);
    window->setToolbar(own);
    EXPECT_EQ(ViewWithTag(40), itemView) << "the window's own toolbar, not the first with its tag";
}

TEST_F(ViewLookup, TheTypedLookupAnswersAViewOrReferenceOfTheClassAndPostsNothing) {
    const auto control = field(7);
    content->addSubview(control);
    EXPECT_EQ(ViewWithTagOfClass<platform::Control>(7), control);
    EXPECT_EQ(ViewWithTagOfClass<platform::TextField>(7), control);
    EXPECT_EQ(ViewWithTagOfClass<View>(kContentViewTag), content);
    const auto loose = field(0);
    EXPECT_EQ(ViewWithTagOfClass<platform::Control>(loose), loose);
    addAccessory(plainView("1"));
    EXPECT_FALSE(ViewWithTag(77));
    EXPECT_FALSE(SubviewWithTag(content, 77));
    EXPECT_FALSE(TitlebarViewWithTag(77));
    EXPECT_FALSE(ToolbarItemWithTag(77, 77));
    EXPECT_EQ(answerNotices(0), "") << "only the typed lookup's failures post notices";
}

TEST_F(ViewLookup, TheTypedLookupsNoticesTellEachFailureInItsOwnWords) {
    content->addSubview(plainView("7"));
    const auto stray = plainView(nullptr);
    EXPECT_FALSE(ViewWithTagOfClass<platform::Control>(8));
    EXPECT_FALSE(ViewWithTagOfClass<platform::Control>(7));
    EXPECT_FALSE(ViewWithTagOfClass<platform::Control>(stray));
    EXPECT_FALSE(ViewWithTagOfClass<platform::Control>(2000000));
    EXPECT_FALSE(platform::testing::shownAlert()) << "notices show later, from the event loop";
    EXPECT_EQ(answerNotices(4),
              "alert warning [Tag error.] [Can't find view 8 in window 3.] <OK> <Quit>\n"
              "alert warning [Class error.] [View 7 (View), in window 3, cannot respond to "
              "Control messages.] <OK> <Quit>\n"
              "alert warning [Class error.] [View " +
                  stray->description()->utf8() +
                  " cannot respond to Control messages.] <OK> <Quit>\n"
                  "alert warning [Tag error.] [Can't find view 2000000 in window 3.] <OK> "
                  "<Quit>\n");

    window->close();
    // A closed window counts among the application's windows while anything holds it.
    window.reset();
    content.reset();
    ASSERT_FALSE(FrontWindow()) << "a window of another test is still open";
    EXPECT_FALSE(ViewWithTagOfClass<platform::Control>(5));
    EXPECT_EQ(answerNotices(1), "alert warning [Error.] [Can't find any windows.] <OK> <Quit>\n");
}

} // namespace
