#include "runtime/services/CUI_SpeechSynthesizerDelegate.h"

#include "ServicesTesting.h"

#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/SpeechSynthesizer.h"
#include "platform/testing/EventWait.h"

using platform::Ref;

namespace {

struct SpeechCase : servicestest::Row {
    const char* text; // UTF-8
    float volume;
    bool writable;
    // The text of each announced word's range, "|" between them; the sync numbers; the codes
    // of the other messages in order, phonemes (which every spoken word has) left out.
    const char* words;
    const char* syncs;
    const char* messages;
    bool finished;
    bool sound;
};

const SpeechCase speechCases[] = {
    {"WordsAreAnnouncedAtTheirRanges", "Play the ace, then draw.", 1, true,
     "Play|the|ace|then|draw", "", "4", true, true},
    {"RangesCountUtf16UnitsOfTheText", "Café \xF0\x9D\x9B\xA2 naïve über", 1, true,
     "Café|\xF0\x9D\x9B\xA2|naïve|über", "", "4", true, true},
    {"SyncCommandsBecomeMessagesAndLeaveTheRangesAlone", "Deal [[sync 0x2A]]five [[sync 7]]cards",
     1, true, "Deal|five|cards", "42 7", "4", true, true},
    {"MarkupCharactersAreSpokenNotObeyed", "Keep <b>two</b> & go", 1, true, "Keep|b|two|/|b|&|go",
     "", "4", true, true},
    {"SilentVolumeWritesSilence", "Quiet please", 0, true, "Quiet|please", "", "4", true, false},
    {"AnUnwritableFileIsAnErrorAndNoWords", "Lost words", 1, false, "", "", "2 4", false, false},
};

struct Heard {
    std::string words;
    std::string syncs;
    int phonemes = 0;
    std::vector<std::int64_t> messages;
    Ref<platform::Object> synthesizer;
    bool done = false;
};

void hear(const Ref<platform::Object>& synthesizer, std::int64_t message, void* data) {
    Heard& heard = *static_cast<Heard*>(data);
    auto* delegate = static_cast<CUI_SpeechSynthesizerDelegate*>(
        std::static_pointer_cast<platform::SpeechSynthesizer>(synthesizer)->delegate().get());
    EXPECT_EQ(synthesizer, heard.synthesizer);
    if (message == SpeechMessage::WillSpeakWord) {
        const auto range = delegate->rangeVal();
        const auto units = delegate->stringVal()->utf16().substr(
            static_cast<std::size_t>(range.location), static_cast<std::size_t>(range.length));
        heard.words += (heard.words.empty() ? "" : "|") + platform::String::create(units)->utf8();
        return;
    }
    if (message == SpeechMessage::WillSpeakPhoneme) {
        EXPECT_FALSE(
            platform::SpeechSynthesizer::phonemeName(delegate->phonemeOpcodeVal())->isEmpty());
        ++heard.phonemes;
        return;
    }
    if (message == SpeechMessage::DidEncounterSyncMessage) {
        const auto number = std::static_pointer_cast<platform::Number>(delegate->messageVal());
        heard.syncs += (heard.syncs.empty() ? "" : " ") + std::to_string(number->integerValue());
        return;
    }
    heard.messages.push_back(message);
    heard.done = message == SpeechMessage::DidFinishSpeaking;
}

std::vector<std::int16_t> samplesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    in.seekg(44);
    std::vector<std::int16_t> samples;
    std::int16_t sample;
    while (in.read(reinterpret_cast<char*>(&sample), 2))
        samples.push_back(sample);
    return samples;
}

class Speech : public shelltest::ShellTest, public ::testing::WithParamInterface<SpeechCase> {};

TEST_P(Speech, ToAFileTellsTheDelegateOfEachWordInOrder) {
    const SpeechCase& row = GetParam();
    const servicestest::ScratchDirectory directory;
    const auto file = directory.path() / (row.writable ? "" : "missing/") / "speech.wav";
    const auto synthesizer = platform::SpeechSynthesizer::create();
    ASSERT_TRUE(synthesizer);
    Heard heard;
    heard.synthesizer = synthesizer;
    const auto delegate = std::make_shared<CUI_SpeechSynthesizerDelegate>(hear, &heard);
    synthesizer->setDelegate(delegate);
    synthesizer->setVolume(row.volume);

    ASSERT_TRUE(synthesizer->startSpeakingStringToURL(
        *platform::String::fromUtf8(row.text),
        *platform::URL::fileURLWithPath(*platform::String::fromUtf8(file.string()))));
    platform::testing::runEventsUntil([&] { return heard.done; });

    EXPECT_EQ(heard.words, row.words);
    EXPECT_EQ(heard.syncs, row.syncs);
    EXPECT_EQ(heard.phonemes > 0, *row.words != 0);
    EXPECT_EQ(servicestest::runsOf(heard.messages), row.messages);
    EXPECT_EQ(delegate->finishedSpeakingVal(), row.finished);
    EXPECT_FALSE(synthesizer->isSpeaking());
    const auto samples = samplesOf(file);
    EXPECT_EQ(std::any_of(samples.begin(), samples.end(), [](auto s) { return s != 0; }),
              row.sound);
}
INSTANTIATE_TEST_SUITE_P(Rows, Speech, ::testing::ValuesIn(speechCases), servicestest::rowName);

// Stopping ends the utterance at once, as unfinished; nothing of it is heard after that, and
// the next utterance is heard whole.
using SpeechStop = shelltest::ShellTest;

TEST_F(SpeechStop, LeavesTheUtteranceUnfinishedAndSilentAfterwards) {
    const servicestest::ScratchDirectory directory;
    const auto file = platform::URL::fileURLWithPath(
        *platform::String::fromUtf8((directory.path() / "speech.wav").string()));
    const auto synthesizer = platform::SpeechSynthesizer::create();
    Heard heard;
    heard.synthesizer = synthesizer;
    const auto delegate = std::make_shared<CUI_SpeechSynthesizerDelegate>(hear, &heard);
    synthesizer->setDelegate(delegate);

    synthesizer->startSpeakingStringToURL(*platform::String::fromUtf8("One two three four"), *file);
    synthesizer->stopSpeaking();
    EXPECT_TRUE(heard.done);
    EXPECT_FALSE(delegate->finishedSpeakingVal());
    heard.done = false;
    synthesizer->startSpeakingStringToURL(*platform::String::fromUtf8("Five six"), *file);
    platform::testing::runEventsUntil([&] { return heard.done; });

    EXPECT_EQ(heard.words, "Five|six");
    EXPECT_EQ(servicestest::runsOf(heard.messages), "4+");
    EXPECT_TRUE(delegate->finishedSpeakingVal());
}

} // namespace
