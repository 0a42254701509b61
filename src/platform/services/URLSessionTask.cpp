#include "platform/services/URLSessionTask.h"

#include "platform/app/MainQueue.h"
#include "platform/detail/QtStrings.h"
#include "platform/detail/URLSessionPeer.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/URLSession.h"
#include "platform/services/URLSessionDelegate.h"

#include <QElapsedTimer>
#include <QNetworkReply>
#include <QPointer>
#include <QTemporaryFile>

#include <algorithm>
#include <optional>
#include <utility>

namespace platform {

using detail::urlError;

namespace {

// The framework's codes for the toolkit's transfer failures; any other failure is -1 (unknown).
struct ErrorRow {
    QNetworkReply::NetworkError failure;
    std::int64_t code;
};
constexpr ErrorRow kErrorRows[] = {
    {QNetworkReply::OperationCanceledError, -999},
    {QNetworkReply::TimeoutError, -1001},
    {QNetworkReply::ProtocolUnknownError, -1002},
    {QNetworkReply::HostNotFoundError, -1003},
    {QNetworkReply::ConnectionRefusedError, -1004},
    {QNetworkReply::RemoteHostClosedError, -1005},
    {QNetworkReply::TooManyRedirectsError, -1007},
    {QNetworkReply::NetworkSessionFailedError, -1009},
    {QNetworkReply::ContentNotFoundError, -1100},
    {QNetworkReply::ContentAccessDenied, -1102},
    {QNetworkReply::SslHandshakeFailedError, -1200},
};
constexpr qint64 kPieceSize = 1024 * 1024;
constexpr std::int64_t kCannotCreateFile = -3000;
constexpr std::int64_t kCannotWriteToFile = -3003;

// The failures the toolkit derives from an HTTP status: with a status, they are the server's
// answer rather than a failed transfer.
bool isServerAnswer(QNetworkReply::NetworkError failure) {
    const int value = static_cast<int>(failure);
    return (value > 200 && value < 300) || value == QNetworkReply::ProtocolInvalidOperationError ||
           (value > 400 && value < 500);
}

} // namespace

Ref<Error> detail::urlError(std::int64_t code, const QString& description, const Ref<URL>& url,
                            const Ref<Data>& resumeData) {
    const auto info = Dictionary::dictionary();
    info->setObjectForKey(detail::fromQString(description), LocalizedDescriptionKey());
    if (url)
        info->setObjectForKey(url->absoluteString(), URLErrorFailingURLStringErrorKey());
    if (resumeData)
        info->setObjectForKey(resumeData, URLSessionDownloadTaskResumeData());
    return Error::errorWithDomainCodeUserInfo(URLErrorDomain(), code, info);
}

namespace {

// Where a download stopped, as its resume data holds it: one value a line after a mark.
struct ResumePoint {
    QString url;
    QString path;
    qint64 offset = 0;
    // The server's tag of the file's version, so that the rest comes from the same version.
    QByteArray validator;

    static constexpr char kMark[] = "pondaro-download-resume-1";

    Ref<Data> encode() const {
        const QByteArray text = QByteArray(kMark) + '\n' + url.toUtf8() + '\n' + path.toUtf8() +
                                '\n' + QByteArray::number(offset) + '\n' + validator + '\n';
        return Data::dataWithBytes(text.constData(), static_cast<std::size_t>(text.size()));
    }

    static std::optional<ResumePoint> decode(const Ref<Data>& data) {
        if (!data)
            return std::nullopt;
        const QList<QByteArray> lines =
            QByteArray(reinterpret_cast<const char*>(data->bytes().data()),
                       static_cast<qsizetype>(data->bytes().size()))
                .split('\n');
        bool number = false;
        if (lines.size() != 6 || lines[0] != kMark)
            return std::nullopt;
        ResumePoint point{QString::fromUtf8(lines[1]), QString::fromUtf8(lines[2]),
                          lines[3].toLongLong(&number), lines[4]};
        if (!number || point.offset <= 0 || point.validator.isEmpty() || !QUrl(point.url).isValid())
            return std::nullopt;
        return point;
    }
};

} // namespace

struct URLSessionTaskPeer {
    explicit URLSessionTaskPeer(URLSessionTask& owner) : task(owner) {}

    URLSessionTask& task;
    // The session stays alive while one of its tasks runs.
    Ref<URLSession> session;
    QPointer<QNetworkReply> reply;
    std::unique_ptr<QFile> file;
    // Kept for resume data rather than removed when the task ends.
    bool keepFile = false;
    // The offset a resumed download asked the server for; -1 for a download from the start.
    qint64 resumedFrom = -1;
    bool resumeAnnounced = false;
    std::function<void(const Ref<Data>&)> resumeHandler;
    QElapsedTimer clock;
    std::int64_t redirects = 0;
    Ref<Error> fileError;

    Ref<URLSessionTask> self() { return std::static_pointer_cast<URLSessionTask>(task.self()); }

    void start();
    bool openFile(QNetworkRequest& request);
    void receive();
    void updateResponse();
    void announceResume();
    Ref<Data> keepForResume();
    Ref<Error> transferError();
    void finish();
    void complete(const Ref<Error>& error);
};

void URLSessionTaskPeer::start() {
    QNetworkRequest request(QUrl(detail::toQString(task.originalURL_->absoluteString())));
    if (task.kind_ == URLSessionTaskKind::Download) {
        if (!openFile(request)) {
            const auto keep = self();
            MainQueue::async([this, keep] {
                complete(urlError(kCannotCreateFile, file->errorString(), task.originalURL_));
            });
            return;
        }
    }
    if (task.kind_ == URLSessionTaskKind::Upload) {
        const auto& bytes = task.body_ ? task.body_->bytes() : std::vector<std::uint8_t>();
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/octet-stream");
        reply = session->peer_->manager.post(request,
                                             QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                        static_cast<qsizetype>(bytes.size())));
    } else {
        reply = session->peer_->manager.get(request);
    }
    // The body comes in pieces of bounded size, so that a long transfer is not held in memory
    // while the program is busy.
    reply->setReadBufferSize(kPieceSize);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [this] {
        updateResponse();
        announceResume();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [this] { receive(); });
    QObject::connect(reply, &QNetworkReply::redirected, reply, [this](const QUrl& to) {
        ++redirects;
        task.currentURL_ = URL::URLWithString(*detail::fromQString(to.toString()));
    });
    QObject::connect(
        reply, &QNetworkReply::uploadProgress, reply, [this](qint64 sent, qint64 total) {
            if (sent <= task.sent_)
                return;
            const auto keep = self();
            const std::int64_t piece = sent - task.sent_;
            task.sent_ = sent;
            if (const auto delegate = session->delegate())
                delegate->URLSessionTaskDidSendBodyDataTotalBytesSentTotalBytesExpectedToSend(
                    session, keep, piece, sent, total);
        });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this] { finish(); });
}

bool URLSessionTaskPeer::openFile(QNetworkRequest& request) {
    if (const auto point = ResumePoint::decode(task.body_)) {
        auto partial = std::make_unique<QFile>(point->path);
        resumedFrom = 0;
        // A partial file that changed since is not trusted: the download starts afresh.
        if (partial->size() == point->offset &&
            partial->open(QIODevice::ReadWrite | QIODevice::Append)) {
            file = std::move(partial);
            resumedFrom = point->offset;
            request.setRawHeader("Range", "bytes=" + QByteArray::number(point->offset) + "-");
            request.setRawHeader("If-Range", point->validator);
            return true;
        }
    }
    auto fresh = std::make_unique<QTemporaryFile>();
    const bool opened = fresh->open();
    file = std::move(fresh);
    return opened;
}

void URLSessionTaskPeer::updateResponse() {
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    const QString type =
        reply->header(QNetworkRequest::ContentTypeHeader).toString().section(';', 0, 0).trimmed();
    const std::int64_t code = status.isValid() ? status.toLongLong() : 0;
    // A server that sends the whole file to a resumed download would otherwise have it appended
    // to the bytes already there.
    if (resumedFrom > 0 && !resumeAnnounced && code > 0 && code != 206) {
        file->resize(0);
        resumedFrom = 0;
    }
    const std::int64_t bodyLength = length.isValid() ? length.toLongLong() : -1;
    task.expected_ = bodyLength < 0 ? -1 : bodyLength + std::max<qint64>(resumedFrom, 0);
    task.response_ = std::make_shared<URLResponse>(
        URL::URLWithString(*detail::fromQString(reply->url().toString())), code, bodyLength,
        type.isEmpty() ? nullptr : detail::fromQString(type));
}

void URLSessionTaskPeer::announceResume() {
    if (resumedFrom < 0 || resumeAnnounced || task.response_->statusCode() == 0)
        return;
    resumeAnnounced = true;
    task.received_ = resumedFrom;
    const auto keep = self();
    if (const auto delegate = session->delegate())
        delegate->URLSessionDownloadTaskDidResumeAtOffsetExpectedTotalBytes(
            session, keep, resumedFrom, task.expected_);
}

Ref<Data> URLSessionTaskPeer::keepForResume() {
    QByteArray validator = reply->rawHeader("ETag");
    if (validator.isEmpty())
        validator = reply->rawHeader("Last-Modified");
    const std::int64_t status = task.response_ ? task.response_->statusCode() : 0;
    const bool ranges =
        status == 206 ||
        (status == 200 && reply->rawHeader("Accept-Ranges").toLower().split(',').contains("bytes"));
    if (!file || fileError || task.received_ <= 0 || validator.isEmpty() || !ranges)
        return nullptr;
    file->flush();
    keepFile = true;
    if (auto* temporary = qobject_cast<QTemporaryFile*>(file.get()))
        temporary->setAutoRemove(false);
    return ResumePoint{detail::toQString(task.currentURL_->absoluteString()), file->fileName(),
                       task.received_, validator}
        .encode();
}

void URLSessionTaskPeer::receive() {
    // A cancelled reply is closed.
    if (fileError || !reply->isReadable())
        return;
    const QByteArray bytes = reply->readAll();
    if (bytes.isEmpty())
        return;
    const auto keep = self();
    task.received_ += bytes.size();
    const auto delegate = session->delegate();
    if (task.kind_ != URLSessionTaskKind::Download) {
        if (delegate)
            delegate->URLSessionDataTaskDidReceiveData(
                session, keep,
                Data::dataWithBytes(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return;
    }
    if (file->write(bytes) != bytes.size()) {
        // A full disk must not pass for a finished download.
        fileError = urlError(kCannotWriteToFile, file->errorString(), task.originalURL_);
        reply->abort();
        return;
    }
    if (delegate)
        delegate->URLSessionDownloadTaskDidWriteDataTotalBytesWrittenTotalBytesExpectedToWrite(
            session, keep, bytes.size(), task.received_, task.expected_);
}

Ref<Error> URLSessionTaskPeer::transferError() {
    if (fileError)
        return fileError;
    const QNetworkReply::NetworkError failure = reply->error();
    // The toolkit takes a connection closed before the announced length for the whole body.
    if (failure == QNetworkReply::NoError && task.expected_ >= 0 &&
        task.received_ < task.expected_ && !reply->hasRawHeader("Content-Encoding"))
        return urlError(-1005, QStringLiteral("The connection was lost."), task.currentURL_,
                        keepForResume());
    if (failure == QNetworkReply::NoError ||
        (task.response_ && task.response_->statusCode() > 0 && isServerAnswer(failure)))
        return nullptr;
    std::int64_t code = -1;
    for (const auto& row : kErrorRows)
        if (row.failure == failure)
            code = row.code;
    return urlError(code, reply->errorString(), task.currentURL_,
                    code == -999 ? nullptr : keepForResume());
}

void URLSessionTaskPeer::finish() {
    receive();
    updateResponse();
    const auto error = transferError();
    if (resumeHandler)
        std::exchange(resumeHandler, nullptr)(keepForResume());
    reply->deleteLater();
    reply = nullptr;
    const auto keep = self();
    if (!error && file) {
        file->flush();
        if (const auto delegate = session->delegate())
            delegate->URLSessionDownloadTaskDidFinishDownloadingToURL(
                session, keep, URL::fileURLWithPath(*detail::fromQString(file->fileName())));
    }
    complete(error);
}

void URLSessionTaskPeer::complete(const Ref<Error>& error) {
    const auto keepSession = std::move(session);
    if (file && !keepFile)
        file->remove();
    file.reset();
    task.ended(
        keepSession, error,
        std::make_shared<URLSessionTaskMetrics>(
            clock.isValid() ? static_cast<double>(clock.nsecsElapsed()) / 1e9 : 0.0, redirects));
}

Ref<URLSession> URLSessionTask::startRunning(URLSessionTaskState state) {
    auto session = session_.lock();
    if (!session)
        return nullptr;
    state_ = state;
    session->running_.push_back(std::static_pointer_cast<URLSessionTask>(self()));
    return session;
}

void URLSessionTask::ended(const Ref<URLSession>& session, const Ref<Error>& error,
                           const Ref<URLSessionTaskMetrics>& metrics) {
    const auto keep = std::static_pointer_cast<URLSessionTask>(self());
    state_ = URLSessionTaskState::Completed;
    error_ = error;
    if (const auto delegate = session->delegate()) {
        delegate->URLSessionTaskDidFinishCollectingMetrics(session, keep, metrics);
        delegate->URLSessionTaskDidCompleteWithError(session, keep, error);
    }
    session->taskEnded(*this);
}

URLSessionTask::URLSessionTask(const Ref<URLSession>& session, URLSessionTaskKind kind,
                               std::uint64_t identifier, Ref<platform::URL> url, Ref<Data> body)
    : session_(session), kind_(kind), identifier_(identifier), originalURL_(url),
      currentURL_(std::move(url)), body_(std::move(body)),
      peer_(std::make_unique<URLSessionTaskPeer>(*this)) {}

URLSessionTask::~URLSessionTask() {
    // A task let go while running (its session destroyed) must hear nothing more.
    if (peer_->reply) {
        QObject::disconnect(peer_->reply, nullptr, nullptr, nullptr);
        peer_->reply->abort();
        peer_->reply->deleteLater();
    }
}

void URLSessionTask::resume() {
    if (state_ != URLSessionTaskState::Suspended)
        return;
    peer_->session = startRunning(URLSessionTaskState::Running);
    if (!peer_->session)
        return;
    peer_->clock.start();
    peer_->start();
}

void URLSessionTask::cancelByProducingResumeData(
    std::function<void(const Ref<Data>&)> completionHandler) {
    if (kind_ == URLSessionTaskKind::Download && state_ == URLSessionTaskState::Running &&
        peer_->reply) {
        peer_->resumeHandler = std::move(completionHandler);
        cancel();
        return;
    }
    cancel();
    if (completionHandler)
        MainQueue::async([handler = std::move(completionHandler)] { handler(nullptr); });
}

Ref<platform::URL> URLSessionTask::resumedURL(const Ref<Data>& resumeData) {
    const auto point = ResumePoint::decode(resumeData);
    return point ? URL::URLWithString(*detail::fromQString(point->url)) : nullptr;
}

void URLSessionTask::cancel() {
    if (state_ == URLSessionTaskState::Running && peer_->reply) {
        state_ = URLSessionTaskState::Canceling;
        peer_->reply->abort();
        return;
    }
    if (state_ != URLSessionTaskState::Suspended)
        return;
    peer_->session = startRunning(URLSessionTaskState::Canceling);
    if (!peer_->session)
        return;
    const auto keep = self();
    MainQueue::async([this, keep] {
        peer_->complete(urlError(-999, QStringLiteral("cancelled"), originalURL_));
    });
}

} // namespace platform
