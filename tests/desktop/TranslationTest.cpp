// The runtime's texts under the user's locale. Each case runs in a fresh process whose
// environment names the locale, as for a program the user starts, and loads the compiled
// translations before it reports an error.

#include "../runtime/core/AlertReport.h"

#include "platform/app/Bundle.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "runtime/core/RuntimeAlert.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using platform::String;
using platform::testing::ModalScript;

namespace {

// Gives the processes that death tests start the environment of a user whose locale is `lang`:
// LANG set, the variables that would override it unset. This process keeps what it started with.
class UserLocale {
public:
    explicit UserLocale(const char* lang) {
        for (const char* name : {"LANG", "LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
        setenv("LANG", lang, 1);
    }
    ~UserLocale() {
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name, value->c_str(), 1);
            else
                unsetenv(name);
        }
    }
    UserLocale(const UserLocale&) = delete;
    UserLocale& operator=(const UserLocale&) = delete;

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

void loadTranslations() {
    platform::Bundle::loadTranslations(String::fromUtf8(PONDARO_TRANSLATIONS_DIR));
}

// An array-bounds report answered with its first button: it writes its message to the standard
// error stream, shows the fatal alert, and "Quit" ends the process with status 0.
void boundsErrorAnsweredQuit() {
    loadTranslations();
    ModalScript script;
    script.run().clickButton(0);
    coretesting::reportAlertWhenShown();
    ArrayBoundsError(14, 81, 13, String::fromUtf8("Pondaro"));
}

// A non-fatal report answered "Continue", which returns to the caller.
void warningAnsweredContinue() {
    loadTranslations();
    ModalScript script;
    script.run().clickButton(1);
    coretesting::reportAlertWhenShown();
    RuntimeAlert(String::fromUtf8("Careful"), String::create(), 0);
    std::fprintf(stderr, "returned\n");
    std::fflush(stderr);
    std::_Exit(0);
}

std::string regexQuoted(const std::string& text) {
    std::string quoted;
    for (const char c : text) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos)
            quoted += '\\';
        quoted += c;
    }
    return quoted;
}

struct LocaleCase {
    const char* name;
    const char* lang;
    // What the report writes to the standard error stream, then how its alert shows.
    const char* boundsReport;
    const char* boundsAlert;
    const char* warningAlert;
    friend void PrintTo(const LocaleCase& c, std::ostream* os) { *os << c.name; }
};

LocaleCase german(const char* name, const char* lang) {
    return {name, lang,
            "Array bounds error:\nIn Zeile 81 von Pondaro\nDer Index 14 liegt außerhalb des "
            "DIM-Bereichs 0 bis 13. [Type ctrl-C if process hangs]",
            "alert critical [Fehler: Feldgrenze überschritten] "
            "[In Zeile 81 von Pondaro\nDer Index 14 liegt außerhalb des DIM-Bereichs 0 bis 13] "
            "<Beenden> <Abstürzen>",
            "alert warning [Careful] [] <Anhalten> <Fortfahren> <Abstürzen>"};
}

// With no translation for the locale every text is its English key.
LocaleCase english(const char* name, const char* lang) {
    return {name, lang,
            "Array bounds error:\nAt line 81 of Pondaro\nIndex 14 is outside the DIM range 0 to "
            "13. [Type ctrl-C if process hangs]",
            "alert critical [Array bounds error] "
            "[At line 81 of Pondaro\nIndex 14 is outside the DIM range 0 to 13] <Quit> <Crash>",
            "alert warning [Careful] [] <Stop> <Continue> <Crash>"};
}

class RuntimeTextsUnderLocaleDeathTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(RuntimeTextsUnderLocaleDeathTest, ABoundsReportIsWrittenAndShownInTheLocalesLanguage) {
    const LocaleCase& c = GetParam();
    const UserLocale locale(c.lang);
    EXPECT_EXIT(boundsErrorAnsweredQuit(), testing::ExitedWithCode(0),
                regexQuoted(c.boundsReport) + ".*" + regexQuoted(c.boundsAlert));
}

TEST_P(RuntimeTextsUnderLocaleDeathTest, AWarningsButtonsAreInTheLocalesLanguage) {
    const LocaleCase& c = GetParam();
    const UserLocale locale(c.lang);
    EXPECT_EXIT(warningAnsweredContinue(), testing::ExitedWithCode(0),
                regexQuoted(c.warningAlert) + "\nreturned");
}

INSTANTIATE_TEST_SUITE_P(Locales, RuntimeTextsUnderLocaleDeathTest,
                         testing::Values(german("German", "de_DE.UTF-8"),
                                         german("AustrianGerman", "de_AT.UTF-8"),
                                         english("French", "fr_FR.UTF-8"), english("Plain", "C")),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

} // namespace
