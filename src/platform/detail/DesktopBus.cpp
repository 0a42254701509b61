#include "platform/detail/DesktopBus.h"

#include <QObject>

namespace platform::detail {

namespace {

class SignalReceiver : public QObject {
    Q_OBJECT
public:
    SignalReceiver(std::function<void(const QDBusMessage&)> handler, QObject* owner)
        : QObject(owner), handler_(std::move(handler)) {}

public slots:
    void receive(const QDBusMessage& message) { handler_(message); }

private:
    std::function<void(const QDBusMessage&)> handler_;
};

} // namespace

QDBusConnection DesktopBus::connection(Bus bus) {
    const QString name =
        bus == Bus::Session ? QStringLiteral("pondaro-session") : QStringLiteral("pondaro-system");
    QDBusConnection connection = QDBusConnection(name);
    if (connection.isConnected())
        return connection;
    QDBusConnection::disconnectFromBus(name);
    return QDBusConnection::connectToBus(
        bus == Bus::Session ? QDBusConnection::SessionBus : QDBusConnection::SystemBus, name);
}

bool DesktopBus::listen(Bus bus, const QString& service, const QString& path,
                        const QString& interface, const QString& member, QObject* owner,
                        std::function<void(const QDBusMessage&)> handler) {
    auto* receiver = new SignalReceiver(std::move(handler), owner);
    if (connection(bus).connect(service, path, interface, member, receiver,
                                SLOT(receive(QDBusMessage))))
        return true;
    delete receiver;
    return false;
}

} // namespace platform::detail

#include "DesktopBus.moc"
