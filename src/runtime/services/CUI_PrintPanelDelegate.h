#pragma once

// Hears the end of a print panel: it hands the panel's response to a program function.

#include "platform/foundation/Object.h"

#include <cstdint>

class CUI_PrintPanelDelegate : public platform::Object {
public:
    using Callback = void (*)(const platform::Ref<platform::Object>& panel, std::int64_t response,
                              void* context);

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }

    // Does nothing while no callback is set.
    void printPanelDidEndReturnCodeContextInfo(const platform::Ref<platform::Object>& panel,
                                               std::int64_t response, void* context) {
        if (callback_)
            callback_(panel, response, context);
    }

private:
    Callback callback_ = nullptr;
};
