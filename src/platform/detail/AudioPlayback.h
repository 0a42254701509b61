#pragma once

// Internal to the platform: what every play of samples holds, on the audio device through the
// sink or, with no device, timed by the clock. The Qt objects are released through the event
// loop, because a delegate may stop the play from inside their signals.

#include <QtCore/QBuffer>
#include <QtCore/QObject>
#include <QtCore/QTimer>
#include <QtMultimedia/QAudioSink>

namespace platform::detail {

struct AudioPlayback {
    QObject* owner = new QObject;
    QAudioSink* sink = nullptr;
    QBuffer* buffer = new QBuffer(owner);
    QTimer* clock = new QTimer(owner);

    AudioPlayback() = default;
    AudioPlayback(const AudioPlayback&) = delete;
    AudioPlayback& operator=(const AudioPlayback&) = delete;
    ~AudioPlayback() {
        clock->stop();
        if (sink)
            sink->stop();
        owner->deleteLater();
    }
};

} // namespace platform::detail
