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

TEST(BundleInfo, NameIsTheOneTheExecutableEmbedsAndAKeyWithoutValueGivesNone) {
    EXPECT_EQ(utf8(Bundle::main()->objectForInfoDictionaryKey(text("CFBundleName"))),
              "Platform Tests");
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

TEST(BundleLocalizedString, AnswersTheTranslationElseTheValueElseTheKey) {
    const struct {
        const char* key;
        const char* value;
        const char* table;
        const char* expected;
    } cases[] = {
        {"Play again?", nullptr, "Game", "Play again?"},
        {"Play again?", "", "Game", "Play again?"},
        {"Play again?", "Again?", "Game", "Again?"},
        {"Deal", "Hand out", "Game", "Geben"},
        // Translated in another table only.
        {"Deal", "Hand out", "Menu", "Hand out"},
        // No table, or an empty one, is the default table.
        {"Yes", nullptr, nullptr, "Ja"},
        {"Yes", nullptr, "", "Ja"},
        {nullptr, "Fallback", "Game", "Fallback"},
        {nullptr, nullptr, "Game", ""},
    };
    FixedTranslator translator;
    QCoreApplication::installTranslator(&translator);
    for (const auto& c : cases)
        EXPECT_EQ(utf8(Bundle::main()->localizedStringForKeyValueTable(text(c.key), text(c.value),
                                                                       text(c.table))),
                  c.expected)
            << (c.key ? c.key : "no key") << " in " << (c.table ? c.table : "no table");
    QCoreApplication::removeTranslator(&translator);
}

TEST(BundleTranslations, DirectoryWithoutTranslationFilesLoadsNothing) {
    EXPECT_FALSE(Bundle::loadTranslations(
        String::fromUtf8(QDir::tempPath().toStdString() + "/no-such-translations")));
    EXPECT_FALSE(Bundle::loadTranslations(nullptr));
}

} // namespace
} // namespace platform
