#pragma once

#include "platform/foundation/Geometry.h"

#include <cstdint>
#include <memory>

namespace platform {

// The short effects shown at a point of the screen, with the framework's values: the default
// shows an item disappearing, as the poof does.
enum class AnimationEffect : std::uint64_t { DisappearingItemDefault = 0, Poof = 10 };

// Told when an effect has ended, with the context it was shown with. The base does nothing.
class AnimationEffectDelegate {
public:
    virtual ~AnimationEffectDelegate();
    virtual void animationEffectDidEnd(void* contextInfo);
};

// Shows the effect centred at the point of the screen and returns at once; the effect plays from
// the event loop in a window of its own that takes neither focus nor input. A zero size is the
// effect's own. The delegate is kept until it has heard of the end.
void showAnimationEffect(AnimationEffect effect, Point centerLocation, Size size,
                         std::shared_ptr<AnimationEffectDelegate> delegate, void* contextInfo);

} // namespace platform
