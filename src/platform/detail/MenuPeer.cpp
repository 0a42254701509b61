#include "platform/detail/MenuPeer.h"

#include "platform/app/Event.h"
#include "platform/app/MainQueue.h"
#include "platform/detail/EventTranslation.h"
#include "platform/detail/QtStrings.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuDelegate.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace platform::detail {

namespace {

// Menus take '&' for the mark of a mnemonic; our titles show it as it is.
QString titleText(const Ref<String>& title) {
    return toQString(title).replace(u'&', QStringLiteral("&&"));
}

// The item's key equivalent as the toolkit writes shortcuts ("Ctrl+Q"); empty for none.
QString keyEquivalentText(const MenuItem& item) {
    const QKeyCombination keys =
        toolkitKeyEquivalent(*item.keyEquivalent(), item.keyEquivalentModifierMask());
    // Menus show only printable key equivalents.
    if (keys.key() == Qt::Key_unknown || keys.key() == Qt::Key_Return ||
        keys.key() == Qt::Key_Escape)
        return {};
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}

enum class Delivery { AtOnce, AfterTheMenuCloses };

void addItems(const Ref<Menu>& menu, QWidget& shown, Delivery delivery) {
    const bool inMenu = qobject_cast<QMenu*>(&shown) != nullptr;
    for (const auto& item : menu->itemArray()) {
        if (item->isSeparatorItem()) {
            auto* separator = new QAction(&shown);
            separator->setSeparator(true);
            shown.addAction(separator);
        } else if (const auto submenu = item->submenu()) {
            auto* sub = new QMenu(titleText(submenu->title()), &shown);
            tellMenuDelegate(submenu, *sub);
            addItems(submenu, *sub, delivery);
            sub->menuAction()->setText(titleText(item->title()));
            shown.addAction(sub->menuAction());
        } else {
            QString text = titleText(item->title());
            // A menu shows the text after a tab as the item's shortcut, without taking the key.
            if (const QString keys = keyEquivalentText(*item); inMenu && !keys.isEmpty())
                text += u'\t' + keys;
            auto* action = new QAction(text, &shown);
            action->setEnabled(item->isValidated());
            // A menu of the bar is made once and shown many times: each showing asks again.
            if (auto* shownMenu = qobject_cast<QMenu*>(&shown))
                QObject::connect(shownMenu, &QMenu::aboutToShow, action,
                                 [action, item] { action->setEnabled(item->isValidated()); });
            if (delivery == Delivery::AtOnce)
                QObject::connect(action, &QAction::triggered, [item] { item->performAction(); });
            else
                QObject::connect(action, &QAction::triggered,
                                 [item] { MainQueue::async([item] { item->performAction(); }); });
            shown.addAction(action);
        }
    }
}

} // namespace

// Tells the menu's delegate when the toolkit menu showing it opens and closes, and when another
// item is highlighted (the toolkit repeats the highlight of the same item on each press).
// The menu holds one action per item, in the items' order.
void tellMenuDelegate(const Ref<Menu>& menu, QMenu& shown) {
    auto highlighted = std::make_shared<QPointer<QAction>>();
    QObject::connect(&shown, &QMenu::hovered, &shown, [menu, highlighted, &shown](QAction* action) {
        if (*highlighted == action)
            return;
        *highlighted = action;
        const auto delegate = menu->delegate();
        if (const auto item = menu->itemAtIndex(shown.actions().indexOf(action)); delegate && item)
            delegate->menuWillHighlightItem(menu, item);
    });
    QObject::connect(&shown, &QMenu::aboutToShow, &shown, [menu, highlighted] {
        *highlighted = nullptr;
        if (const auto delegate = menu->delegate()) {
            delegate->menuNeedsUpdate(menu);
            delegate->menuWillOpen(menu);
        }
    });
    QObject::connect(&shown, &QMenu::aboutToHide, &shown, [menu] {
        if (const auto delegate = menu->delegate())
            delegate->menuDidClose(menu);
    });
}

QMenu* makeToolkitMenu(const Ref<Menu>& menu, QWidget* parent) {
    auto* shown = new QMenu(titleText(menu->title()), parent);
    tellMenuDelegate(menu, *shown);
    addItems(menu, *shown, Delivery::AtOnce);
    return shown;
}

QMenuBar* makeToolkitMenuBar(const Ref<Menu>& menu, QWidget* parent) {
    auto* bar = new QMenuBar(parent);
    // The bar is a strip of the window, never handed to a desktop-wide menu.
    bar->setNativeMenuBar(false);
    addItems(menu, *bar, Delivery::AfterTheMenuCloses);
    return bar;
}

bool showContextMenu(View& view, QWidget& widget, const QContextMenuEvent& event) {
    const auto window = view.window();
    Event::Fields fields;
    fields.type = EventType::RightMouseDown;
    fields.modifierFlags = translateModifiers(event.modifiers());
    fields.buttonNumber = 1;
    fields.clickCount = 1;
    if (window) {
        QWidget* top = window->peer().widget;
        const QPoint inTop = widget.mapTo(top, event.pos());
        fields.locationInWindow = {static_cast<double>(inTop.x()),
                                   static_cast<double>(top->height() - inTop.y())};
    }
    const auto menu = view.menuForEvent(std::make_shared<Event>(fields, window));
    if (!menu)
        return false;
    QMenu* shown = makeToolkitMenu(menu, &widget);
    shown->setAttribute(Qt::WA_DeleteOnClose);
    shown->popup(event.globalPos());
    return true;
}

} // namespace platform::detail
