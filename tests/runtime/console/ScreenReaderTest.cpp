// The console as a screen reader reads it: a document holding textString, the caret where the
// next print goes, each print announced as it comes, and the colour of each run.

#include "ConsoleTesting.h"

#include "runtime/console/ConsoleOperations.h"
#include "runtime/console/NamedColors.h"

#include "platform/foundation/MutableString.h"
#include "platform/testing/ScreenReader.h"

using namespace console_testing;
using platform::testing::ScreenReader;

using ConsoleScreenReader = ConsoleWindowTest;

TEST_F(ConsoleScreenReader, ReadsTheTextCaretLinesColoursAndEachPrint) {
    ScreenReader reader;
    ConsolePrint({text("Your Cards")});
    ConsoleSetText(nullptr, 0, ColorRed(), nullptr);
    ConsolePrint({text("Bad card!")});
    const auto& console = *ConsoleForWindowTag(CurrentOutputWindowTag());

    EXPECT_EQ(ScreenReader::role(console), "document");
    EXPECT_EQ(ScreenReader::text(console), u"Your Cards\nBad card!\n");
    EXPECT_EQ(ScreenReader::caret(console), 21);
    EXPECT_EQ(ScreenReader::lineAt(console, 13), u"Bad card!\n");
    EXPECT_EQ(ScreenReader::attributesAt(console, 13), "color:rgb(255,0,0);");
    EXPECT_NE(ScreenReader::attributesAt(console, 2), "color:rgb(255,0,0);");
    EXPECT_EQ(ScreenReader::attributesAt(console, 21), "");

    ConsoleClear();
    EXPECT_EQ(ScreenReader::text(console), u"");
    ConsolePrint({text("Again")});
    EXPECT_EQ(ScreenReader::text(console), u"Again\n");
    EXPECT_EQ(reader.changes(),
              (std::vector<std::u16string>{u"+0 Your Cards\n", u"+11 Bad card!\n",
                                           u"-0 Your Cards\nBad card!\n", u"+0 Again\n"}));
}
