#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class Data;
class String;
class URL;
class URLSessionDelegate;
class URLSessionStreamTask;
class URLSessionTask;
enum class URLSessionTaskKind;

// The domain of the errors a URL session reports, with the framework's codes (-1004: could not
// connect to the host, -999: cancelled, ...).
Ref<String> URLErrorDomain();
// The userInfo key of the failing URL's text.
Ref<String> URLErrorFailingURLStringErrorKey();
// The userInfo key of the resume data of a download that failed part way.
Ref<String> URLSessionDownloadTaskResumeData();

struct URLSessionPeer;

// Runs HTTP transfers on the toolkit's network access and reports them to its delegate.
// Redirects are followed (never from HTTPS to HTTP); a server asking for credentials gets
// none, so the task completes with the server's 401 answer. HTTP statuses are answers, not
// errors: only a transfer that failed completes with an error.
class URLSession : public Object {
public:
    // The session keeps its delegate until it has been invalidated, as the framework does.
    static Ref<URLSession> sessionWithDelegate(std::shared_ptr<URLSessionDelegate> delegate);
    ~URLSession() override;

    std::shared_ptr<URLSessionDelegate> delegate() const { return delegate_; }

    // Each task's body arrives in pieces through URLSessionDataTaskDidReceiveData.
    Ref<URLSessionTask> dataTaskWithURL(const Ref<URL>& url);
    // Each task's body goes to a file of its own, handed to the delegate at the end.
    Ref<URLSessionTask> downloadTaskWithURL(const Ref<URL>& url);
    // Goes on with a download from where the resume data says it stopped: the server is asked
    // for the rest of the same version of the file. None when the data is not resume data.
    Ref<URLSessionTask> downloadTaskWithResumeData(const Ref<Data>& resumeData);
    // Posts the data; the answer's body arrives as a data task's does.
    Ref<URLSessionTask> uploadTaskWithURLFromData(const Ref<URL>& url, const Ref<Data>& body);

    // A TCP connection to the host, made when the task is resumed; none for a port outside
    // 0-65535.
    Ref<URLSessionStreamTask> streamTaskWithHostNamePort(const String& hostname, std::int64_t port);

    // No new task can be made; the delegate hears of the invalidation once the running tasks
    // have completed, and is then released.
    void finishTasksAndInvalidate();
    // As finishTasksAndInvalidate, cancelling the running tasks first.
    void invalidateAndCancel();

private:
    friend class URLSessionTask;
    friend struct URLSessionTaskPeer;
    URLSession();
    Ref<URLSessionTask> makeTask(URLSessionTaskKind kind, const Ref<URL>& url, Ref<Data> body);
    // A task ended: the session lets it go, and its invalidation may now complete.
    void taskEnded(const URLSessionTask& task);
    void invalidateWhenIdle();

    std::shared_ptr<URLSessionDelegate> delegate_;
    std::unique_ptr<URLSessionPeer> peer_;
    std::vector<Ref<URLSessionTask>> running_;
    std::uint64_t nextIdentifier_ = 1;
    bool invalidated_ = false;
    bool toldInvalid_ = false;
};

} // namespace platform
