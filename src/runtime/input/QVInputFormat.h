#pragma once

// The input format of the line inputs: which characters the field lets through, how many, and
// in which case. One format at a time is current; every line input applies it until it is
// replaced or cleared.

#include "platform/foundation/Object.h"

#include <cstdint>
#include <utility>

namespace platform {
class String;
}

class QVInputFormat : public platform::Object {
public:
    QVInputFormat(platform::Ref<platform::String> characters, bool pass, std::int64_t maxLength,
                  std::int64_t caseOption)
        : characters_(std::move(characters)), pass_(pass), maxLength_(maxLength),
          caseOption_(caseOption) {}

    // The characters the filter names.
    platform::Ref<platform::String> characters() const { return characters_; }
    void setCharacters(platform::Ref<platform::String> characters) {
        characters_ = std::move(characters);
    }
    // True when the named characters are the only ones let through, false when they are the
    // ones refused.
    bool pass() const { return pass_; }
    void setPass(bool pass) { pass_ = pass; }
    // The largest number of characters in the field; 0 for no limit.
    std::int64_t maxLength() const { return maxLength_; }
    void setMaxLength(std::int64_t maxLength) { maxLength_ = maxLength; }
    // One of the CaseOption values of CUI_ControlFormatter.
    std::int64_t caseOption() const { return caseOption_; }
    void setCaseOption(std::int64_t caseOption) { caseOption_ = caseOption; }

private:
    platform::Ref<platform::String> characters_;
    bool pass_;
    std::int64_t maxLength_;
    std::int64_t caseOption_;
};

// The format in force, or none when line inputs run unfiltered.
platform::Ref<QVInputFormat> currentInputFormat();
void CurrentInputFormatSet(platform::Ref<QVInputFormat> format);
