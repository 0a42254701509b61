#pragma once

// The key format of the key inputs: which keys a key input accepts, and the case it converts a
// key to before testing it. One format at a time is current; without one every key is accepted.

#include "platform/foundation/Object.h"

#include <cstdint>
#include <utility>

namespace platform {
class CharacterSet;
class String;
} // namespace platform

class QVInkeyFormat : public platform::Object {
public:
    // A format built as the line-input filter is: a key is accepted exactly when a line-input
    // filter with the same characters, pass and case option would let its character through.
    static platform::Ref<QVInkeyFormat>
    formatWithCharactersPassCaseOption(platform::Ref<platform::String> characters, bool pass,
                                       std::int64_t caseOption);

    // The keys accepted, tested after the case conversion.
    platform::Ref<platform::CharacterSet> characterSet() const { return characterSet_; }
    void setCharacterSet(platform::Ref<platform::CharacterSet> set) {
        characterSet_ = std::move(set);
    }
    platform::Ref<platform::String> characters() const { return characters_; }
    void setCharacters(platform::Ref<platform::String> characters) {
        characters_ = std::move(characters);
    }
    bool pass() const { return pass_; }
    void setPass(bool pass) { pass_ = pass; }
    // CaseOption::Lower and CaseOption::Upper convert the key before the test; other values
    // convert nothing.
    std::int64_t caseOption() const { return caseOption_; }
    void setCaseOption(std::int64_t caseOption) { caseOption_ = caseOption; }

private:
    platform::Ref<platform::CharacterSet> characterSet_;
    platform::Ref<platform::String> characters_;
    bool pass_ = false;
    std::int64_t caseOption_ = 0;
};

// The format in force, or none when every key is accepted.
platform::Ref<QVInkeyFormat> currentKeyFormat();
void CurrentKeyFormatSet(platform::Ref<QVInkeyFormat> format);
