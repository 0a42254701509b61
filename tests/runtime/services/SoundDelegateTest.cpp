#include "runtime/services/CUI_SoundDelegate.h"

#include "ServicesTesting.h"

#include "platform/foundation/String.h"
#include "platform/services/Sound.h"
#include "platform/testing/EventWait.h"

#include <cstdlib>

using platform::Ref;
using platform::Sound;
using shelltest::heard;

namespace {

enum class Load { File, Named, Missing };
enum class Then { Nothing, Wait, Stop, PauseThenResume, PauseThenStop, LoopBeside, LetGo };

struct SoundCase : servicestest::Row {
    // The file's format code, channels, frame rate, bits a sample and data bytes; format 0 writes
    // a text file instead.
    int format, channels, rate, bits, bytes;
    Load load;
    Then then;
    // "none" when no sound loads, else its duration and the finished flag of each 3700 heard.
    const char* outcome;
};

const SoundCase soundCases[] = {
    {"Mono16BitPlaysToItsEnd", 1, 1, 8000, 16, 800, Load::File, Then::Wait, "50ms 1"},
    {"Stereo24BitIsWidenedAndPlays", 1, 2, 8000, 24, 1200, Load::File, Then::Wait, "25ms 1"},
    {"FloatSamplesPlay", 3, 1, 8000, 32, 640, Load::File, Then::Wait, "20ms 1"},
    {"EightBitStereo", 1, 2, 8000, 8, 321, Load::File, Then::Nothing, "20ms"},
    {"ExtensibleFileNamesItsFormat", 0xFFFE, 2, 16000, 16, 640, Load::File, Then::Nothing, "10ms"},
    {"CompressedSamplesAreRefused", 2, 1, 8000, 4, 100, Load::File, Then::Nothing, "none"},
    {"AFileThatIsNoSoundIsRefused", 0, 0, 0, 0, 0, Load::File, Then::Nothing, "none"},
    {"AMissingFileIsRefused", 1, 1, 8000, 16, 800, Load::Missing, Then::Nothing, "none"},
    {"StoppedIsUnfinished", 1, 1, 8000, 16, 800, Load::File, Then::Stop, "50ms 0"},
    {"PausedAndResumedPlaysOn", 1, 1, 8000, 16, 800, Load::File, Then::PauseThenResume, "50ms 1"},
    {"StoppedWhilePaused", 1, 1, 8000, 16, 800, Load::File, Then::PauseThenStop, "50ms 0"},
    {"LoopingGoesOnUntilStopped", 1, 1, 8000, 16, 800, Load::File, Then::LoopBeside, "50ms 1 0"},
    {"LetGoWhilePlayingStillEnds", 1, 1, 8000, 16, 800, Load::File, Then::LetGo, "50ms 1"},
    {"ADesktopSoundByName", 1, 1, 8000, 16, 800, Load::Named, Then::Wait, "50ms 1"},
};

std::string little(std::uint64_t value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>(value >> (8 * i));
    return bytes;
}

std::string waveOf(const SoundCase& row) {
    if (row.format == 0)
        return "no sound in here";
    const bool extensible = row.format == 0xFFFE;
    const auto frameBytes = static_cast<std::uint32_t>(row.channels * row.bits / 8);
    std::string format = little(row.format, 2) + little(row.channels, 2) + little(row.rate, 4) +
                         little(row.rate * frameBytes, 4) + little(frameBytes, 2) +
                         little(row.bits, 2);
    if (extensible)
        format += little(22, 2) + little(row.bits, 2) + little(0, 4) + little(1, 2) +
                  std::string(14, '\0');
    // An odd chunk before the format, padded, as files from other tools carry them.
    const std::string chunks = "LIST" + little(3, 4) + "abc" + '\0' + "fmt " +
                               little(format.size(), 4) + format + "data" + little(row.bytes, 4) +
                               std::string(row.bytes, '\0');
    return "RIFF" + little(4 + chunks.size(), 4) + "WAVE" + chunks;
}

class Sounds : public shelltest::ShellTest, public ::testing::WithParamInterface<SoundCase> {};

TEST_P(Sounds, LoadAndTellTheDialogCallbackHowTheyEnded) {
    const SoundCase& row = GetParam();
    const servicestest::ScratchDirectory directory;
    const auto file = directory.write("sounds/cards/stereo/deal.wav", waveOf(row));
    const auto fileNamed = [](const fs::path& path) {
        return Sound::soundWithContentsOfFile(*platform::String::fromUtf8(path.string()));
    };
    Ref<Sound> sound;
    if (row.load == Load::Named) {
        const char* dataHome = std::getenv("XDG_DATA_HOME");
        const std::string saved = dataHome ? dataHome : "";
        ::setenv("XDG_DATA_HOME", directory.path().c_str(), 1);
        sound = Sound::soundNamed(*platform::String::fromUtf8("deal"));
        dataHome ? ::setenv("XDG_DATA_HOME", saved.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
    } else {
        sound = fileNamed(row.load == Load::Missing ? directory.path() / "gone.wav" : file);
    }
    std::string outcome = sound ? std::to_string(sound->durationMs()) + "ms" : "none";
    if (!sound || row.then == Then::Nothing) {
        EXPECT_EQ(outcome, row.outcome);
        return;
    }

    const auto looping = fileNamed(file);
    const auto delegate = std::make_shared<CUI_SoundDelegate>();
    sound->setDelegate(delegate);
    looping->setDelegate(delegate);
    looping->setLoops(true);
    const platform::WeakRef<Sound> played = sound;
    shelltest::whileHeard() = [&] {
        EXPECT_EQ(heard().back().event, SoundEvent::DidFinishPlaying);
        EXPECT_EQ(heard().back().tag + heard().back().wndTag, 0) << "a sound has no tags";
        outcome += DialogEventBoolVal() ? " 1" : " 0";
        // The looping sound, started first, is still playing when the other one ends.
        if (heard().back().object == played.lock() && row.then == Then::LoopBeside) {
            EXPECT_TRUE(looping->stop());
        }
    };
    DialogCallbackSet(shelltest::dialogCallback);
    if (row.then == Then::LoopBeside) {
        ASSERT_TRUE(looping->play());
    }
    ASSERT_TRUE(sound->play());
    EXPECT_FALSE(sound->play());
    EXPECT_FALSE(sound->resume());
    if (row.then == Then::PauseThenResume || row.then == Then::PauseThenStop) {
        EXPECT_TRUE(sound->pause());
        EXPECT_FALSE(sound->pause());
        EXPECT_TRUE(sound->isPlaying());
    }
    if (row.then == Then::PauseThenResume) {
        EXPECT_TRUE(sound->resume());
    }
    if (row.then == Then::Stop || row.then == Then::PauseThenStop) {
        EXPECT_TRUE(sound->stop());
    }
    if (row.then == Then::LetGo)
        sound.reset();
    platform::testing::runEventsUntil([&] {
        const auto still = played.lock();
        return (!still || !still->isPlaying()) && !looping->isPlaying();
    });

    EXPECT_EQ(outcome, row.outcome);
    if (sound) {
        EXPECT_FALSE(sound->stop());
        EXPECT_FALSE(sound->pause());
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, Sounds, ::testing::ValuesIn(soundCases), servicestest::rowName);

TEST(SoundNames, FindNothingForUnknownNamesOrPaths) {
    EXPECT_FALSE(Sound::soundNamed(*platform::String::fromUtf8("no-such-sound-here")));
    EXPECT_FALSE(Sound::soundNamed(*platform::String::fromUtf8("../../etc/passwd")));
    EXPECT_FALSE(Sound::soundNamed(*platform::String::fromUtf8("")));
}

} // namespace
