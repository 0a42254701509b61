#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class String;

// A named notice about an object, as delegates receive it.
class Notification : public Object {
public:
    Notification(Ref<String> name, Ref<Object> object, Ref<Object> userInfo = nullptr);

    const Ref<String>& name() const { return name_; }
    const Ref<Object>& object() const { return object_; }
    Ref<Object> userInfo() const { return userInfo_; }

private:
    Ref<String> name_;
    Ref<Object> object_;
    Ref<Object> userInfo_;
};

} // namespace platform
