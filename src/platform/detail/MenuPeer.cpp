#include "platform/detail/MenuPeer.h"

#include "platform/Event.h"
#include "platform/Menu.h"
#include "platform/MenuItem.h"
#include "platform/String.h"
#include "platform/View.h"
#include "platform/Window.h"
#include "platform/detail/EventTranslation.h"
#include "platform/detail/WindowPeer.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace platform::detail {

namespace {

QString toolkitText(const Ref<String>& text) {
    return text ? QString::fromStdU16String(text->utf16()) : QString();
}

} // namespace

QMenu* makeToolkitMenu(const Ref<Menu>& menu, QWidget* parent) {
    auto* shown = new QMenu(toolkitText(menu->title()), parent);
    for (const auto& item : menu->itemArray()) {
        if (item->isSeparatorItem()) {
            shown->addSeparator();
        } else if (const auto submenu = item->submenu()) {
            shown->addMenu(makeToolkitMenu(submenu, shown))->setText(toolkitText(item->title()));
        } else {
            QAction* action = shown->addAction(toolkitText(item->title()));
            action->setEnabled(item->isEnabled());
            QObject::connect(action, &QAction::triggered, [item] { item->performAction(); });
        }
    }
    return shown;
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
