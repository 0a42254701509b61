#include "platform/views/TabView.h"

#include "platform/detail/ButtonWidget.h"
#include "platform/detail/ViewPeer.h"
#include "platform/foundation/String.h"
#include "platform/views/TabViewDelegate.h"
#include "platform/views/TabViewItem.h"

#include <QKeyEvent>
#include <QTabBar>

#include <algorithm>

namespace platform {

namespace {

// The keys that select another tab from anywhere in the tab view, and which way they go. The
// toolkit reports Shift+Tab as a back tab.
struct SwitchKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int step;
};

const SwitchKey kSwitchKeys[] = {
    {Qt::Key_Tab, Qt::ControlModifier, 1},
    {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, -1},
    {Qt::Key_PageDown, Qt::ControlModifier, 1},
    {Qt::Key_PageUp, Qt::ControlModifier, -1},
};

int switchStep(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    for (const SwitchKey& row : kSwitchKeys)
        if (row.key == event.key() && row.modifiers == modifiers)
            return row.step;
    return 0;
}

// The tab view's widget. The keys that switch tabs reach it from the focused widget inside it,
// which passes on what it does not use, as the toolkit's own tab widget takes them.
class TabViewWidget : public detail::ViewWidget<QWidget> {
public:
    using ViewWidget::ViewWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        auto& tabs = static_cast<TabView&>(receiver());
        if (const int step = switchStep(*event)) {
            if (step > 0)
                tabs.selectNextTabViewItem();
            else
                tabs.selectPreviousTabViewItem();
            event->accept();
            return;
        }
        ViewWidget::keyPressEvent(event);
    }
};

} // namespace

struct TabView::Toolkit {
    QTabBar* bar = nullptr;
    // The bar's height with a tab on it, so that the content rectangle does not change with
    // the number of items.
    int barHeight = 0;
    // Set while the program moves the bar's current tab, which then reports nothing.
    bool programmatic = false;
};

TabView::TabView(Rect frame)
    : View(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()) {
    peer().widget = new TabViewWidget(*this);
    toolkit_->bar = new QTabBar(peer().widget);
    toolkit_->bar->addTab(QStringLiteral("Tab"));
    toolkit_->barHeight = toolkit_->bar->sizeHint().height();
    toolkit_->bar->removeTab(0);
    setFrame(frame);
    placeBar();
    // The bar moves its current tab at a click, an arrow key or the wheel before anyone is
    // asked: it is moved back, and the selection goes the way every selection goes.
    QObject::connect(toolkit_->bar, &QTabBar::currentChanged, toolkit_->bar, [this](int index) {
        if (toolkit_->programmatic)
            return;
        const auto keep = weak_from_this().lock();
        showSelectedOnBar();
        selectTabViewItemAtIndex(index);
    });
}

TabView::~TabView() = default;

Ref<TabViewItem> TabView::tabViewItemAtIndex(std::int64_t index) const {
    return index >= 0 && index < numberOfTabViewItems() ? items_[index] : nullptr;
}

std::int64_t TabView::indexOfTabViewItem(const Ref<TabViewItem>& item) const {
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : found - items_.begin();
}

void TabView::addTabViewItem(const Ref<TabViewItem>& item) {
    insertTabViewItemAtIndex(item, numberOfTabViewItems());
}

void TabView::insertTabViewItemAtIndex(const Ref<TabViewItem>& item, std::int64_t index) {
    if (!item)
        return;
    const auto keep = weak_from_this().lock();
    if (const auto other = item->tabView())
        other->removeTabViewItem(item);
    index = std::clamp<std::int64_t>(index, 0, numberOfTabViewItems());
    items_.insert(items_.begin() + index, item);
    item->tabView_ = std::static_pointer_cast<TabView>(keep);
    if (item->view())
        item->view()->setFrame(contentRect());
    if (selected_ >= index)
        ++selected_;
    toolkit_->programmatic = true;
    toolkit_->bar->insertTab(static_cast<int>(index), detail::buttonText(item->label()));
    toolkit_->programmatic = false;
    showSelectedOnBar();
    if (selected_ < 0)
        selectTabViewItemAtIndex(index);
    numberOfItemsDidChange();
}

void TabView::removeTabViewItem(const Ref<TabViewItem>& item) {
    const std::int64_t index = indexOfTabViewItem(item);
    if (index < 0)
        return;
    const auto keep = weak_from_this().lock();
    const bool wasSelected = index == selected_;
    items_.erase(items_.begin() + index);
    item->tabView_.reset();
    toolkit_->programmatic = true;
    toolkit_->bar->removeTab(static_cast<int>(index));
    toolkit_->programmatic = false;
    if (wasSelected) {
        selected_ = -1;
        showView(item->view(), nullptr);
        selectTabViewItemAtIndex(index < numberOfTabViewItems() ? index : index - 1);
    } else if (index < selected_) {
        --selected_;
    }
    showSelectedOnBar();
    numberOfItemsDidChange();
}

Ref<TabViewItem> TabView::selectedTabViewItem() const {
    return tabViewItemAtIndex(selected_);
}

void TabView::selectTabViewItem(const Ref<TabViewItem>& item) {
    selectTabViewItemAtIndex(indexOfTabViewItem(item));
}

void TabView::selectTabViewItemAtIndex(std::int64_t index) {
    const Ref<TabViewItem> item = tabViewItemAtIndex(index);
    if (!item || index == selected_)
        return;
    const auto self = std::static_pointer_cast<TabView>(weak_from_this().lock());
    const auto delegate = delegate_.lock();
    if (delegate && !delegate->tabViewShouldSelectTabViewItem(self, item))
        return;
    if (delegate)
        delegate->tabViewWillSelectTabViewItem(self, item);
    // The delegate may have taken the item out, or selected another meanwhile.
    index = indexOfTabViewItem(item);
    if (index < 0 || index == selected_)
        return;
    const Ref<TabViewItem> old = selectedTabViewItem();
    selected_ = index;
    showView(old ? old->view() : nullptr, item->view());
    showSelectedOnBar();
    if (delegate)
        delegate->tabViewDidSelectTabViewItem(self, item);
}

void TabView::selectNextTabViewItem() {
    const std::int64_t count = numberOfTabViewItems();
    if (count > 0)
        selectTabViewItemAtIndex((selected_ + 1) % count);
}

void TabView::selectPreviousTabViewItem() {
    const std::int64_t count = numberOfTabViewItems();
    if (count > 0)
        selectTabViewItemAtIndex(selected_ <= 0 ? count - 1 : selected_ - 1);
}

Rect TabView::contentRect() const {
    const Rect all = bounds();
    return {all.origin, {all.width(), std::max(0.0, all.height() - toolkit_->barHeight)}};
}

void TabView::resizeSubviewsWithOldSize(Size) {
    placeBar();
    const Rect content = contentRect();
    for (const auto& item : items_)
        if (item->view())
            item->view()->setFrame(content);
}

void TabView::itemDidChange(const TabViewItem& item) {
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const auto& each) { return each.get() == &item; });
    if (found != items_.end())
        toolkit_->bar->setTabText(static_cast<int>(found - items_.begin()),
                                  detail::buttonText(item.label()));
}

void TabView::showView(const Ref<View>& old, const Ref<View>& shown) {
    if (old && old->superview().get() == this)
        old->removeFromSuperview();
    if (shown) {
        shown->setFrame(contentRect());
        addSubview(shown);
    }
}

void TabView::showSelectedOnBar() {
    if (selected_ < 0)
        return;
    toolkit_->programmatic = true;
    toolkit_->bar->setCurrentIndex(static_cast<int>(selected_));
    toolkit_->programmatic = false;
}

void TabView::placeBar() {
    toolkit_->bar->setGeometry(0, 0, static_cast<int>(frame().width()), toolkit_->barHeight);
}

void TabView::numberOfItemsDidChange() {
    if (const auto delegate = delegate_.lock())
        delegate->tabViewDidChangeNumberOfTabViewItems(
            std::static_pointer_cast<TabView>(weak_from_this().lock()));
}

} // namespace platform
