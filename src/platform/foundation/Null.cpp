#include "platform/foundation/Null.h"

#include "platform/foundation/String.h"

namespace platform {

Ref<Null> Null::null() {
    static const Ref<Null> instance(new Null);
    return instance;
}

Ref<String> Null::description() const {
    return String::fromUtf8("<null>");
}

} // namespace platform
