#pragma once

// The delegate a program gives a URL session. Each message becomes a URL session event (see
// EventCodes.h) for the dialog callback, with 0 as both tags and the session as the object. The
// shared event record holds the downloaded file's URL (urlObj) for a finished download, the task
// and the error (URLSessionTaskObj, errorObj) for a completion, and the task and the piece
// (URLSessionDataTaskObj, dataObj) for arriving data. A downloaded file is removed once the
// callback returns, so a program keeps it by moving it then.

#include "platform/foundation/Object.h"
#include "platform/services/URLSessionDelegate.h"

#include <cstdint>

class CUI_URLSessionDelegate : public platform::Object, public platform::URLSessionDelegate {
public:
    void URLSessionDidBecomeInvalidWithError(const platform::Ref<platform::URLSession>& session,
                                             const platform::Ref<platform::Error>& error) override;
    void URLSessionDownloadTaskDidFinishDownloadingToURL(
        const platform::Ref<platform::URLSession>& session,
        const platform::Ref<platform::URLSessionTask>& downloadTask,
        const platform::Ref<platform::URL>& location) override;
    void URLSessionDownloadTaskDidResumeAtOffsetExpectedTotalBytes(
        const platform::Ref<platform::URLSession>& session,
        const platform::Ref<platform::URLSessionTask>& downloadTask, std::int64_t fileOffset,
        std::int64_t expectedTotalBytes) override;
    void URLSessionDownloadTaskDidWriteDataTotalBytesWrittenTotalBytesExpectedToWrite(
        const platform::Ref<platform::URLSession>& session,
        const platform::Ref<platform::URLSessionTask>& downloadTask, std::int64_t bytesWritten,
        std::int64_t totalBytesWritten, std::int64_t totalBytesExpectedToWrite) override;
    void URLSessionTaskDidCompleteWithError(const platform::Ref<platform::URLSession>& session,
                                            const platform::Ref<platform::URLSessionTask>& task,
                                            const platform::Ref<platform::Error>& error) override;
    void URLSessionTaskDidSendBodyDataTotalBytesSentTotalBytesExpectedToSend(
        const platform::Ref<platform::URLSession>& session,
        const platform::Ref<platform::URLSessionTask>& task, std::int64_t bytesSent,
        std::int64_t totalBytesSent, std::int64_t totalBytesExpectedToSend) override;
    void URLSessionTaskDidFinishCollectingMetrics(
        const platform::Ref<platform::URLSession>& session,
        const platform::Ref<platform::URLSessionTask>& task,
        const platform::Ref<platform::URLSessionTaskMetrics>& metrics) override;
    void URLSessionStreamTaskDidBecomeInputStreamOutputStream(
        const platform::Ref<platform::URLSession>& session,
        const platform::Ref<platform::URLSessionTask>& streamTask,
        const platform::Ref<platform::InputStream>& inputStream,
        const platform::Ref<platform::OutputStream>& outputStream) override;
    void URLSessionReadClosedForStreamTask(
        const platform::Ref<platform::URLSession>& session,
        const platform::Ref<platform::URLSessionTask>& streamTask) override;
    void URLSessionWriteClosedForStreamTask(
        const platform::Ref<platform::URLSession>& session,
        const platform::Ref<platform::URLSessionTask>& streamTask) override;
    void URLSessionDataTaskDidReceiveData(const platform::Ref<platform::URLSession>& session,
                                          const platform::Ref<platform::URLSessionTask>& dataTask,
                                          const platform::Ref<platform::Data>& data) override;

private:
    // The one path of every message, once the record holds its values.
    static void deliver(std::int64_t event, const platform::Ref<platform::URLSession>& session);
};
