#include "platform/app/MainQueue.h"

#include "platform/app/Application.h"

#include <QCoreApplication>

namespace platform {

void MainQueue::async(std::function<void()> task) {
    if (!task)
        return;
    Application::shared();
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(task), Qt::QueuedConnection);
}

} // namespace platform
