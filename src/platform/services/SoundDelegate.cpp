#include "platform/services/SoundDelegate.h"

namespace platform {

SoundDelegate::~SoundDelegate() = default;

void SoundDelegate::soundDidFinishPlaying(const Ref<Sound>&, bool) {}

} // namespace platform
