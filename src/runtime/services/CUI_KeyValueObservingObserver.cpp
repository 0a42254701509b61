#include "runtime/services/CUI_KeyValueObservingObserver.h"

void CUI_KeyValueObservingObserver::observeValueForKeyPath(
    const platform::Ref<platform::String>& keyPath, const platform::Ref<platform::Object>& object,
    const platform::Ref<platform::Dictionary>& change, void* context) {
    if (observerCallback_)
        observerCallback_(object, keyPath, change, context);
}
