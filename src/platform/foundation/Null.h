#pragma once

#include "platform/foundation/Object.h"

namespace platform {

// The object that stands for "nothing" inside collections, which hold no absent entries.
// There is one instance; equality is identity.
class Null : public Object {
public:
    static Ref<Null> null();

    Ref<String> description() const override;

private:
    Null() = default;
};

} // namespace platform
