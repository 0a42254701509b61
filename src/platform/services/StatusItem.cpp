#include "platform/services/StatusItem.h"

#include "platform/app/Application.h"
#include "platform/detail/QtStrings.h"
#include "platform/detail/StatusNotifierAdaptor.h"
#include "platform/foundation/String.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>

#include <unistd.h>

namespace platform {

namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

} // namespace

// Each item has a connection of its own, so that its name on the bus, which panels know it by,
// goes when the item goes.
struct StatusItemPeer {
    explicit StatusItemPeer(StatusItem& owner);
    ~StatusItemPeer();
    void registerWithWatcher();

    StatusItem& item;
    QString connectionName;
    QString serviceName;
    QDBusConnection connection;
    detail::StatusNotifierAdaptor::State state;
    QObject object;
    detail::StatusNotifierAdaptor* adaptor;
    QDBusServiceWatcher watcher;
    bool registered = false;
};

StatusItemPeer::StatusItemPeer(StatusItem& owner)
    : item(owner), connection(QString()),
      adaptor(new detail::StatusNotifierAdaptor(&object, state, [this] { item.sendAction(); })) {
    static int made = 0;
    ++made;
    connectionName = QStringLiteral("pondaro-status-item-%1").arg(made);
    serviceName = QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(::getpid()).arg(made);
    connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName);
    if (!connection.isConnected())
        return;
    connection.registerObject(QStringLiteral("/StatusNotifierItem"), &object,
                              QDBusConnection::ExportAdaptors);
    connection.registerService(serviceName);
    watcher.setConnection(connection);
    watcher.addWatchedService(kWatcher);
    watcher.setWatchMode(QDBusServiceWatcher::WatchForRegistration);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, &object,
                     [this] { registerWithWatcher(); });
    registerWithWatcher();
}

StatusItemPeer::~StatusItemPeer() {
    if (connection.isConnected()) {
        connection.unregisterObject(QStringLiteral("/StatusNotifierItem"));
        connection.unregisterService(serviceName);
    }
    QDBusConnection::disconnectFromBus(connectionName);
}

void StatusItemPeer::registerWithWatcher() {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kWatcher, QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << serviceName;
    auto* pending = new QDBusPendingCallWatcher(connection.asyncCall(call), &object);
    QObject::connect(pending, &QDBusPendingCallWatcher::finished, &object,
                     [this](QDBusPendingCallWatcher* done) {
                         registered = !done->isError();
                         done->deleteLater();
                     });
}

StatusItem::StatusItem(double length) : length_(length) {
    Application::shared();
    peer_ = std::make_unique<StatusItemPeer>(*this);
}

StatusItem::~StatusItem() = default;

void StatusItem::setTitle(Ref<String> title) {
    title_ = std::move(title);
    if (!peer_)
        return;
    peer_->state.title = detail::toQString(title_);
    emit peer_->adaptor->NewTitle();
}

void StatusItem::setImageName(Ref<String> name) {
    imageName_ = std::move(name);
    if (!peer_)
        return;
    peer_->state.iconName = detail::toQString(imageName_);
    emit peer_->adaptor->NewIcon();
}

void StatusItem::setVisible(bool visible) {
    visible_ = visible;
    if (!peer_)
        return;
    peer_->state.visible = visible;
    emit peer_->adaptor->NewStatus(peer_->adaptor->status());
}

bool StatusItem::isRegistered() const {
    return peer_ && peer_->registered;
}

void StatusItem::withdraw() {
    peer_.reset();
}

void StatusItem::sendAction() {
    const auto target = target_.lock();
    if (!target || action_.isNull())
        return;
    // The action may let the item go.
    const auto keep = self();
    action_.performOn(*target, keep);
}

} // namespace platform
