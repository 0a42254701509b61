#pragma once

// The formatter that filters what may be typed or pasted into a control. Either it filters by
// itself, with a set of characters it removes from every edit, a maximum length and a case
// conversion, or it leaves every decision about an edit to a program callback.

#include "platform/foundation/Geometry.h"
#include "platform/views/Formatter.h"

#include <cstdint>

namespace platform {
class CharacterSet;
class Control;
class String;
} // namespace platform

// Case options, with the runtime's numbers. Every option but CaseSensitive also names the upper-
// and lower-case forms of the characters; any other number behaves as None.
namespace CaseOption {
inline constexpr std::int64_t None = 0;
inline constexpr std::int64_t CaseSensitive = 1;
inline constexpr std::int64_t Lower = 2;
inline constexpr std::int64_t Upper = 3;
inline constexpr std::int64_t Capitalized = 4;
} // namespace CaseOption

// Decides about one edit: (the control's tag, the proposed text, the proposed selection, the
// text before the edit, the selection before it, the error description, the user data). The
// answer is the formatter's: true lets the edit through, false refuses it or, with a replaced
// proposed text, shows the replacement.
using FormatterCallback = bool (*)(std::int64_t tag, platform::Ref<platform::String>* partialString,
                                   platform::Range* proposedSelectedRange,
                                   const platform::Ref<platform::String>& origString,
                                   platform::Range origSelectedRange,
                                   platform::Ref<platform::String>* error, void* userData);

class CUI_ControlFormatter : public platform::Formatter {
public:
    // A filtering formatter (see setCharactersPassLengthCaseOption).
    static platform::Ref<CUI_ControlFormatter>
    initWithCharactersPassLengthCaseOption(const platform::Ref<platform::String>& characters,
                                           bool pass, std::uint64_t length,
                                           std::uint64_t caseOption);
    // A formatter that leaves every edit to the callback.
    static platform::Ref<CUI_ControlFormatter>
    initWithControlCallbackUserData(platform::Ref<platform::Control> control,
                                    FormatterCallback callback, void* userData);

    // Rebuilds the filter: the set of removed characters follows from the characters (none for
    // no characters), pass and the case option (see filterSet); pass, the maximum length (0 for
    // none) and the case option are stored.
    void setCharactersPassLengthCaseOption(const platform::Ref<platform::String>& characters,
                                           bool pass, std::uint64_t length,
                                           std::uint64_t caseOption);
    // The characters a filter removes: the named characters, with their upper- and lower-case
    // forms unless the option is CaseSensitive; with pass, every other character instead.
    static platform::Ref<platform::CharacterSet>
    filterSet(const platform::Ref<platform::String>& characters, bool pass,
              std::uint64_t caseOption);

    // A string yields a copy of itself; anything else yields none.
    platform::Ref<platform::String>
    stringForObjectValue(const platform::Ref<platform::Object>& object) override;
    // The object becomes a copy of the string; no string gives false.
    bool getObjectValueForStringErrorDescription(platform::Ref<platform::Object>* object,
                                                 const platform::Ref<platform::String>& string,
                                                 platform::Ref<platform::String>* error) override;
    // The edit filter. With a callback, its answer. Otherwise an edit longer than the maximum
    // length is refused; else the removed characters are taken out and the case is converted,
    // and a text that changed by that is shown in place of the proposed one.
    bool
    isPartialStringValidProposedSelectedRangeOriginalStringOriginalSelectedRangeErrorDescription(
        platform::Ref<platform::String>* partialString, platform::Range* proposedSelectedRange,
        const platform::Ref<platform::String>& origString, platform::Range origSelectedRange,
        platform::Ref<platform::String>* error) override;

    // The control whose tag the callback is given; held strongly.
    platform::Ref<platform::Control> control() const { return control_; }
    void setControl(platform::Ref<platform::Control> control) { control_ = std::move(control); }
    FormatterCallback callback() const { return callback_; }
    void setCallback(FormatterCallback function) { callback_ = function; }
    void* userData() const { return userData_; }
    void setUserData(void* userData) { userData_ = userData; }
    // The characters removed from every edit.
    platform::Ref<platform::CharacterSet> set() const { return set_; }
    void setSet(platform::Ref<platform::CharacterSet> set) { set_ = std::move(set); }
    bool pass() const { return pass_; }
    void setPass(bool pass) { pass_ = pass; }
    std::uint64_t length() const { return length_; }
    void setLength(std::uint64_t length) { length_ = length; }
    std::uint64_t option() const { return option_; }
    void setOption(std::uint64_t option) { option_ = option; }

private:
    platform::Ref<platform::Control> control_;
    FormatterCallback callback_ = nullptr;
    void* userData_ = nullptr;
    platform::Ref<platform::CharacterSet> set_;
    bool pass_ = false;
    std::uint64_t length_ = 0;
    std::uint64_t option_ = 0;
};
