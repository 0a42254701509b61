#pragma once

// An observer of one key of one object that hands each change to a program function. It keeps
// the observed object and the key path; the program registers it:
//
//     observed->addObserver(observer, observer->keyPath()->utf8(),
//                           platform::KeyValueObservingOptions::New, observer->observerContext());

#include "platform/foundation/Object.h"

namespace platform {
class String;
} // namespace platform

class CUI_KeyValueObservingObserver : public platform::Object {
public:
    using Callback = void (*)(const platform::Ref<platform::Object>& object,
                              const platform::Ref<platform::String>& keyPath,
                              const platform::Ref<platform::Dictionary>& change, void* context);

    platform::Ref<platform::Object> object() const { return object_; }
    void setObject(platform::Ref<platform::Object> newObject) { object_ = std::move(newObject); }
    platform::Ref<platform::String> keyPath() const { return keyPath_; }
    void setKeyPath(platform::Ref<platform::String> newKeyPath) {
        keyPath_ = std::move(newKeyPath);
    }
    Callback observerCallback() const { return observerCallback_; }
    void setObserverCallback(Callback callback) { observerCallback_ = callback; }
    void* observerContext() const { return observerContext_; }
    void setObserverContext(void* context) { observerContext_ = context; }

    // Does nothing while no callback is set.
    void observeValueForKeyPath(const platform::Ref<platform::String>& keyPath,
                                const platform::Ref<platform::Object>& object,
                                const platform::Ref<platform::Dictionary>& change,
                                void* context) override;

private:
    platform::Ref<platform::Object> object_;
    platform::Ref<platform::String> keyPath_;
    Callback observerCallback_ = nullptr;
    void* observerContext_ = nullptr;
};
