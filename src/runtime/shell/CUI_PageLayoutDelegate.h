#pragma once

// The delegate of a page-layout sheet: it hands the sheet's end to a program function.

#include "platform/foundation/Object.h"

#include <cstdint>

class CUI_PageLayoutDelegate : public platform::Object {
public:
    using Callback = void (*)(const platform::Ref<platform::Object>& pageLayout,
                              std::int64_t response, void* context);

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }

    // Does nothing while no callback is set.
    void pageLayoutDidEndReturnCodeContextInfo(const platform::Ref<platform::Object>& pageLayout,
                                               std::int64_t response, void* context) {
        if (callback_)
            callback_(pageLayout, response, context);
    }

private:
    Callback callback_ = nullptr;
};
