// The tab view on its toolkit bar: what clicks, keys and the program select, what the delegate
// hears, and that only the selected item's view is shown, below the bar.

#include "platform/views/TabView.h"
#include "platform/app/Event.h"
#include "platform/detail/ViewPeer.h"
#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TabViewDelegate.h"
#include "platform/views/TabViewItem.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QTabBar>
#include <gtest/gtest.h>

#include <functional>

using namespace platform;
using platform::testing::UserActions;
using Key = UserActions::Key;

namespace {

// Hears " should B" and " did B", and refuses one label.
class Recorder : public TabViewDelegate {
public:
    bool tabViewShouldSelectTabViewItem(const Ref<TabView>&, const Ref<TabViewItem>& i) override {
        heard += " should " + i->label()->utf8();
        return i->label()->utf8() != refused;
    }
    void tabViewDidSelectTabViewItem(const Ref<TabView>&, const Ref<TabViewItem>& i) override {
        heard += " did " + i->label()->utf8();
    }
    std::string refused, heard;
};

// Three tabs, A, B and C, in a key window, the focus on the bar.
struct Tabs {
    Ref<Window> window = std::make_shared<Window>(Rect(9, 9, 300, 200), WindowStyleMask::Titled);
    Ref<TabView> tabs = std::make_shared<TabView>(Rect(0, 0, 300, 200));
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();

    Tabs() {
        for (const char* label : {"A", "B", "C"}) {
            tabs->addTabViewItem(std::make_shared<TabViewItem>());
            tabs->tabViewItems().back()->setLabel(String::fromUtf8(label));
        }
        window->contentView()->addSubview(tabs);
        window->makeKeyAndOrderFront();
        QApplication::processEvents();
        bar().setFocus();
        tabs->setDelegate(recorder);
    }
    ~Tabs() { window->close(); }
    QTabBar& bar() const { return *tabs->peer().widget->findChild<QTabBar*>(); }
};

using Act = std::function<void(Tabs&)>;

Act key(Key key, std::uint64_t flags = 0) {
    return [=](Tabs& t) { UserActions::pressKey(t.window, key, flags); };
}

Act clickTab(int index) {
    return [=](Tabs& t) {
        const QPoint at = t.bar().tabRect(index).center();
        UserActions::clickInView(t.tabs, {double(at.x()), t.tabs->bounds().height() - at.y()});
    };
}

// The selected item's label, and what the delegate heard.
TEST(TabViewSelection, ClicksKeysAndTheProgramSelectThroughTheDelegate) {
    constexpr auto ctrl = EventModifierFlag::Command;
    struct Case {
        const char* name;
        const char* refused;
        Act act;
        const char* outcome;
    };
    const Case cases[] = {
        {"click", "", clickTab(2), "C: should C did C"},
        {"refused click", "C", clickTab(2), "A: should C"},
        {"ctrl+shift+tab wraps", "", key(Key::Tab, ctrl | EventModifierFlag::Shift),
         "C: should C did C"},
        {"ctrl+page down", "", key(Key::PageDown, ctrl), "B: should B did B"},
        {"right arrow", "", key(Key::Right), "B: should B did B"},
        {"page down alone", "", key(Key::PageDown), "A:"},
        {"program", "B", [](Tabs& t) { t.tabs->selectTabViewItemAtIndex(1); }, "A: should B"},
        {"index outside", "", [](Tabs& t) { t.tabs->selectTabViewItemAtIndex(3); }, "A:"},
        {"removing the last selected selects the one before", "",
         [](Tabs& t) {
             t.tabs->selectTabViewItemAtIndex(2);
             t.tabs->removeTabViewItem(t.tabs->tabViewItemAtIndex(2));
         },
         "B: should C did C should B did B"},
        {"adding and removing before the selected", "",
         [](Tabs& t) {
             t.tabs->insertTabViewItemAtIndex(std::make_shared<TabViewItem>(), 0);
             t.tabs->removeTabViewItem(t.tabs->tabViewItemAtIndex(0));
         },
         "A:"},
    };
    for (const Case& c : cases) {
        Tabs t;
        t.recorder->refused = c.refused;
        c.act(t);
        const Ref<TabViewItem> selected = t.tabs->selectedTabViewItem();
        EXPECT_EQ(selected->label()->utf8() + ":" + t.recorder->heard, c.outcome) << c.name;
        // The bar shows the selection, and only the selected item's view is shown, below it.
        EXPECT_EQ(t.bar().currentIndex(), t.tabs->indexOfTabViewItem(selected)) << c.name;
        EXPECT_EQ(t.tabs->subviews(), std::vector<Ref<View>>{selected->view()}) << c.name;
        EXPECT_EQ(selected->view()->frame(), t.tabs->contentRect()) << c.name;
    }
}

} // namespace
