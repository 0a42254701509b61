#include "platform/Null.h"

#include "platform/String.h"

namespace platform {

Ref<Null> Null::null() {
    static const Ref<Null> instance(new Null);
    return instance;
}

Ref<String> Null::description() const {
    return String::fromUtf8("<null>");
}

} // namespace platform
