#include "runtime/input/QVInkeyFormat.h"

#include "runtime/input/CUI_ControlFormatter.h"

#include "platform/foundation/CharacterSet.h"
#include "platform/foundation/String.h"

#include <memory>

using platform::Ref;

Ref<QVInkeyFormat>
QVInkeyFormat::formatWithCharactersPassCaseOption(Ref<platform::String> characters, bool pass,
                                                  std::int64_t caseOption) {
    auto format = std::make_shared<QVInkeyFormat>();
    // The line filter's set holds the characters it removes; the key format's the keys it keeps.
    format->characterSet_ =
        CUI_ControlFormatter::filterSet(characters, pass, static_cast<std::uint64_t>(caseOption))
            ->invertedSet();
    format->characters_ = std::move(characters);
    format->pass_ = pass;
    format->caseOption_ = caseOption;
    return format;
}

namespace {
Ref<QVInkeyFormat>& currentFormat() {
    static Ref<QVInkeyFormat> format;
    return format;
}
} // namespace

Ref<QVInkeyFormat> currentKeyFormat() {
    return currentFormat();
}

void CurrentKeyFormatSet(Ref<QVInkeyFormat> format) {
    currentFormat() = std::move(format);
}
