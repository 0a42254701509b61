#pragma once

// Internal to the platform: the toolkit's side of a URL session.

#include "platform/foundation/Object.h"

#include <QNetworkAccessManager>

#include <cstdint>

namespace platform {

class Data;
class Error;
class URL;

struct URLSessionPeer {
    QNetworkAccessManager manager;
};

namespace detail {

// An error of URLErrorDomain with the description, the failing URL when there is one, and the
// resume data of a download when there is some.
Ref<Error> urlError(std::int64_t code, const QString& description, const Ref<URL>& url,
                    const Ref<Data>& resumeData = nullptr);

} // namespace detail

} // namespace platform
