#include "platform/services/Sound.h"

#include "platform/app/Bundle.h"
#include "platform/detail/AudioPlayback.h"
#include "platform/detail/WaveFile.h"
#include "platform/foundation/String.h"
#include "platform/services/SoundDelegate.h"

#include <QtCore/QBuffer>
#include <QtCore/QElapsedTimer>
#include <QtCore/QStandardPaths>
#include <QtCore/QTimer>
#include <QtMultimedia/QAudioDevice>
#include <QtMultimedia/QAudioSink>
#include <QtMultimedia/QMediaDevices>

#include <algorithm>
#include <filesystem>

namespace platform {

namespace fs = std::filesystem;
using detail::WaveFile;

// One play of the sound, with what is left of it when it is paused.
struct SoundPlayback : detail::AudioPlayback {
    QElapsedTimer since;
    std::int64_t remainingMs = 0;

    void runClock(std::int64_t ms) {
        remainingMs = ms;
        since.start();
        // A sound shorter than a millisecond still takes a turn of the event loop, so that a
        // looping one cannot take them all.
        clock->start(static_cast<int>(std::clamp<std::int64_t>(ms, 1, INT32_MAX)));
    }
};

namespace {

// The folders a named sound is looked for in, in order.
std::vector<fs::path> soundFolders() {
    std::vector<fs::path> folders;
    if (const auto bundle = Bundle::main())
        folders.push_back(fs::path(bundle->resourcePath()->utf8()) / "sounds");
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const fs::path sounds = fs::path(data.toStdString()) / "sounds";
        folders.push_back(sounds);
        std::error_code ignored;
        for (const auto& theme : fs::directory_iterator(sounds, ignored))
            folders.push_back(theme.path() / "stereo");
    }
    return folders;
}

QAudioFormat::SampleFormat sampleFormatOf(WaveFile::Sample sample) {
    switch (sample) {
    case WaveFile::Sample::UInt8:
        return QAudioFormat::UInt8;
    case WaveFile::Sample::Int16:
        return QAudioFormat::Int16;
    case WaveFile::Sample::Int32:
        return QAudioFormat::Int32;
    case WaveFile::Sample::Float:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

} // namespace

Sound::Sound(Ref<String> path, WaveFile wave)
    : path_(std::move(path)), wave_(std::make_unique<WaveFile>(std::move(wave))) {}

Sound::~Sound() {
    playback_.reset();
}

Ref<Sound> Sound::soundWithContentsOfFile(const String& path) {
    auto wave = WaveFile::read(path.utf8());
    if (!wave)
        return nullptr;
    return Ref<Sound>(new Sound(String::create(path.utf16()), std::move(*wave)));
}

Ref<Sound> Sound::soundNamed(const String& name) {
    const std::string file =
        name.hasSuffix(*String::fromUtf8(".wav")) ? name.utf8() : name.utf8() + ".wav";
    if (name.isEmpty() || file.find('/') != std::string::npos)
        return nullptr;
    for (const auto& folder : soundFolders()) {
        std::error_code ignored;
        if (fs::is_regular_file(folder / file, ignored))
            return soundWithContentsOfFile(*String::fromUtf8((folder / file).string()));
    }
    return nullptr;
}

std::int64_t Sound::durationMs() const {
    return wave_->durationMs();
}

bool Sound::play() {
    if (playing_)
        return false;
    playing_ = true;
    alive_ = self();
    start();
    return true;
}

void Sound::start() {
    playback_ = std::make_unique<SoundPlayback>();
    QObject::connect(playback_->clock, &QTimer::timeout, playback_->owner,
                     [this] { reachedEnd(); });
    playback_->clock->setSingleShot(true);
    playback_->clock->setTimerType(Qt::PreciseTimer);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        playback_->runClock(durationMs());
        return;
    }
    QAudioFormat format;
    format.setSampleRate(wave_->rate);
    format.setChannelCount(wave_->channels);
    format.setSampleFormat(sampleFormatOf(wave_->sample));
    if (!device.isFormatSupported(format)) {
        // It ends unfinished, after play has returned.
        QTimer::singleShot(0, playback_->owner, [this] { finish(false); });
        return;
    }
    playback_->buffer->setData(
        QByteArray(wave_->data.data(), static_cast<qsizetype>(wave_->data.size())));
    playback_->buffer->open(QIODevice::ReadOnly);
    playback_->sink = new QAudioSink(device, format, playback_->owner);
    playback_->sink->setVolume(volume_);
    QObject::connect(playback_->sink, &QAudioSink::stateChanged, playback_->owner,
                     [this](QAudio::State) { playbackMoved(); });
    playback_->sink->start(playback_->buffer);
    playbackMoved();
}

bool Sound::stop() {
    if (!playing_)
        return false;
    finish(false);
    return true;
}

bool Sound::pause() {
    if (!playing_ || paused_)
        return false;
    paused_ = true;
    if (playback_->sink) {
        playback_->sink->suspend();
    } else {
        playback_->remainingMs =
            std::max<std::int64_t>(playback_->remainingMs - playback_->since.elapsed(), 0);
        playback_->clock->stop();
    }
    return true;
}

bool Sound::resume() {
    if (!paused_)
        return false;
    paused_ = false;
    if (playback_->sink)
        playback_->sink->resume();
    else
        playback_->runClock(playback_->remainingMs);
    return true;
}

void Sound::setVolume(float volume) {
    volume_ = std::clamp(volume, 0.0f, 1.0f);
    if (playback_ && playback_->sink)
        playback_->sink->setVolume(volume_);
}

void Sound::playbackMoved() {
    if (!playback_ || !playback_->sink)
        return;
    const QAudioSink& sink = *playback_->sink;
    if (sink.error() != QAudio::NoError && sink.error() != QAudio::UnderrunError)
        finish(false);
    else if (sink.state() == QAudio::IdleState && playback_->buffer->atEnd())
        reachedEnd();
}

void Sound::reachedEnd() {
    if (!loops_ || wave_->data.empty()) {
        finish(true);
    } else if (playback_->sink) {
        playback_->sink->stop();
        playback_->buffer->seek(0);
        playback_->sink->start(playback_->buffer);
    } else {
        playback_->runClock(durationMs());
    }
}

void Sound::finish(bool finished) {
    playing_ = false;
    paused_ = false;
    playback_.reset();
    const auto keep = std::move(alive_);
    const auto self = std::static_pointer_cast<Sound>(shared_from_this());
    if (const auto listener = delegate_.lock())
        listener->soundDidFinishPlaying(self, finished);
}

} // namespace platform
