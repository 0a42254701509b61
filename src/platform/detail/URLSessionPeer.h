#pragma once

// Internal to the platform: the toolkit's side of a URL session.

#include <QNetworkAccessManager>

namespace platform {

struct URLSessionPeer {
    QNetworkAccessManager manager;
};

} // namespace platform
