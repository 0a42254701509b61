#include "platform/services/DistributedNotificationCenter.h"

#include "platform/app/Application.h"
#include "platform/detail/DesktopBus.h"
#include "platform/detail/QtStrings.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/services/NotificationCenter.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QObject>
#include <QVariantMap>

namespace platform {

namespace {

const QString kPath = QStringLiteral("/io/github/pondaro/DistributedNotifications");
const QString kInterface = QStringLiteral("io.github.pondaro.DistributedNotificationCenter");
const QString kMember = QStringLiteral("Posted");

QVariant toVariant(const Ref<Object>& value) {
    if (const auto string = value->as<String>())
        return detail::toQString(string);
    const auto number = value->as<Number>();
    if (!number)
        return {};
    if (number->isBool())
        return number->boolValue();
    if (number->isDouble())
        return number->doubleValue();
    return static_cast<qlonglong>(number->longValue());
}

Ref<Object> fromVariant(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return Number::numberWithBool(value.toBool());
    case QMetaType::Double:
        return Number::numberWithDouble(value.toDouble());
    case QMetaType::QString:
        return detail::fromQString(value.toString());
    default:
        return value.canConvert<qlonglong>() ? Number::numberWithInteger(value.toLongLong())
                                             : nullptr;
    }
}

} // namespace

struct DistributedNotificationPeer {
    // The application owns the subscription, so that it ends before the bus connection.
    QObject* listener = new QObject(QCoreApplication::instance());
};

DistributedNotificationCenter::DistributedNotificationCenter()
    : local_(std::make_shared<NotificationCenter>()) {
    Application::shared();
    peer_ = std::make_unique<DistributedNotificationPeer>();
    const WeakRef<NotificationCenter> local = local_;
    detail::DesktopBus::listen(
        detail::DesktopBus::Bus::Session, QString(), kPath, kInterface, kMember, peer_->listener,
        [local](const QDBusMessage& message) {
            const auto center = local.lock();
            const QList<QVariant> arguments = message.arguments();
            if (!center || arguments.size() != 3)
                return;
            const auto info = Dictionary::dictionary();
            const QVariantMap map = qdbus_cast<QVariantMap>(arguments[2]);
            for (auto entry = map.begin(); entry != map.end(); ++entry)
                if (auto value = fromVariant(entry.value()))
                    info->setObjectForKey(std::move(value), detail::fromQString(entry.key()));
            center->postNotification(std::make_shared<Notification>(
                detail::fromQString(arguments[0].toString()),
                arguments[1].toString().isEmpty() ? nullptr
                                                  : detail::fromQString(arguments[1].toString()),
                info));
        });
}

DistributedNotificationCenter::~DistributedNotificationCenter() = default;

Ref<DistributedNotificationCenter> DistributedNotificationCenter::defaultCenter() {
    static const Ref<DistributedNotificationCenter> center(new DistributedNotificationCenter);
    return center;
}

void DistributedNotificationCenter::addObserverSelectorNameObject(const Ref<Object>& observer,
                                                                  Selector selector,
                                                                  Ref<String> name,
                                                                  Ref<String> object) {
    if (!observer)
        return;
    // Objects arrive as new strings, so they are matched by value rather than by identity.
    const WeakRef<Object> weak = observer;
    local_->addObserverForNameObjectUsingBlock(
        observer, std::move(name), nullptr,
        [weak, selector, object](const Ref<Notification>& notification) {
            const auto target = weak.lock();
            if (!target ||
                (object && !(notification->object() && notification->object()->isEqual(*object))))
                return;
            selector.performOn(*target, notification);
        });
}

void DistributedNotificationCenter::removeObserver(const Object& observer) {
    local_->removeObserver(observer);
}

void DistributedNotificationCenter::postNotificationNameObjectUserInfo(
    const Ref<String>& name, const Ref<String>& object, const Ref<Dictionary>& userInfo) {
    if (!name)
        return;
    QVariantMap map;
    if (userInfo)
        for (const auto& entry : *userInfo) {
            const auto key = entry.key->as<String>();
            const QVariant value = toVariant(entry.value);
            if (key && value.isValid())
                map.insert(detail::toQString(key), value);
        }
    QDBusMessage message = QDBusMessage::createSignal(kPath, kInterface, kMember);
    message << detail::toQString(name) << (object ? detail::toQString(object) : QString()) << map;
    QDBusConnection bus = detail::DesktopBus::connection(detail::DesktopBus::Bus::Session);
    bus.send(message);
    // Sending only queues the signal; a round trip to the bus makes sure that it has left, so
    // that a program that posts and then ends does not lose the notification.
    bus.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")));
}

} // namespace platform
