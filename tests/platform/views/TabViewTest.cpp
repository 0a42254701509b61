// The tab view on its toolkit bar: what the user's clicks and keys and the program's changes
// select, what the delegate is asked and told on the way, and that only the selected item's view
// is shown, below the bar.

#include "platform/views/TabView.h"
#include "platform/app/Application.h"
#include "platform/app/Event.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TabViewDelegate.h"
#include "platform/views/TabViewItem.h"
#include "platform/views/TextField.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QTabBar>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;
using platform::testing::UserActions;
using Key = UserActions::Key;

namespace {

// Writes what it hears as "should B", "will B", "did B", "count 2", and refuses one label.
class Recorder : public TabViewDelegate {
public:
    bool tabViewShouldSelectTabViewItem(const Ref<TabView>&,
                                        const Ref<TabViewItem>& item) override {
        note("should", item);
        return item->label()->utf8() != refused;
    }
    void tabViewWillSelectTabViewItem(const Ref<TabView>&, const Ref<TabViewItem>& item) override {
        note("will", item);
    }
    void tabViewDidSelectTabViewItem(const Ref<TabView>&, const Ref<TabViewItem>& item) override {
        note("did", item);
    }
    void tabViewDidChangeNumberOfTabViewItems(const Ref<TabView>& tabs) override {
        heard += " count " + std::to_string(tabs->numberOfTabViewItems());
    }
    void note(const char* what, const Ref<TabViewItem>& item) {
        heard += std::string(" ") + what + " " + item->label()->utf8();
    }
    std::string refused;
    std::string heard;
};

// Three tabs, A, B and C, in a key window; the first tab's view holds a field with the focus.
struct Tabs {
    Ref<Window> window =
        std::make_shared<Window>(Rect(100, 100, 300, 200), WindowStyleMask::Titled);
    Ref<TabView> tabs = std::make_shared<TabView>(Rect(0, 0, 300, 200));
    Ref<TextField> field = std::make_shared<TextField>(Rect(10, 10, 120, 22));
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();

    Tabs() {
        for (const char* label : {"A", "B", "C"}) {
            auto item = std::make_shared<TabViewItem>(String::fromUtf8(label));
            item->setLabel(String::fromUtf8(label));
            tabs->addTabViewItem(item);
        }
        tabs->tabViewItemAtIndex(0)->view()->addSubview(field);
        window->contentView()->addSubview(tabs);
        window->makeKeyAndOrderFront();
        window->peer().widget->activateWindow();
        QApplication::processEvents();
        window->makeFirstResponder(field);
        tabs->setDelegate(recorder);
    }
    ~Tabs() { window->close(); }
    QTabBar& bar() const { return *tabs->peer().widget->findChild<QTabBar*>(); }
    void clickTab(int index) const {
        const QRect tab = bar().tabRect(index);
        UserActions::clickInView(tabs, {static_cast<double>(tab.center().x()),
                                        tabs->bounds().height() - tab.center().y()});
    }
    void press(Key key, std::uint64_t flags) const { UserActions::pressKey(window, key, flags); }
};

constexpr auto kCtrl = EventModifierFlag::Command;
constexpr auto kShift = EventModifierFlag::Shift;

// The selected item's label, and what the delegate heard.
TEST(TabViewSelection, ClicksKeysAndTheProgramSelectThroughTheDelegate) {
    struct Case {
        const char* name;
        const char* refused;
        void (*act)(Tabs&);
        const char* outcome;
    };
    const Case cases[] = {
        {"click", "", [](Tabs& t) { t.clickTab(2); }, "C: should C will C did C"},
        {"refused click", "C", [](Tabs& t) { t.clickTab(2); }, "A: should C"},
        {"click on the selected tab", "", [](Tabs& t) { t.clickTab(0); }, "A:"},
        {"ctrl+tab in the field", "", [](Tabs& t) { t.press(Key::Tab, kCtrl); },
         "B: should B will B did B"},
        {"ctrl+shift+tab wraps", "", [](Tabs& t) { t.press(Key::Tab, kCtrl | kShift); },
         "C: should C will C did C"},
        {"ctrl+page down", "", [](Tabs& t) { t.press(Key::PageDown, kCtrl); },
         "B: should B will B did B"},
        {"ctrl+page up wraps", "", [](Tabs& t) { t.press(Key::PageUp, kCtrl); },
         "C: should C will C did C"},
        {"page down alone", "", [](Tabs& t) { t.press(Key::PageDown, 0); }, "A:"},
        {"right arrow on the bar", "",
         [](Tabs& t) {
             t.bar().setFocus();
             t.press(Key::Right, 0);
         },
         "B: should B will B did B"},
        {"program", "B", [](Tabs& t) { t.tabs->selectTabViewItemAtIndex(1); }, "A: should B"},
        {"index outside", "", [](Tabs& t) { t.tabs->selectTabViewItemAtIndex(3); }, "A:"},
        {"removing the selected selects the next", "",
         [](Tabs& t) { t.tabs->removeTabViewItem(t.tabs->tabViewItemAtIndex(0)); },
         "B: should B will B did B count 2"},
        {"removing the last selected selects the one before", "",
         [](Tabs& t) {
             t.tabs->selectTabViewItemAtIndex(2);
             t.recorder->heard.clear();
             t.tabs->removeTabViewItem(t.tabs->tabViewItemAtIndex(2));
         },
         "B: should B will B did B count 2"},
        {"inserting before the selected", "",
         [](Tabs& t) {
             auto item = std::make_shared<TabViewItem>();
             item->setLabel(String::fromUtf8("D"));
             t.tabs->insertTabViewItemAtIndex(item, 0);
         },
         "A: count 4"},
    };
    for (const Case& c : cases) {
        Tabs t;
        t.recorder->refused = c.refused;
        c.act(t);
        const Ref<TabViewItem> selected = t.tabs->selectedTabViewItem();
        EXPECT_EQ(selected->label()->utf8() + ":" + t.recorder->heard, c.outcome) << c.name;
        // The bar shows the selection, and only the selected item's view is shown, below it.
        const std::int64_t index = t.tabs->indexOfTabViewItem(selected);
        EXPECT_EQ(t.bar().currentIndex(), index) << c.name;
        ASSERT_EQ(t.tabs->subviews().size(), 1u) << c.name;
        EXPECT_EQ(t.tabs->subviews()[0], selected->view()) << c.name;
        EXPECT_EQ(selected->view()->frame(), t.tabs->contentRect()) << c.name;
        EXPECT_LE(t.tabs->contentRect().maxY() + t.bar().height(), t.tabs->bounds().height() + 0.5)
            << c.name;
    }
}

} // namespace
