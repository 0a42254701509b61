#include "platform/app/Event.h"

#include "platform/foundation/String.h"

#include <utility>

namespace platform {

Event::Event(Fields fields, WeakRef<Window> window, std::function<void()> toolkitDefault)
    : fields_(std::move(fields)), window_(std::move(window)),
      toolkitDefault_(std::move(toolkitDefault)) {}

Ref<String> Event::characters() const {
    return fields_.characters ? fields_.characters : String::create();
}

Ref<String> Event::charactersIgnoringModifiers() const {
    return fields_.charactersIgnoringModifiers ? fields_.charactersIgnoringModifiers : characters();
}

void Event::performToolkitDefault() {
    if (auto action = std::exchange(toolkitDefault_, nullptr))
        action();
}

} // namespace platform
