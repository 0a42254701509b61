#include "platform/testing/StatusWatcher.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QObject>

namespace platform::testing {

namespace {

const QString kName = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kConnection = QStringLiteral("pondaro-test-status-watcher");

class WatcherObject : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")

public:
    explicit WatcherObject(const QDBusConnection& connection) {
        gone_.setConnection(connection);
        gone_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(&gone_, &QDBusServiceWatcher::serviceUnregistered, this,
                [this](const QString& service) {
                    items.removeAll(service);
                    gone_.removeWatchedService(service);
                });
    }

    QStringList items;

public slots:
    void RegisterStatusNotifierItem(const QString& service) {
        if (!items.contains(service))
            items.append(service);
        gone_.addWatchedService(service);
    }
    void RegisterStatusNotifierHost(const QString&) {}

private:
    QDBusServiceWatcher gone_;
};

} // namespace

struct StatusWatcher::Peer {
    QDBusConnection connection =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnection);
    WatcherObject object{connection};

    QDBusMessage call(const QString& item, const QString& interface, const QString& member,
                      const QList<QVariant>& arguments) const {
        QDBusMessage message = QDBusMessage::createMethodCall(
            item, QStringLiteral("/StatusNotifierItem"), interface, member);
        message.setArguments(arguments);
        // The item may live in this process: the call lets events run while it waits.
        return connection.call(message, QDBus::BlockWithGui);
    }
};

StatusWatcher::StatusWatcher() : peer_(std::make_unique<Peer>()) {
    peer_->connection.registerObject(QStringLiteral("/StatusNotifierWatcher"), &peer_->object,
                                     QDBusConnection::ExportAllSlots);
    peer_->connection.registerService(kName);
}

StatusWatcher::~StatusWatcher() {
    peer_->connection.unregisterService(kName);
    peer_->connection.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    peer_.reset();
    QDBusConnection::disconnectFromBus(kConnection);
}

std::vector<std::string> StatusWatcher::items() const {
    std::vector<std::string> names;
    for (const QString& item : peer_->object.items)
        names.push_back(item.toStdString());
    return names;
}

std::string StatusWatcher::property(const std::string& item, const std::string& name) const {
    const QDBusMessage reply =
        peer_->call(QString::fromStdString(item), QStringLiteral("org.freedesktop.DBus.Properties"),
                    QStringLiteral("Get"),
                    {QStringLiteral("org.kde.StatusNotifierItem"), QString::fromStdString(name)});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments()[0].value<QDBusVariant>().variant().toString().toStdString();
}

void StatusWatcher::activate(const std::string& item) const {
    peer_->call(QString::fromStdString(item), QStringLiteral("org.kde.StatusNotifierItem"),
                QStringLiteral("Activate"), {0, 0});
}

} // namespace platform::testing

#include "StatusWatcher.moc"
