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

namespace {

// Loads the translations, and has the script answer the coming report with the button.
void answerReportWith(platform::testing::ModalScript& script, int button) {
    platform::Bundle::loadTranslations(String::fromUtf8(PONDARO_TRANSLATIONS_DIR));
    script.run().clickButton(button);
    coretesting::reportAlertWhenShown();
}

std::string regexQuoted(std::string_view text) {
    std::string quoted;
    for (const char c : text) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos)
            quoted += '\\';
        quoted += c;
    }
    return quoted;
}

struct LocaleCase {
    const char* lang;
    // What an array-bounds report writes to the standard error stream, then how its alert
    // shows; how a warning shows.
    const char* boundsReport;
    const char* boundsAlert;
    const char* warningAlert;
};

constexpr const char* kGermanBounds =
    "Array bounds error:\nIn Zeile 81 von Pondaro\nDer Index 14 liegt außerhalb des "
    "DIM-Bereichs 0 bis 13. [Type ctrl-C if process hangs]";
constexpr const char* kGermanBoundsAlert =
    "alert critical [Fehler: Feldgrenze überschritten] [In Zeile 81 von Pondaro\nDer Index 14 "
    "liegt außerhalb des DIM-Bereichs 0 bis 13] <Beenden> <Abstürzen>";
constexpr const char* kGermanWarning =
    "alert warning [Careful] [] <Anhalten> <Fortfahren> <Abstürzen>";
// With no translation for the locale every text is its English key.
constexpr const char* kEnglishBounds =
    "Array bounds error:\nAt line 81 of Pondaro\nIndex 14 is outside the DIM range 0 to 13. "
    "[Type ctrl-C if process hangs]";
constexpr const char* kEnglishBoundsAlert =
    "alert critical [Array bounds error] [At line 81 of Pondaro\nIndex 14 is outside the DIM "
    "range 0 to 13] <Quit> <Crash>";
constexpr const char* kEnglishWarning = "alert warning [Careful] [] <Stop> <Continue> <Crash>";

const LocaleCase kLocales[] = {
    {"de_DE.UTF-8", kGermanBounds, kGermanBoundsAlert, kGermanWarning},
    {"de_AT.UTF-8", kGermanBounds, kGermanBoundsAlert, kGermanWarning},
    {"fr_FR.UTF-8", kEnglishBounds, kEnglishBoundsAlert, kEnglishWarning},
    {"C", kEnglishBounds, kEnglishBoundsAlert, kEnglishWarning},
};

// "Quit" in the bounds report ends the process with status 0; "Continue" in the warning returns
// to the caller.
TEST(RuntimeTextsUnderLocaleDeathTest, ReportsAreWrittenAndShownInTheLocalesLanguage) {
    // The processes the death tests start get a user's environment: LANG set, the variables
    // that would override it unset. This process keeps what it started with.
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
    for (const char* name : {"LANG", "LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
        const char* value = std::getenv(name);
        saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        unsetenv(name);
    }
    for (const LocaleCase& c : kLocales) {
        SCOPED_TRACE(c.lang);
        setenv("LANG", c.lang, 1);
        EXPECT_EXIT(
            {
                platform::testing::ModalScript script;
                answerReportWith(script, 0);
                ArrayBoundsError(14, 81, 13, String::fromUtf8("Pondaro"));
            },
            testing::ExitedWithCode(0),
            regexQuoted(c.boundsReport) + ".*" + regexQuoted(c.boundsAlert));
        EXPECT_EXIT(
            {
                platform::testing::ModalScript script;
                answerReportWith(script, 1);
                RuntimeAlert(String::fromUtf8("Careful"), String::create(), 0);
                std::fprintf(stderr, "returned\n");
                std::fflush(stderr);
                std::_Exit(0);
            },
            testing::ExitedWithCode(0), regexQuoted(c.warningAlert) + "\nreturned");
    }
    for (const auto& [name, value] : saved) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
}

} // namespace
