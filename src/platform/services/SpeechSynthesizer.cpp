#include "platform/services/SpeechSynthesizer.h"

#include "platform/detail/AudioPlayback.h"
#include "platform/detail/SpeechEngine.h"
#include "platform/detail/WaveFile.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/SpeechSynthesizerDelegate.h"

#include <QtCore/QBuffer>
#include <QtCore/QCoreApplication>
#include <QtCore/QTimer>
#include <QtMultimedia/QAudioSink>
#include <QtMultimedia/QMediaDevices>

#include <algorithm>

namespace platform {

using detail::SpeechEngine;
using detail::SpeechMark;
using detail::WaveFile;

// The sound being played aloud and the marks not yet reached.
struct SpeechPlayback : detail::AudioPlayback {
    std::vector<SpeechMark> marks;
    std::size_t next = 0;
};

namespace {

const detail::SpeechVoice* voiceNamed(const std::string& identifier) {
    const auto& voices = SpeechEngine::voices();
    const auto found = std::find_if(voices.begin(), voices.end(), [&](const auto& voice) {
        return voice.identifier == identifier;
    });
    return found == voices.end() ? nullptr : &*found;
}

} // namespace

Ref<SpeechSynthesizer> SpeechSynthesizer::create(const Ref<String>& voice) {
    Ref<SpeechSynthesizer> synthesizer(new SpeechSynthesizer);
    if (!synthesizer->setVoice(voice ? voice : defaultVoice()))
        return nullptr;
    return synthesizer;
}

SpeechSynthesizer::~SpeechSynthesizer() {
    playback_.reset();
    endThread();
}

std::vector<Ref<String>> SpeechSynthesizer::availableVoices() {
    std::vector<Ref<String>> identifiers;
    for (const auto& voice : SpeechEngine::voices())
        identifiers.push_back(String::fromUtf8(voice.identifier));
    return identifiers;
}

Ref<String> SpeechSynthesizer::defaultVoice() {
    return String::fromUtf8(SpeechEngine::defaultVoice());
}

Ref<String> SpeechSynthesizer::nameOfVoice(const String& voice) {
    const auto* found = voiceNamed(voice.utf8());
    return found ? String::fromUtf8(found->name) : nullptr;
}

Ref<String> SpeechSynthesizer::languageOfVoice(const String& voice) {
    const auto* found = voiceNamed(voice.utf8());
    return found ? String::fromUtf8(found->language) : nullptr;
}

Ref<String> SpeechSynthesizer::phonemeName(std::int16_t opcode) {
    return String::fromUtf8(SpeechEngine::phonemeName(opcode));
}

bool SpeechSynthesizer::setVoice(const Ref<String>& voice) {
    if (speaking_ || !voice || !voiceNamed(voice->utf8()))
        return false;
    voice_ = voice;
    return true;
}

void SpeechSynthesizer::setRate(float wordsPerMinute) {
    rate_ = std::clamp(wordsPerMinute, 80.0f, 450.0f);
}

void SpeechSynthesizer::setVolume(float volume) {
    volume_ = std::clamp(volume, 0.0f, 1.0f);
}

bool SpeechSynthesizer::startSpeakingString(const String& text) {
    return start(text, {});
}

bool SpeechSynthesizer::startSpeakingStringToURL(const String& text, const URL& file) {
    return start(text, file.path()->utf8());
}

void SpeechSynthesizer::stopSpeaking() {
    if (!speaking_)
        return;
    stop_->store(true);
    playback_.reset();
    finish(false);
}

void SpeechSynthesizer::endThread() {
    if (stop_)
        stop_->store(true);
    if (thread_.joinable())
        thread_.join();
}

bool SpeechSynthesizer::start(const String& text, const std::string& file) {
    if (text.isEmpty())
        return false;
    stopSpeaking();
    endThread();
    speaking_ = true;
    text_ = String::create(text.utf16());
    const std::uint64_t utterance = ++utterance_;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    detail::SpeechRequest request{text.utf16(), voice_->utf8(), static_cast<int>(rate_),
                                  static_cast<int>(volume_ * 100)};
    thread_ = std::thread([this, utterance, request = std::move(request), file, stop = stop_] {
        const bool aloud = file.empty();
        std::vector<SpeechMark> marks;
        std::vector<std::int16_t> samples;
        std::string error;
        const auto onMark = [&](const SpeechMark& mark) {
            if (aloud)
                marks.push_back(mark);
            else
                post(utterance, [mark](SpeechSynthesizer& self) { self.tell(mark); });
        };
        // A file that cannot be written fails before any word is announced.
        if (!aloud && !WaveFile::write(file, SpeechEngine::sampleRate(), samples)) {
            post(utterance, [file](SpeechSynthesizer& self) {
                self.fail("The speech could not be written to " + file + ".");
            });
        } else if (!SpeechEngine::synthesize(request, onMark, &samples, *stop, &error)) {
            post(utterance, [error](SpeechSynthesizer& self) { self.fail(error); });
        } else if (stop->load()) {
            return;
        } else if (aloud) {
            post(utterance, [samples = std::move(samples),
                             marks = std::move(marks)](SpeechSynthesizer& self) mutable {
                self.play(std::move(samples), std::move(marks));
            });
        } else if (!WaveFile::write(file, SpeechEngine::sampleRate(), samples)) {
            post(utterance, [file](SpeechSynthesizer& self) {
                self.fail("The speech could not be written to " + file + ".");
            });
        } else {
            post(utterance, [](SpeechSynthesizer& self) { self.finish(true); });
        }
    });
    return true;
}

void SpeechSynthesizer::post(std::uint64_t utterance, Message message) {
    const WeakRef<Object> weak = weak_from_this();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [weak, utterance, message = std::move(message)] {
            const auto object = weak.lock();
            auto* self = static_cast<SpeechSynthesizer*>(object.get());
            if (self && self->speaking_ && self->utterance_ == utterance)
                message(*self);
        },
        Qt::QueuedConnection);
}

void SpeechSynthesizer::tell(const SpeechMark& mark) {
    const auto listener = delegate_.lock();
    if (!listener)
        return;
    const auto self = std::static_pointer_cast<SpeechSynthesizer>(shared_from_this());
    switch (mark.kind) {
    case SpeechMark::Kind::Word:
        listener->speechSynthesizerWillSpeakWord(self, mark.range, text_);
        break;
    case SpeechMark::Kind::Phoneme:
        listener->speechSynthesizerWillSpeakPhoneme(self, mark.opcode);
        break;
    case SpeechMark::Kind::Sync:
        listener->speechSynthesizerDidEncounterSyncMessage(self,
                                                           Number::numberWithInteger(mark.sync));
        break;
    }
}

void SpeechSynthesizer::fail(const std::string& message) {
    const auto self = std::static_pointer_cast<SpeechSynthesizer>(shared_from_this());
    if (const auto listener = delegate_.lock())
        listener->speechSynthesizerDidEncounterError(self, 0, text_, String::fromUtf8(message));
    if (speaking_)
        finish(false);
}

void SpeechSynthesizer::finish(bool finished) {
    const auto self = std::static_pointer_cast<SpeechSynthesizer>(shared_from_this());
    speaking_ = false;
    playback_.reset();
    if (const auto listener = delegate_.lock())
        listener->speechSynthesizerDidFinishSpeaking(self, finished);
}

void SpeechSynthesizer::play(std::vector<std::int16_t> samples, std::vector<SpeechMark> marks) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        fail("No audio output device is available.");
        return;
    }
    QAudioFormat format;
    format.setSampleRate(SpeechEngine::sampleRate());
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    playback_ = std::make_unique<SpeechPlayback>();
    playback_->marks = std::move(marks);
    playback_->buffer->setData(reinterpret_cast<const char*>(samples.data()),
                               static_cast<int>(samples.size() * 2));
    playback_->buffer->open(QIODevice::ReadOnly);
    playback_->sink = new QAudioSink(device, format, playback_->owner);
    QObject::connect(playback_->sink, &QAudioSink::stateChanged, playback_->owner,
                     [this](QAudio::State) { playbackMoved(); });
    QObject::connect(playback_->clock, &QTimer::timeout, playback_->owner,
                     [this] { playbackMoved(); });
    playback_->clock->start(10);
    playback_->sink->start(playback_->buffer);
    playbackMoved();
}

void SpeechSynthesizer::playbackMoved() {
    const auto keep = shared_from_this();
    const std::uint64_t utterance = utterance_;
    auto current = [&] { return playback_ && speaking_ && utterance_ == utterance; };
    if (!current())
        return;
    QAudioSink* sink = playback_->sink;
    if (sink->error() != QAudio::NoError && sink->error() != QAudio::UnderrunError) {
        fail("The audio device could not play the speech.");
        return;
    }
    const bool drained = sink->state() == QAudio::IdleState;
    while (current() && playback_->next < playback_->marks.size() &&
           (drained || playback_->marks[playback_->next].audioMs * 1000 <= sink->processedUSecs()))
        tell(playback_->marks[playback_->next++]);
    if (current() && drained)
        finish(true);
}

} // namespace platform
