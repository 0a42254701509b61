#include "runtime/core/RuntimeAlert.h"

#include "platform/app/Application.h"
#include "platform/app/Bundle.h"
#include "platform/foundation/String.h"
#include "platform/windows/Alert.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using platform::Ref;
using platform::String;

Ref<String> RuntimeText(const char* english) {
    return platform::Bundle::main()->localizedStringForKeyValueTable(
        String::fromUtf8(english), String::create(), String::fromUtf8("Runtime"));
}

void RuntimeAlert(const Ref<String>& message, const Ref<String>& informative, int fatal) {
    auto alert = std::make_shared<platform::Alert>();
    alert->setMessageText(message ? message : String::create());
    alert->setInformativeText(informative ? informative : String::create());
    if (fatal) {
        alert->setAlertStyle(platform::AlertStyle::Critical);
        alert->addButtonWithTitle(RuntimeText("Quit"));
        alert->addButtonWithTitle(RuntimeText("Crash"));
    } else {
        alert->setAlertStyle(platform::AlertStyle::Warning);
        alert->addButtonWithTitle(RuntimeText("Stop"));
        alert->addButtonWithTitle(RuntimeText("Continue"));
        alert->addButtonWithTitle(RuntimeText("Crash"));
    }
    const std::int64_t response = alert->runModal();
    if (response == platform::AlertFirstButtonReturn)
        platform::Application::shared()->terminate();
    if (fatal || response == platform::AlertThirdButtonReturn)
        std::abort();
}

Ref<String> AtLineText(std::int32_t line) {
    return String::stringWithFormat("%@ %d", RuntimeText("At line").get(), line);
}

void ArrayBoundsError(std::int64_t index, std::int32_t line, std::int64_t bound,
                      const Ref<String>& sourceName) {
    const auto message = String::stringWithFormat(
        "%@%@%@\n%@%lld%@ %lld", AtLineText(line).get(), RuntimeText(" of ").get(),
        sourceName.get(), RuntimeText("Index ").get(), static_cast<long long>(index),
        RuntimeText(" is outside the DIM range 0 to").get(), static_cast<long long>(bound));
    // The standard error stream of this system reads UTF-8, so the message is written in it.
    const std::string text = message->utf8();
    std::fprintf(stderr, "Array bounds error:\n%s. [Type ctrl-C if process hangs]\n", text.c_str());
    std::fflush(stderr);
    RuntimeAlert(RuntimeText("Array bounds error"), message, 1);
    std::abort();
}
