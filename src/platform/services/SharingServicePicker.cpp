#include "platform/services/SharingServicePicker.h"

#include "platform/detail/QtStrings.h"
#include "platform/detail/ViewPeer.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/services/SharingService.h"
#include "platform/services/SharingServicePickerDelegate.h"
#include "platform/views/View.h"

#include <QMenu>

namespace platform {

void SharingServicePicker::showRelativeToRectOfViewPreferredEdge(Rect rect, const Ref<View>& view,
                                                                 std::uint64_t) {
    QWidget* widget = view ? view->peer().widget.data() : nullptr;
    if (!widget)
        return;
    const auto keep = std::static_pointer_cast<SharingServicePicker>(self());
    const auto proposed = SharingService::sharingServicesForItems(items_);
    const auto listener = delegate_.lock();
    const auto offered =
        listener ? listener->sharingServicePickerSharingServicesForItemsProposedSharingServices(
                       keep, items_, proposed)
                 : proposed;
    if (!offered || offered->count() == 0)
        return;
    auto* menu = new QMenu(widget);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto chosen = std::make_shared<bool>(false);
    for (const auto& entry : *offered)
        if (const auto service = entry->as<SharingService>())
            QObject::connect(menu->addAction(detail::toQString(service->title())),
                             &QAction::triggered, menu, [keep, service, chosen] {
                                 *chosen = true;
                                 keep->choose(service);
                             });
    // The chosen action fires after the menu hides: a dismissal is known only afterwards.
    QObject::connect(menu, &QMenu::aboutToHide, menu, [keep, chosen] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [keep, chosen] {
                if (!*chosen)
                    keep->choose(nullptr);
            },
            Qt::QueuedConnection);
    });
    const double below = view->isFlipped() ? rect.origin.y + rect.size.height
                                           : view->bounds().size.height - rect.origin.y;
    menu->popup(
        widget->mapToGlobal(QPoint(static_cast<int>(rect.origin.x), static_cast<int>(below))));
}

void SharingServicePicker::choose(const Ref<Object>& chosen) {
    const auto keep = std::static_pointer_cast<SharingServicePicker>(self());
    const auto service = std::static_pointer_cast<SharingService>(chosen);
    const auto listener = delegate_.lock();
    if (listener)
        listener->sharingServicePickerDidChooseSharingService(keep, service);
    if (!service)
        return;
    if (listener)
        service->setDelegate(
            listener->sharingServicePickerDelegateForSharingService(keep, service));
    service->performWithItems(items_);
}

} // namespace platform
