#include "runtime/services/CUI_URLSessionDelegate.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/URL.h"
#include "platform/services/URLSession.h"
#include "platform/services/URLSessionTask.h"

using platform::Ref;

void CUI_URLSessionDelegate::deliver(std::int64_t event, const Ref<platform::URLSession>& session) {
    DialogCallbackCall(event, 0, 0, session);
}

void CUI_URLSessionDelegate::URLSessionDidBecomeInvalidWithError(
    const Ref<platform::URLSession>& session, const Ref<platform::Error>&) {
    deliver(URLSessionEvent::DidBecomeInvalid, session);
}

void CUI_URLSessionDelegate::URLSessionDownloadTaskDidFinishDownloadingToURL(
    const Ref<platform::URLSession>& session, const Ref<platform::URLSessionTask>&,
    const Ref<platform::URL>& location) {
    DialogEventSetUrlObj(location);
    deliver(URLSessionEvent::DidFinishDownloading, session);
}

void CUI_URLSessionDelegate::URLSessionDownloadTaskDidResumeAtOffsetExpectedTotalBytes(
    const Ref<platform::URLSession>& session, const Ref<platform::URLSessionTask>&, std::int64_t,
    std::int64_t) {
    deliver(URLSessionEvent::DidResumeAtOffset, session);
}

void CUI_URLSessionDelegate::
    URLSessionDownloadTaskDidWriteDataTotalBytesWrittenTotalBytesExpectedToWrite(
        const Ref<platform::URLSession>& session, const Ref<platform::URLSessionTask>&,
        std::int64_t, std::int64_t, std::int64_t) {
    deliver(URLSessionEvent::DidWriteData, session);
}

void CUI_URLSessionDelegate::URLSessionTaskDidCompleteWithError(
    const Ref<platform::URLSession>& session, const Ref<platform::URLSessionTask>& task,
    const Ref<platform::Error>& error) {
    DialogEventSetURLSessionTaskObj(task);
    DialogEventSetErrorObj(error);
    deliver(URLSessionEvent::DidComplete, session);
}

void CUI_URLSessionDelegate::URLSessionTaskDidSendBodyDataTotalBytesSentTotalBytesExpectedToSend(
    const Ref<platform::URLSession>& session, const Ref<platform::URLSessionTask>&, std::int64_t,
    std::int64_t, std::int64_t) {
    deliver(URLSessionEvent::DidSendBodyData, session);
}

void CUI_URLSessionDelegate::URLSessionTaskDidFinishCollectingMetrics(
    const Ref<platform::URLSession>& session, const Ref<platform::URLSessionTask>&,
    const Ref<platform::URLSessionTaskMetrics>&) {
    deliver(URLSessionEvent::DidFinishCollectingMetrics, session);
}

void CUI_URLSessionDelegate::URLSessionStreamTaskDidBecomeInputStreamOutputStream(
    const Ref<platform::URLSession>& session, const Ref<platform::URLSessionTask>&,
    const Ref<platform::InputStream>&, const Ref<platform::OutputStream>&) {
    deliver(URLSessionEvent::DidBecomeStreams, session);
}

void CUI_URLSessionDelegate::URLSessionReadClosedForStreamTask(
    const Ref<platform::URLSession>& session, const Ref<platform::URLSessionTask>&) {
    deliver(URLSessionEvent::ReadClosed, session);
}

void CUI_URLSessionDelegate::URLSessionWriteClosedForStreamTask(
    const Ref<platform::URLSession>& session, const Ref<platform::URLSessionTask>&) {
    deliver(URLSessionEvent::WriteClosed, session);
}

void CUI_URLSessionDelegate::URLSessionDataTaskDidReceiveData(
    const Ref<platform::URLSession>& session, const Ref<platform::URLSessionTask>& dataTask,
    const Ref<platform::Data>& data) {
    DialogEventSetURLSessionDataTaskObj(dataTask);
    DialogEventSetDataObj(data);
    deliver(URLSessionEvent::DidReceiveData, session);
}
