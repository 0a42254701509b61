#include "runtime/input/CUI_ControlFormatter.h"

#include "platform/foundation/CharacterSet.h"
#include "platform/foundation/MutableString.h"
#include "platform/foundation/String.h"
#include "platform/views/Control.h"

#include <algorithm>
#include <memory>
#include <vector>

using platform::Range;
using platform::Ref;
using platform::String;

namespace {

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

Ref<String> convertCase(const Ref<String>& text, std::uint64_t option) {
    switch (option) {
    case CaseOption::Capitalized:
        return text->capitalizedString();
    case CaseOption::Upper:
        return text->uppercaseString();
    case CaseOption::Lower:
        return text->lowercaseString();
    default:
        return text;
    }
}

} // namespace

Ref<CUI_ControlFormatter> CUI_ControlFormatter::initWithCharactersPassLengthCaseOption(
    const Ref<String>& characters, bool pass, std::uint64_t length, std::uint64_t caseOption) {
    auto formatter = std::make_shared<CUI_ControlFormatter>();
    formatter->setCharactersPassLengthCaseOption(characters, pass, length, caseOption);
    return formatter;
}

Ref<CUI_ControlFormatter>
CUI_ControlFormatter::initWithControlCallbackUserData(Ref<platform::Control> control,
                                                      FormatterCallback callback, void* userData) {
    auto formatter = std::make_shared<CUI_ControlFormatter>();
    formatter->control_ = std::move(control);
    formatter->callback_ = callback;
    formatter->userData_ = userData;
    return formatter;
}

void CUI_ControlFormatter::setCharactersPassLengthCaseOption(const Ref<String>& characters,
                                                             bool pass, std::uint64_t length,
                                                             std::uint64_t caseOption) {
    set_ = filterSet(characters, pass, caseOption);
    pass_ = pass;
    length_ = length;
    option_ = caseOption;
}

Ref<platform::CharacterSet> CUI_ControlFormatter::filterSet(const Ref<String>& characters,
                                                            bool pass, std::uint64_t caseOption) {
    const auto named = characters ? platform::MutableString::stringWithString(*characters)
                                  : platform::MutableString::create();
    if (caseOption != static_cast<std::uint64_t>(CaseOption::CaseSensitive)) {
        named->appendString(*named->uppercaseString());
        named->appendString(*named->lowercaseString());
    }
    const auto set = platform::CharacterSet::characterSetWithCharactersInString(*named);
    return pass ? set->invertedSet() : set;
}

Ref<String> CUI_ControlFormatter::stringForObjectValue(const Ref<platform::Object>& object) {
    const auto string = object ? object->as<String>() : nullptr;
    return string ? String::create(string->utf16()) : nullptr;
}

bool CUI_ControlFormatter::getObjectValueForStringErrorDescription(Ref<platform::Object>* object,
                                                                   const Ref<String>& string,
                                                                   Ref<String>*) {
    if (!string)
        return false;
    if (object)
        *object = String::create(string->utf16());
    return true;
}

bool CUI_ControlFormatter::
    isPartialStringValidProposedSelectedRangeOriginalStringOriginalSelectedRangeErrorDescription(
        Ref<String>* partialString, Range* proposedSelectedRange, const Ref<String>& origString,
        Range origSelectedRange, Ref<String>* error) {
    if (callback_)
        return callback_(control_ ? control_->tag() : 0, partialString, proposedSelectedRange,
                         origString, origSelectedRange, error, userData_);

    const Ref<String> proposed = *partialString ? *partialString : String::create();
    if (length_ != 0 && proposed->length() > length_)
        return false;

    // removedBefore[i] counts the code units taken out in front of position i, so that the
    // selection can stay beside the characters it was beside.
    const std::u16string& units = proposed->utf16();
    std::u16string kept;
    std::vector<std::size_t> removedBefore(units.size() + 1, 0);
    std::size_t removed = 0;
    for (std::size_t i = 0; i < units.size();) {
        std::size_t width = 1;
        char32_t character = units[i];
        if (isHighSurrogate(units[i]) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            width = 2;
            character =
                0x10000 + ((char32_t(units[i]) - 0xD800) << 10) + (char32_t(units[i + 1]) - 0xDC00);
        }
        const bool drop = set_ && set_->longCharacterIsMember(character);
        for (std::size_t k = 0; k < width; ++k) {
            removedBefore[i + k] = removed + (drop ? k : 0);
            if (!drop)
                kept += units[i + k];
        }
        if (drop)
            removed += width;
        i += width;
    }
    removedBefore[units.size()] = removed;

    const Ref<String> target = convertCase(String::create(std::move(kept)), option_);
    if (proposed->isEqual(*target))
        return true;
    *partialString = target;
    if (proposedSelectedRange) {
        const auto shifted = [&](std::int64_t position) {
            const auto at = static_cast<std::size_t>(
                std::clamp<std::int64_t>(position, 0, static_cast<std::int64_t>(units.size())));
            return std::min(at - removedBefore[at], target->length());
        };
        const std::size_t start = shifted(proposedSelectedRange->location);
        const std::size_t end =
            shifted(proposedSelectedRange->location + proposedSelectedRange->length);
        *proposedSelectedRange =
            Range{static_cast<std::int64_t>(start), static_cast<std::int64_t>(end - start)};
    }
    return false;
}
