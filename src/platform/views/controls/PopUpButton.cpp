#include "platform/views/controls/PopUpButton.h"

#include "platform/detail/ButtonWidget.h"
#include "platform/detail/MenuPeer.h"
#include "platform/foundation/String.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

#include <QMenu>
#include <QPushButton>

#include <cmath>

namespace platform {

struct PopUpButton::Toolkit {
    QPushButton* widget = nullptr;
};

PopUpButton::PopUpButton(Rect frame, bool pullsDown)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()),
      menu_(std::make_shared<Menu>(String::fromUtf8(""))), pullsDown_(pullsDown) {
    toolkit_->widget = new detail::ButtonWidget<QPushButton>(*this);
    peer().widget = toolkit_->widget;
    setFrame(frame);
    QObject::connect(toolkit_->widget, &QPushButton::clicked, toolkit_->widget,
                     [this] { performClick(); });
}

PopUpButton::~PopUpButton() = default;

void PopUpButton::setPullsDown(bool pullsDown) {
    pullsDown_ = pullsDown;
    showTitle();
}

void PopUpButton::setItemMenu(Ref<Menu> menu) {
    menu_ = menu ? std::move(menu) : std::make_shared<Menu>(String::fromUtf8(""));
    selectItemAtIndex(numberOfItems() > 0 ? 0 : -1);
}

void PopUpButton::addItemWithTitle(const Ref<String>& title) {
    menu_->addItem(std::make_shared<MenuItem>(title, Selector(), String::fromUtf8("")));
    // The first item of a pop-up button is selected as it comes.
    if (selected_ < 0)
        selected_ = 0;
    showTitle();
}

void PopUpButton::removeAllItems() {
    while (menu_->numberOfItems() > 0)
        menu_->removeItem(menu_->itemAtIndex(0));
    selected_ = -1;
    showTitle();
}

std::int64_t PopUpButton::numberOfItems() const {
    return menu_->numberOfItems();
}

Ref<MenuItem> PopUpButton::itemAtIndex(std::int64_t index) const {
    return menu_->itemAtIndex(index);
}

std::int64_t PopUpButton::indexOfSelectedItem() const {
    // Items the program removed from the menu directly take the selection with them.
    return selected_ < numberOfItems() ? selected_ : -1;
}

void PopUpButton::selectItemAtIndex(std::int64_t index) {
    selected_ = index >= 0 && index < numberOfItems() ? index : -1;
    showTitle();
}

Ref<String> PopUpButton::titleOfSelectedItem() const {
    const auto item = selectedItem();
    return item ? item->title() : String::fromUtf8("");
}

void PopUpButton::setDoubleValue(double value) {
    selectItemAtIndex(std::isnan(value) ? -1 : static_cast<std::int64_t>(value));
}

void PopUpButton::showTitle() {
    const auto item = pullsDown_ ? itemAtIndex(0) : selectedItem();
    toolkit_->widget->setText(item ? detail::buttonText(item->title()) : QString());
}

void PopUpButton::performClick() {
    if (!isEnabled())
        return;
    QPushButton* button = toolkit_->widget;
    auto* shown = new QMenu(button);
    shown->setAttribute(Qt::WA_DeleteOnClose);
    QAction* selected = nullptr;
    for (std::int64_t i = 0; i < numberOfItems(); ++i) {
        const auto item = itemAtIndex(i);
        if (item->isSeparatorItem()) {
            shown->addSeparator();
            continue;
        }
        QAction* action = shown->addAction(detail::buttonText(item->title()));
        // A pull-down button's first item is its title, not one of its choices.
        action->setVisible(!pullsDown_ || i > 0);
        action->setEnabled(item->isValidated());
        if (!pullsDown_ && i == indexOfSelectedItem()) {
            action->setCheckable(true);
            action->setChecked(true);
            selected = action;
        }
        QObject::connect(action, &QAction::triggered, button, [this, i] { userChose(i); });
    }
    detail::tellMenuDelegate(menu_, *shown);
    shown->setMinimumWidth(button->width());
    if (selected)
        shown->popup(button->mapToGlobal(QPoint(0, 0)), selected);
    else
        shown->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void PopUpButton::userChose(std::int64_t index) {
    const auto keep = shared_from_this(); // the actions may close the window
    const auto item = itemAtIndex(index);
    if (!item)
        return;
    selectItemAtIndex(index);
    if (!item->action().isNull())
        item->performAction();
    sendAction();
}

} // namespace platform
