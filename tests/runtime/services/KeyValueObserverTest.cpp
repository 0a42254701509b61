#include "runtime/services/CUI_KeyValueObservingObserver.h"

#include "platform/foundation/Dictionary.h"
#include "platform/foundation/KeyValueObservation.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"

#include <gtest/gtest.h>

using platform::Ref;

namespace {

std::string heard;

void hear(const Ref<platform::Object>& object, const Ref<platform::String>& keyPath,
          const Ref<platform::Dictionary>& change, void* context) {
    const auto value = change->objectForKey(platform::String::fromUtf8("new"));
    heard += keyPath->utf8() + "=" + value->description()->utf8() +
             (object && context == object.get() ? " (own context)" : "") + ";";
}

TEST(KeyValueObserver, HandsEachChangeToTheProgramOnlyWhileItHasACallback) {
    const auto observed = std::make_shared<platform::Object>();
    const auto observer = std::make_shared<CUI_KeyValueObservingObserver>();
    observer->setObject(observed);
    observer->setKeyPath(platform::String::fromUtf8("level"));
    observer->setObserverContext(observed.get());
    observed->addObserver(observer, "level", platform::KeyValueObservingOptions::New,
                          observer->observerContext());
    observed->setValueForKey(platform::Number::numberWithInteger(3), "level");
    observer->setObserverCallback(hear);
    observed->setValueForKey(platform::Number::numberWithInteger(4), "level");
    observer->setObserverCallback(nullptr);
    observed->setValueForKey(platform::Number::numberWithInteger(5), "level");
    EXPECT_EQ(heard, "level=4 (own context);");
}

} // namespace
