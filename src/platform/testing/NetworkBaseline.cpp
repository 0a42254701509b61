#include "platform/testing/NetworkBaseline.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace platform::testing {

std::int64_t downloadWithToolkit(const std::string& url, const std::string& path) {
    QNetworkAccessManager manager;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(QString::fromStdString(url))));
    std::int64_t written = 0;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::readyRead, &loop,
                     [&] { written += file.write(reply->readAll()); });
    QObject::connect(reply, &QNetworkReply::finished, &loop, [&] {
        written += file.write(reply->readAll());
        loop.quit();
    });
    loop.exec();
    reply->deleteLater();
    return written;
}

} // namespace platform::testing
