#include "platform/services/SpeechRecognizer.h"

#include "platform/detail/CommandDecoder.h"
#include "platform/detail/WaveFile.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/SpeechRecognizerDelegate.h"

#include <QtCore/QCoreApplication>
#include <QtMultimedia/QAudioDevice>
#include <QtMultimedia/QAudioSource>
#include <QtMultimedia/QMediaDevices>

#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>

namespace platform {

using detail::CommandDecoder;

// The sound on its way to the recognition thread: pieces of mono 16-bit samples at the decoder's
// rate, then the end of the stream (for a file) or a stop.
struct RecognizerFeed {
    std::mutex lock;
    std::condition_variable moved;
    std::deque<std::vector<std::int16_t>> pieces;
    bool ended = false;
    bool stopped = false;

    void push(std::vector<std::int16_t> piece, bool last) {
        const std::lock_guard hold(lock);
        pieces.push_back(std::move(piece));
        ended = last;
        moved.notify_one();
    }
    void stop() {
        const std::lock_guard hold(lock);
        stopped = true;
        moved.notify_one();
    }
};

// The audio input while listening to it. Released through the event loop, because a delegate
// may stop listening from inside its signal.
struct RecognizerInput {
    QObject* owner = new QObject;
    QAudioSource* source = nullptr;

    ~RecognizerInput() {
        if (source)
            source->stop();
        owner->deleteLater();
    }
};

Ref<SpeechRecognizer> SpeechRecognizer::create() {
    return Ref<SpeechRecognizer>(new SpeechRecognizer);
}

SpeechRecognizer::~SpeechRecognizer() {
    stopListening();
}

bool SpeechRecognizer::startListening() {
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (listening_ || device.isNull() || !CommandDecoder::installed())
        return false;
    QAudioFormat format;
    format.setSampleRate(CommandDecoder::kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;
    auto feed = std::make_shared<RecognizerFeed>();
    input_ = std::make_unique<RecognizerInput>();
    input_->source = new QAudioSource(device, format, input_->owner);
    QIODevice* io = input_->source->start();
    if (!io) {
        input_.reset();
        return false;
    }
    QObject::connect(io, &QIODevice::readyRead, input_->owner, [io, feed] {
        const QByteArray bytes = io->readAll();
        std::vector<std::int16_t> piece(static_cast<std::size_t>(bytes.size()) / 2);
        std::memcpy(piece.data(), bytes.data(), piece.size() * 2);
        feed->push(std::move(piece), false);
    });
    start(std::move(feed));
    return true;
}

bool SpeechRecognizer::startListeningToFile(const URL& file) {
    if (listening_ || !CommandDecoder::installed())
        return false;
    const auto wave = detail::WaveFile::read(file.path()->utf8());
    if (!wave)
        return false;
    auto feed = std::make_shared<RecognizerFeed>();
    feed->push(wave->monoSamples(CommandDecoder::kSampleRate), true);
    start(std::move(feed));
    return true;
}

void SpeechRecognizer::start(std::shared_ptr<RecognizerFeed> feed) {
    listening_ = true;
    listened_ = commands_;
    feed_ = std::move(feed);
    const std::uint64_t session = ++session_;
    std::vector<std::string> commands;
    for (const auto& command : listened_)
        commands.push_back(command ? command->utf8() : std::string());
    thread_ = std::thread([this, session, commands = std::move(commands), feed = feed_] {
        const auto decoder = CommandDecoder::create(commands);
        const auto tellAll = [&](const std::vector<std::size_t>& heard) {
            for (const std::size_t index : heard)
                post(
                    session, [](SpeechRecognizer& self, std::size_t at) { self.tell(at); }, index);
        };
        for (;;) {
            std::unique_lock hold(feed->lock);
            feed->moved.wait(hold,
                             [&] { return feed->stopped || !feed->pieces.empty() || feed->ended; });
            if (feed->stopped)
                return;
            if (feed->pieces.empty()) {
                if (decoder)
                    tellAll(decoder->finish());
                post(
                    session, [](SpeechRecognizer& self, std::size_t) { self.end(); }, 0);
                return;
            }
            const auto piece = std::move(feed->pieces.front());
            feed->pieces.pop_front();
            hold.unlock();
            if (decoder)
                tellAll(decoder->feed(piece.data(), piece.size()));
        }
    });
}

void SpeechRecognizer::post(std::uint64_t session, void (*message)(SpeechRecognizer&, std::size_t),
                            std::size_t index) {
    const WeakRef<Object> weak = weak_from_this();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [weak, session, message, index] {
            const auto object = weak.lock();
            auto* self = static_cast<SpeechRecognizer*>(object.get());
            if (self && self->listening_ && self->session_ == session)
                message(*self, index);
        },
        Qt::QueuedConnection);
}

void SpeechRecognizer::tell(std::size_t index) {
    const auto self = std::static_pointer_cast<SpeechRecognizer>(shared_from_this());
    if (const auto listener = delegate_.lock())
        listener->speechRecognizerDidRecognizeCommand(self, listened_[index]);
}

void SpeechRecognizer::end() {
    listening_ = false;
    if (thread_.joinable())
        thread_.join();
    feed_.reset();
}

void SpeechRecognizer::stopListening() {
    input_.reset();
    if (feed_)
        feed_->stop();
    end();
}

} // namespace platform
