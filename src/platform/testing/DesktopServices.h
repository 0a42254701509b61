#pragma once

#include <string>
#include <vector>

namespace platform::testing {

// Stands in for the desktop's e-mail program while it lives: the mailto: URLs the program opens
// come here, decoded, instead of starting a program.
class MailCatcher {
public:
    struct Mail {
        std::string to;
        std::string subject;
        std::string body;
    };

    MailCatcher();
    ~MailCatcher();
    MailCatcher(const MailCatcher&) = delete;
    MailCatcher& operator=(const MailCatcher&) = delete;

    const std::vector<Mail>& mails() const { return mails_; }

private:
    std::vector<Mail> mails_;
};

// The text on the clipboard.
std::string clipboardText();
void setClipboardText(const std::string& text);

} // namespace platform::testing
