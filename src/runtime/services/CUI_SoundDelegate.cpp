#include "runtime/services/CUI_SoundDelegate.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/services/Sound.h"

void CUI_SoundDelegate::soundDidFinishPlaying(const platform::Ref<platform::Sound>& sound,
                                              bool finished) {
    DialogEventSetBoolVal(finished);
    DialogCallbackCall(SoundEvent::DidFinishPlaying, 0, 0, sound);
}
