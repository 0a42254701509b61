#include "platform/services/URLSessionDelegate.h"

namespace platform {

URLSessionDelegate::~URLSessionDelegate() = default;

void URLSessionDelegate::URLSessionDidBecomeInvalidWithError(const Ref<URLSession>&,
                                                             const Ref<Error>&) {}
void URLSessionDelegate::URLSessionDownloadTaskDidFinishDownloadingToURL(const Ref<URLSession>&,
                                                                         const Ref<URLSessionTask>&,
                                                                         const Ref<URL>&) {}
void URLSessionDelegate::URLSessionDownloadTaskDidResumeAtOffsetExpectedTotalBytes(
    const Ref<URLSession>&, const Ref<URLSessionTask>&, std::int64_t, std::int64_t) {}
void URLSessionDelegate::
    URLSessionDownloadTaskDidWriteDataTotalBytesWrittenTotalBytesExpectedToWrite(
        const Ref<URLSession>&, const Ref<URLSessionTask>&, std::int64_t, std::int64_t,
        std::int64_t) {}
void URLSessionDelegate::URLSessionTaskDidCompleteWithError(const Ref<URLSession>&,
                                                            const Ref<URLSessionTask>&,
                                                            const Ref<Error>&) {}
void URLSessionDelegate::URLSessionTaskDidSendBodyDataTotalBytesSentTotalBytesExpectedToSend(
    const Ref<URLSession>&, const Ref<URLSessionTask>&, std::int64_t, std::int64_t, std::int64_t) {}
void URLSessionDelegate::URLSessionTaskDidFinishCollectingMetrics(
    const Ref<URLSession>&, const Ref<URLSessionTask>&, const Ref<URLSessionTaskMetrics>&) {}
void URLSessionDelegate::URLSessionStreamTaskDidBecomeInputStreamOutputStream(
    const Ref<URLSession>&, const Ref<URLSessionTask>&, const Ref<InputStream>&,
    const Ref<OutputStream>&) {}
void URLSessionDelegate::URLSessionReadClosedForStreamTask(const Ref<URLSession>&,
                                                           const Ref<URLSessionTask>&) {}
void URLSessionDelegate::URLSessionWriteClosedForStreamTask(const Ref<URLSession>&,
                                                            const Ref<URLSessionTask>&) {}
void URLSessionDelegate::URLSessionDataTaskDidReceiveData(const Ref<URLSession>&,
                                                          const Ref<URLSessionTask>&,
                                                          const Ref<Data>&) {}

} // namespace platform
