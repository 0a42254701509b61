#include "platform/services/Operation.h"

namespace platform {

InvocationOperation::InvocationOperation(Ref<Object> target, Selector selector, Ref<Object> object)
    : target_(std::move(target)), selector_(std::move(selector)), object_(std::move(object)) {}

void InvocationOperation::main() {
    selector_.performOn(target_ ? *target_ : *this, object_);
}

} // namespace platform
