#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Data;
class Error;
class URL;
class URLSession;
class URLSessionTask;
class URLSessionTaskMetrics;
class InputStream;
class OutputStream;

// What a URL session tells its delegate about its tasks, on the main thread, while a loop runs.
// Each method does nothing by default. The messages of one task come in this order: the
// pieces (data, written bytes or sent body bytes), the finished download, the metrics, the
// completion.
class URLSessionDelegate {
public:
    virtual ~URLSessionDelegate();

    // The session was invalidated and its last task has ended; none as the error when the
    // program asked for it.
    virtual void URLSessionDidBecomeInvalidWithError(const Ref<URLSession>& session,
                                                     const Ref<Error>& error);
    // The file exists only during this call: a delegate that keeps it moves or copies it.
    virtual void
    URLSessionDownloadTaskDidFinishDownloadingToURL(const Ref<URLSession>& session,
                                                    const Ref<URLSessionTask>& downloadTask,
                                                    const Ref<URL>& location);
    // A download made from resume data goes on at the offset (0 when the server sent the whole
    // file again); the expected total counts the bytes before the offset too.
    virtual void URLSessionDownloadTaskDidResumeAtOffsetExpectedTotalBytes(
        const Ref<URLSession>& session, const Ref<URLSessionTask>& downloadTask,
        std::int64_t fileOffset, std::int64_t expectedTotalBytes);
    // The expected total is -1 when the server does not say it.
    virtual void URLSessionDownloadTaskDidWriteDataTotalBytesWrittenTotalBytesExpectedToWrite(
        const Ref<URLSession>& session, const Ref<URLSessionTask>& downloadTask,
        std::int64_t bytesWritten, std::int64_t totalBytesWritten,
        std::int64_t totalBytesExpectedToWrite);
    // None as the error when the transfer succeeded, whatever the HTTP status.
    virtual void URLSessionTaskDidCompleteWithError(const Ref<URLSession>& session,
                                                    const Ref<URLSessionTask>& task,
                                                    const Ref<Error>& error);
    virtual void URLSessionTaskDidSendBodyDataTotalBytesSentTotalBytesExpectedToSend(
        const Ref<URLSession>& session, const Ref<URLSessionTask>& task, std::int64_t bytesSent,
        std::int64_t totalBytesSent, std::int64_t totalBytesExpectedToSend);
    virtual void
    URLSessionTaskDidFinishCollectingMetrics(const Ref<URLSession>& session,
                                             const Ref<URLSessionTask>& task,
                                             const Ref<URLSessionTaskMetrics>& metrics);
    // The streams of a stream task whose streams were captured, not yet open.
    virtual void URLSessionStreamTaskDidBecomeInputStreamOutputStream(
        const Ref<URLSession>& session, const Ref<URLSessionTask>& streamTask,
        const Ref<InputStream>& inputStream, const Ref<OutputStream>& outputStream);
    // The host of a stream task has ended what it sends.
    virtual void URLSessionReadClosedForStreamTask(const Ref<URLSession>& session,
                                                   const Ref<URLSessionTask>& streamTask);
    // A write of a stream task found that the host takes no more bytes.
    virtual void URLSessionWriteClosedForStreamTask(const Ref<URLSession>& session,
                                                    const Ref<URLSessionTask>& streamTask);
    // One piece of the body as it arrived.
    virtual void URLSessionDataTaskDidReceiveData(const Ref<URLSession>& session,
                                                  const Ref<URLSessionTask>& dataTask,
                                                  const Ref<Data>& data);
};

} // namespace platform
