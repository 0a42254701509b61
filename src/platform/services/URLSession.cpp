#include "platform/services/URLSession.h"

#include "platform/detail/URLSessionPeer.h"
#include "platform/foundation/String.h"
#include "platform/services/URLSessionDelegate.h"
#include "platform/services/URLSessionStreamTask.h"
#include "platform/services/URLSessionTask.h"

#include <algorithm>

namespace platform {

Ref<String> URLErrorDomain() {
    static const auto domain = String::fromUtf8("NSURLErrorDomain");
    return domain;
}

Ref<String> URLErrorFailingURLStringErrorKey() {
    static const auto key = String::fromUtf8("NSErrorFailingURLStringKey");
    return key;
}

Ref<String> URLSessionDownloadTaskResumeData() {
    static const auto key = String::fromUtf8("NSURLSessionDownloadTaskResumeData");
    return key;
}

URLSession::URLSession() : peer_(std::make_unique<URLSessionPeer>()) {
    peer_->manager.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

URLSession::~URLSession() = default;

Ref<URLSession> URLSession::sessionWithDelegate(std::shared_ptr<URLSessionDelegate> delegate) {
    Ref<URLSession> session(new URLSession);
    session->delegate_ = std::move(delegate);
    return session;
}

Ref<URLSessionTask> URLSession::makeTask(URLSessionTaskKind kind, const Ref<URL>& url,
                                         Ref<Data> body) {
    if (invalidated_ || !url)
        return nullptr;
    return std::make_shared<URLSessionTask>(std::static_pointer_cast<URLSession>(self()), kind,
                                            nextIdentifier_++, url, std::move(body));
}

Ref<URLSessionTask> URLSession::dataTaskWithURL(const Ref<URL>& url) {
    return makeTask(URLSessionTaskKind::Data, url, nullptr);
}

Ref<URLSessionTask> URLSession::downloadTaskWithURL(const Ref<URL>& url) {
    return makeTask(URLSessionTaskKind::Download, url, nullptr);
}

Ref<URLSessionTask> URLSession::downloadTaskWithResumeData(const Ref<Data>& resumeData) {
    const auto url = URLSessionTask::resumedURL(resumeData);
    return url ? makeTask(URLSessionTaskKind::Download, url, resumeData) : nullptr;
}

Ref<URLSessionTask> URLSession::uploadTaskWithURLFromData(const Ref<URL>& url,
                                                          const Ref<Data>& body) {
    return makeTask(URLSessionTaskKind::Upload, url, body);
}

Ref<URLSessionStreamTask> URLSession::streamTaskWithHostNamePort(const String& hostname,
                                                                 std::int64_t port) {
    if (invalidated_ || port < 0 || port > 65535)
        return nullptr;
    return std::make_shared<URLSessionStreamTask>(std::static_pointer_cast<URLSession>(self()),
                                                  nextIdentifier_++, hostname,
                                                  static_cast<std::uint16_t>(port));
}

void URLSession::taskEnded(const URLSessionTask& task) {
    std::erase_if(running_, [&](const Ref<URLSessionTask>& t) { return t.get() == &task; });
    invalidateWhenIdle();
}

void URLSession::finishTasksAndInvalidate() {
    invalidated_ = true;
    invalidateWhenIdle();
}

void URLSession::invalidateAndCancel() {
    invalidated_ = true;
    // Cancelling completes tasks, which changes the list.
    const auto tasks = running_;
    for (const auto& task : tasks)
        task->cancel();
    invalidateWhenIdle();
}

void URLSession::invalidateWhenIdle() {
    if (!invalidated_ || toldInvalid_ || !running_.empty())
        return;
    toldInvalid_ = true;
    const auto keep = self();
    const auto delegate = std::move(delegate_);
    if (delegate)
        delegate->URLSessionDidBecomeInvalidWithError(std::static_pointer_cast<URLSession>(keep),
                                                      nullptr);
}

} // namespace platform
