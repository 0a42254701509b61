#include "platform/app/Bundle.h"

#include "platform/foundation/String.h"

#include "TestText.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace platform {
namespace {

using testsupport::text;
using testsupport::utf8;

TEST(BundleInfo, NameIsTheOneTheExecutableEmbeds) {
    EXPECT_EQ(utf8(Bundle::main()->objectForInfoDictionaryKey(text("CFBundleName"))),
              "Platform Tests");
}

TEST(BundleInfo, KeyWithoutValueGivesNone) {
    EXPECT_EQ(Bundle::main()->objectForInfoDictionaryKey(text("NoSuchKey")), nullptr);
    EXPECT_EQ(Bundle::main()->objectForInfoDictionaryKey(nullptr), nullptr);
}

// Translates a few keys, each in one context, the way a loaded translation file does.
class FixedTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        const auto it = translations_.find({context, sourceText});
        return it == translations_.end() ? QString() : QString::fromUtf8(it->second);
    }
    bool isEmpty() const override { return false; }

private:
    std::map<std::pair<std::string, std::string>, std::string> translations_{
        {{"Game", "Deal"}, "Geben"},
        {{"Localizable", "Yes"}, "Ja"},
    };
};

struct LocalizedCase {
    const char* name;
    const char* key;
    const char* value;
    const char* table;
    const char* expected;
    friend void PrintTo(const LocalizedCase& c, std::ostream* os) { *os << c.name; }
};

class LocalizedString : public testing::TestWithParam<LocalizedCase> {};

TEST_P(LocalizedString, AnswersTheTranslationElseTheValueElseTheKey) {
    FixedTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const LocalizedCase& c = GetParam();
    const auto result =
        Bundle::main()->localizedStringForKeyValueTable(text(c.key), text(c.value), text(c.table));
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(utf8(result), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocalizedString,
    testing::Values(
        LocalizedCase{"UntranslatedKey", "Play again?", nullptr, "Game", "Play again?"},
        LocalizedCase{"UntranslatedKeyEmptyValue", "Play again?", "", "Game", "Play again?"},
        LocalizedCase{"UntranslatedKeyWithValue", "Play again?", "Again?", "Game", "Again?"},
        LocalizedCase{"TranslatedKey", "Deal", "Hand out", "Game", "Geben"},
        LocalizedCase{"KeyTranslatedInAnotherTable", "Deal", "Hand out", "Menu", "Hand out"},
        LocalizedCase{"DefaultTable", "Yes", nullptr, nullptr, "Ja"},
        LocalizedCase{"EmptyTableIsTheDefault", "Yes", nullptr, "", "Ja"},
        LocalizedCase{"NoKeyWithValue", nullptr, "Fallback", "Game", "Fallback"},
        LocalizedCase{"NoKeyNoValue", nullptr, nullptr, "Game", ""}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(BundleTranslations, DirectoryWithoutTranslationFilesLoadsNothing) {
    EXPECT_FALSE(Bundle::loadTranslations(
        String::fromUtf8(QDir::tempPath().toStdString() + "/no-such-translations")));
    EXPECT_FALSE(Bundle::loadTranslations(nullptr));
}

} // namespace
} // namespace platform
