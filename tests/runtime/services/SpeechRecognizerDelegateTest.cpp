#include "runtime/services/CUI_SpeechRecognizerDelegate.h"

#include "ServicesTesting.h"

#include "platform/foundation/String.h"
#include "platform/services/SpeechRecognizer.h"
#include "platform/services/SpeechSynthesizer.h"
#include "platform/testing/EventWait.h"

using platform::Ref;
using platform::String;

namespace {

struct RecognitionCase : servicestest::Row {
    const char* commands; // "|" between them
    // What the synthesizer says into the recording; none writes a file that is no sound.
    const char* spoken;
    // The commands heard, "|" between them; "refused" when listening does not start.
    const char* heard;
};

const RecognitionCase recognitionCases[] = {
    {"ACommandOfTheListIsHeard", "Deal the cards|Draw a card|New game", "Draw a card.",
     "Draw a card"},
    {"OtherSpeechIsNotTakenForACommand", "Deal the cards|Draw a card|quit", "The weather is nice.",
     ""},
    {"ACommandWithAnUnknownWordIsLeftOut", "Xyzzy plugh|Pass!", "Pass.", "Pass!"},
    {"AnEmptyListHearsNothing", "", "Draw a card.", ""},
    {"AFileThatIsNoSoundIsRefused", "Draw a card", nullptr, "refused"},
};

std::vector<Ref<String>> split(const std::string& text) {
    std::vector<Ref<String>> parts;
    for (std::size_t at = 0; at < text.size();) {
        const auto bar = std::min(text.find('|', at), text.size());
        parts.push_back(String::fromUtf8(text.substr(at, bar - at)));
        at = bar + 1;
    }
    return parts;
}

class Recognition : public ::testing::TestWithParam<RecognitionCase> {};

TEST_P(Recognition, TellsTheDelegateOfEachCommandHeard) {
    const RecognitionCase& row = GetParam();
    const servicestest::ScratchDirectory directory;
    const auto file = directory.write("said.wav", "no sound in here");
    if (row.spoken) {
        const auto synthesizer = platform::SpeechSynthesizer::create();
        synthesizer->startSpeakingStringToURL(*String::fromUtf8(row.spoken),
                                              *servicestest::urlOf(file));
        platform::testing::runEventsUntil([&] { return !synthesizer->isSpeaking(); });
    }
    const auto commands = split(row.commands);
    const auto recognizer = platform::SpeechRecognizer::create();
    recognizer->setCommands(commands);
    std::string heard;
    struct Listener {
        Ref<platform::SpeechRecognizer> recognizer;
        std::vector<Ref<String>> commands;
        std::string* heard;
        std::shared_ptr<CUI_SpeechRecognizerDelegate> delegate;
    } listener{recognizer, commands, &heard, nullptr};
    listener.delegate = std::make_shared<CUI_SpeechRecognizerDelegate>(
        [](const Ref<platform::Object>& sender, std::int64_t message, void* data) {
            auto& self = *static_cast<Listener*>(data);
            EXPECT_EQ(sender, self.recognizer);
            EXPECT_EQ(message, 0);
            // The very string of the list, not a copy.
            const auto command = self.delegate->commandVal();
            EXPECT_NE(std::find(self.commands.begin(), self.commands.end(), command),
                      self.commands.end());
            *self.heard += (self.heard->empty() ? "" : "|") + command->utf8();
        },
        &listener);
    recognizer->setDelegate(listener.delegate);

    if (!recognizer->startListeningToFile(*servicestest::urlOf(file))) {
        heard = "refused";
    }
    EXPECT_FALSE(recognizer->startListeningToFile(*servicestest::urlOf(file)));
    platform::testing::runEventsUntil([&] { return !recognizer->isListening(); });

    EXPECT_EQ(heard, row.heard);
}
INSTANTIATE_TEST_SUITE_P(Rows, Recognition, ::testing::ValuesIn(recognitionCases),
                         servicestest::rowName);

} // namespace
