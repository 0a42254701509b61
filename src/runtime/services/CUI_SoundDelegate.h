#pragma once

// The delegate a program gives a sound. The end of playing becomes SoundEvent::DidFinishPlaying
// for the dialog callback, with 0 as both tags and the sound as the object; the shared event
// record's boolVal tells whether the sound played to its end (false when stopped or unplayable).

#include "platform/foundation/Object.h"
#include "platform/services/SoundDelegate.h"

class CUI_SoundDelegate : public platform::Object, public platform::SoundDelegate {
public:
    void soundDidFinishPlaying(const platform::Ref<platform::Sound>& sound, bool finished) override;
};
