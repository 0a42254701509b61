#pragma once

// The keyboard input operations: the modal line input and key input, and the formats that
// restrict what they accept. Integer arguments may be kParamNotGiven where a default is named.

#include "runtime/shell/Tags.h"

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class String;
}

// Reads one line in a modal input window and answers the text confirmed with Return, or none
// when the user pressed Escape. The window shows the prompt (none or empty for no prompt); its
// bottom-left corner is x points right of the front window's content and y points below its
// top (see QVFloatingWindow::center). The format: no characters clears the current format, an
// empty string keeps whatever format is current, and other characters define a new one with
// InputFormatDefine.
platform::Ref<platform::String> InputWindowRun(std::int64_t x, std::int64_t y,
                                               const platform::Ref<platform::String>& prompt,
                                               const platform::Ref<platform::String>& characters,
                                               std::int64_t pass, std::int64_t maxLength,
                                               std::int64_t caseOption);

// Makes a new format the current input format. pass is true for every value but 0; an omitted
// maxLength is no limit, and so is a negative one; an omitted caseOption is CaseOption::None.
void InputFormatDefine(const platform::Ref<platform::String>& characters, std::int64_t pass,
                       std::int64_t maxLength, std::int64_t caseOption);

// Gives the control (a tag in the current window or a reference) a filtering CUI_ControlFormatter
// with the characters, pass (true for every value but 0), maximum length (0 or a negative value
// for no limit) and case option. Does nothing more when the lookup finds no control; the lookup
// has posted its error notice then.
void ControlFormatterAttach(const TagOrRef& control,
                            const platform::Ref<platform::String>& characters, std::int64_t pass,
                            std::int64_t length, std::int64_t caseOption);

// Waits in a modal key input window for one key and answers its characters, converted and
// filtered by the current key format; none for Escape or a key that types no character. The
// prompt and the position are those of InputWindowRun.
platform::Ref<platform::String> InkeyWindowRun(std::int64_t x, std::int64_t y,
                                               const platform::Ref<platform::String>& prompt);

// Makes a new key format current, built as InputFormatDefine's filter: with pass (every value
// but 0, the default) only the named characters are accepted, without it every key but them.
// caseOption CaseOption::Lower or Upper converts the key before the test; the named characters
// count in both cases unless it is CaseOption::CaseSensitive; omitted, it is CaseOption::None.
// No characters clears the key format, so that every key is accepted.
void KeyFormatDefine(const platform::Ref<platform::String>& characters, std::int64_t pass,
                     std::int64_t caseOption);
