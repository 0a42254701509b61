#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>

namespace platform {

class SoundDelegate;
class String;
struct SoundPlayback;
namespace detail {
struct WaveFile;
}

// A sound from a WAVE file, played on the audio device. Where the machine has no audio device
// the sound plays silently for as long as it lasts, so that a program's timing and its
// delegate's messages stay the same. A playing sound keeps itself alive until it ends, so a
// program may play one and let it go.
class Sound : public Object {
public:
    // None when the file cannot be read or holds no WAVE sound.
    static Ref<Sound> soundWithContentsOfFile(const String& path);
    // The sound "<name>.wav" among the application's resources (in its "sounds" folder), else
    // among the desktop's sounds (the "sounds" folder of each data directory, and the stereo
    // sounds of each theme there); none when there is no such sound.
    static Ref<Sound> soundNamed(const String& name);
    ~Sound() override;

    Ref<String> path() const { return path_; }
    std::int64_t durationMs() const;

    // False when it is already playing.
    bool play();
    // Ends playing; the delegate hears that it did not finish. False when it was not playing.
    bool stop();
    // A paused sound is still playing (and may be stopped) but holds its place until resumed.
    // Each is false when it changes nothing.
    bool pause();
    bool resume();
    bool isPlaying() const { return playing_; }
    bool isPaused() const { return paused_; }
    // A looping sound starts again at its end until it is stopped.
    bool loops() const { return loops_; }
    void setLoops(bool loops) { loops_ = loops; }
    // From 0 to 1, the value given being clipped.
    float volume() const { return volume_; }
    void setVolume(float volume);

    std::shared_ptr<SoundDelegate> delegate() const { return delegate_.lock(); }
    // Not owned, as delegates are not.
    void setDelegate(const std::shared_ptr<SoundDelegate>& delegate) { delegate_ = delegate; }

private:
    Sound(Ref<String> path, detail::WaveFile wave);
    void start();
    void playbackMoved();
    void reachedEnd();
    void finish(bool finished);

    Ref<String> path_;
    std::unique_ptr<detail::WaveFile> wave_;
    bool playing_ = false;
    bool paused_ = false;
    bool loops_ = false;
    float volume_ = 1;
    std::weak_ptr<SoundDelegate> delegate_;
    std::unique_ptr<SoundPlayback> playback_;
    // Held while playing.
    Ref<Object> alive_;
};

} // namespace platform
