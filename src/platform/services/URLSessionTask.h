#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

class Data;
class Error;
class String;
class URL;
class URLSession;

// What the server answered: the URL it answered for (after redirects), the HTTP status (0 for a
// URL that is not HTTP), the length the server announced (-1 when it did not) and the MIME type.
class URLResponse : public Object {
public:
    URLResponse(Ref<platform::URL> url, std::int64_t statusCode, std::int64_t expectedContentLength,
                Ref<String> mimeType)
        : url_(std::move(url)), statusCode_(statusCode),
          expectedContentLength_(expectedContentLength), mimeType_(std::move(mimeType)) {}
    Ref<platform::URL> url() const { return url_; }
    std::int64_t statusCode() const { return statusCode_; }
    std::int64_t expectedContentLength() const { return expectedContentLength_; }
    Ref<String> MIMEType() const { return mimeType_; }

private:
    Ref<platform::URL> url_;
    std::int64_t statusCode_;
    std::int64_t expectedContentLength_;
    Ref<String> mimeType_;
};

// How a task went: its duration in seconds from resume to completion and the redirects it
// followed.
class URLSessionTaskMetrics : public Object {
public:
    URLSessionTaskMetrics(double taskInterval, std::int64_t redirectCount)
        : taskInterval_(taskInterval), redirectCount_(redirectCount) {}
    double taskInterval() const { return taskInterval_; }
    std::int64_t redirectCount() const { return redirectCount_; }

private:
    double taskInterval_;
    std::int64_t redirectCount_;
};

enum class URLSessionTaskState { Running = 0, Suspended = 1, Canceling = 2, Completed = 3 };
enum class URLSessionTaskKind { Data, Download, Upload, Stream };

struct URLSessionTaskPeer;

// One transfer of a session. A task is made suspended; resume starts it, once. The session keeps
// a running task alive until it has told its delegate that the task completed.
class URLSessionTask : public Object {
public:
    URLSessionTask(const Ref<URLSession>& session, URLSessionTaskKind kind,
                   std::uint64_t identifier, Ref<platform::URL> url, Ref<Data> body);
    ~URLSessionTask() override;

    URLSessionTaskKind kind() const { return kind_; }
    std::uint64_t taskIdentifier() const { return identifier_; }
    Ref<platform::URL> originalURL() const { return originalURL_; }
    // The URL of the last request, after redirects.
    Ref<platform::URL> currentURL() const { return currentURL_; }
    URLSessionTaskState state() const { return state_; }
    // None until the headers of the answer have arrived.
    Ref<URLResponse> response() const { return response_; }
    // None until the task completed with an error.
    Ref<Error> error() const { return error_; }
    std::int64_t countOfBytesReceived() const { return received_; }
    std::int64_t countOfBytesExpectedToReceive() const { return expected_; }
    std::int64_t countOfBytesSent() const { return sent_; }

    virtual void resume();
    // A running task completes with the cancelled error; a suspended one completes at once.
    virtual void cancel();
    // Cancels a running download and hands the handler the data that resumes it, before the
    // task completes; none when the server cannot send the rest of the same file (it offers no
    // byte ranges or no version tag) or nothing has arrived yet. The bytes so far stay in a file
    // of the system's temporary directory for the resumed task.
    void cancelByProducingResumeData(std::function<void(const Ref<Data>&)> completionHandler);

protected:
    // The task runs, in the state, as one of its session's; none when the session has gone.
    Ref<URLSession> startRunning(URLSessionTaskState state);
    // The task completed: the delegate hears the metrics and the completion, and the session
    // lets the task go.
    void ended(const Ref<URLSession>& session, const Ref<Error>& error,
               const Ref<URLSessionTaskMetrics>& metrics);

private:
    friend class URLSession;
    friend struct URLSessionTaskPeer;
    // The URL that resume data names; none when the data is not resume data.
    static Ref<platform::URL> resumedURL(const Ref<Data>& resumeData);
    std::weak_ptr<URLSession> session_;
    URLSessionTaskKind kind_;
    std::uint64_t identifier_;
    Ref<platform::URL> originalURL_;
    Ref<platform::URL> currentURL_;
    // The posted body of an upload; the resume data of a resumed download.
    Ref<Data> body_;
    URLSessionTaskState state_ = URLSessionTaskState::Suspended;
    Ref<URLResponse> response_;
    Ref<Error> error_;
    std::int64_t received_ = 0;
    std::int64_t expected_ = -1;
    std::int64_t sent_ = 0;
    std::unique_ptr<URLSessionTaskPeer> peer_;
};

} // namespace platform
