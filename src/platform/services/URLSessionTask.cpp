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

namespace platform {

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

Ref<Error> urlError(std::int64_t code, const QString& description, const Ref<URL>& url) {
    const auto info = Dictionary::dictionary();
    info->setObjectForKey(detail::fromQString(description), LocalizedDescriptionKey());
    if (url)
        info->setObjectForKey(url->absoluteString(), URLErrorFailingURLStringErrorKey());
    return Error::errorWithDomainCodeUserInfo(URLErrorDomain(), code, info);
}

} // namespace

struct URLSessionTaskPeer {
    explicit URLSessionTaskPeer(URLSessionTask& owner) : task(owner) {}

    URLSessionTask& task;
    // The session stays alive while one of its tasks runs.
    Ref<URLSession> session;
    QPointer<QNetworkReply> reply;
    std::unique_ptr<QTemporaryFile> file;
    QElapsedTimer clock;
    std::int64_t redirects = 0;
    Ref<Error> fileError;

    Ref<URLSessionTask> self() { return std::static_pointer_cast<URLSessionTask>(task.self()); }

    void start();
    void receive();
    void updateResponse();
    Ref<Error> transferError() const;
    void finish();
    void complete(const Ref<Error>& error);
};

void URLSessionTaskPeer::start() {
    QNetworkRequest request(QUrl(detail::toQString(task.originalURL_->absoluteString())));
    if (task.kind_ == URLSessionTaskKind::Download) {
        file = std::make_unique<QTemporaryFile>();
        if (!file->open()) {
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
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [this] { updateResponse(); });
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

void URLSessionTaskPeer::updateResponse() {
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    const QString type =
        reply->header(QNetworkRequest::ContentTypeHeader).toString().section(';', 0, 0).trimmed();
    task.expected_ = length.isValid() ? length.toLongLong() : -1;
    task.response_ = std::make_shared<URLResponse>(
        URL::URLWithString(*detail::fromQString(reply->url().toString())),
        status.isValid() ? status.toLongLong() : 0, task.expected_,
        type.isEmpty() ? nullptr : detail::fromQString(type));
}

void URLSessionTaskPeer::receive() {
    if (fileError)
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

Ref<Error> URLSessionTaskPeer::transferError() const {
    if (fileError)
        return fileError;
    const QNetworkReply::NetworkError failure = reply->error();
    // The toolkit takes a connection closed before the announced length for the whole body.
    if (failure == QNetworkReply::NoError && task.expected_ >= 0 &&
        task.received_ < task.expected_ && !reply->hasRawHeader("Content-Encoding"))
        return urlError(-1005, QStringLiteral("The connection was lost."), task.currentURL_);
    if (failure == QNetworkReply::NoError ||
        (task.response_ && task.response_->statusCode() > 0 && isServerAnswer(failure)))
        return nullptr;
    std::int64_t code = -1;
    for (const auto& row : kErrorRows)
        if (row.failure == failure)
            code = row.code;
    return urlError(code, reply->errorString(), task.currentURL_);
}

void URLSessionTaskPeer::finish() {
    receive();
    updateResponse();
    const auto error = transferError();
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
    const auto keep = self();
    const auto keepSession = std::move(session);
    file.reset();
    task.state_ = URLSessionTaskState::Completed;
    task.error_ = error;
    if (const auto delegate = keepSession->delegate()) {
        delegate->URLSessionTaskDidFinishCollectingMetrics(
            keepSession, keep,
            std::make_shared<URLSessionTaskMetrics>(
                clock.isValid() ? static_cast<double>(clock.nsecsElapsed()) / 1e9 : 0.0,
                redirects));
        delegate->URLSessionTaskDidCompleteWithError(keepSession, keep, error);
    }
    keepSession->taskEnded(task);
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
    auto session = session_.lock();
    if (state_ != URLSessionTaskState::Suspended || !session)
        return;
    state_ = URLSessionTaskState::Running;
    session->running_.push_back(std::static_pointer_cast<URLSessionTask>(self()));
    peer_->session = std::move(session);
    peer_->clock.start();
    peer_->start();
}

void URLSessionTask::cancel() {
    if (state_ == URLSessionTaskState::Running && peer_->reply) {
        state_ = URLSessionTaskState::Canceling;
        peer_->reply->abort();
        return;
    }
    if (state_ != URLSessionTaskState::Suspended)
        return;
    auto session = session_.lock();
    if (!session)
        return;
    state_ = URLSessionTaskState::Canceling;
    session->running_.push_back(std::static_pointer_cast<URLSessionTask>(self()));
    peer_->session = std::move(session);
    const auto keep = self();
    MainQueue::async([this, keep] {
        peer_->complete(urlError(-999, QStringLiteral("cancelled"), originalURL_));
    });
}

} // namespace platform
