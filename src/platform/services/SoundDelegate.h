#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class Sound;

// What a sound tells its delegate on the main thread; nothing by default.
class SoundDelegate {
public:
    virtual ~SoundDelegate();
    // Playing ended: finished is false when it was stopped or the sound could not be played.
    virtual void soundDidFinishPlaying(const Ref<Sound>& sound, bool finished);
};

} // namespace platform
