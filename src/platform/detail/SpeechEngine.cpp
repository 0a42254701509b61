#include "platform/detail/SpeechEngine.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>

namespace platform::detail {

namespace {

std::mutex& engineLock() {
    static std::mutex lock;
    return lock;
}

// The sample rate once the library is up, or 0 when it could not start (no voice data).
int startedRate() {
    static const int rate = [] {
        const int answer =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                              espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
        return answer > 0 ? answer : 0;
    }();
    return rate;
}

std::vector<std::string>& phonemeNames() {
    static std::vector<std::string> names{"_"};
    return names;
}

std::int16_t opcodeOf(const std::string& name) {
    auto& names = phonemeNames();
    const auto found = std::find(names.begin(), names.end(), name);
    if (found != names.end())
        return static_cast<std::int16_t>(found - names.begin());
    names.push_back(name);
    return static_cast<std::int16_t>(names.size() - 1);
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The number of a sync command's argument: decimal or 0x hexadecimal.
std::optional<std::int64_t> syncNumber(const std::u16string& argument) {
    std::string text(argument.begin(), argument.end());
    const bool hex = text.size() > 2 && (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0);
    const std::string digits = hex ? text.substr(2) : text;
    const char* accepted = hex ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.size() > 15 ||
        digits.find_first_not_of(accepted) != std::string::npos)
        return std::nullopt;
    return std::stoll(digits, nullptr, hex ? 16 : 10);
}

// The text as the engine reads it (SSML, so that sync commands become marks), with the UTF-16
// index in the given text of each character the engine counts, and one more for the end.
struct EngineText {
    std::string markup;
    std::vector<std::int64_t> unitOf;

    explicit EngineText(const std::u16string& text) {
        static const std::u16string syncOpen = u"[[sync ";
        std::size_t i = 0;
        while (i < text.size()) {
            const auto index = static_cast<std::int64_t>(i);
            if (text.compare(i, syncOpen.size(), syncOpen) == 0) {
                const auto close = text.find(u"]]", i);
                const auto number =
                    close == std::u16string::npos
                        ? std::nullopt
                        : syncNumber(text.substr(i + syncOpen.size(), close - i - syncOpen.size()));
                if (number) {
                    addMarkup("<mark name=\"" + std::to_string(*number) + "\"/>", index);
                    i = close + 2;
                    continue;
                }
            }
            char32_t c = text[i];
            std::size_t width = 1;
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                text[i + 1] < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                width = 2;
            }
            if (c == '&')
                addMarkup("&amp;", index);
            else if (c == '<')
                addMarkup("&lt;", index);
            else if (c == '>')
                addMarkup("&gt;", index);
            else {
                appendUtf8(markup, c);
                unitOf.push_back(index);
            }
            i += width;
        }
        unitOf.push_back(static_cast<std::int64_t>(text.size()));
    }

    void addMarkup(const std::string& ascii, std::int64_t index) {
        markup += ascii;
        unitOf.insert(unitOf.end(), ascii.size(), index);
    }

    // The UTF-16 range of the engine's characters [position, position + length), 1-based.
    Range rangeOf(int position, int length, const std::u16string& text) const {
        const auto last = static_cast<std::int64_t>(unitOf.size()) - 1;
        const auto first = std::clamp<std::int64_t>(position - 1, 0, last);
        const auto end = std::clamp<std::int64_t>(position - 1 + std::max(length, 1) - 1, 0, last);
        std::int64_t stop = unitOf[end];
        if (stop < static_cast<std::int64_t>(text.size()))
            stop += (text[stop] >= 0xD800 && text[stop] < 0xDC00) ? 2 : 1;
        return Range{unitOf[first], std::max<std::int64_t>(stop - unitOf[first], 0)};
    }
};

// What the engine's callback fills; one synthesis at a time, under the engine's lock.
struct Synthesis {
    const std::u16string* text = nullptr;
    const EngineText* engineText = nullptr;
    const std::function<void(const SpeechMark&)>* onMark = nullptr;
    std::vector<std::int16_t>* samples = nullptr;
    const std::atomic<bool>* stop = nullptr;
};
Synthesis* current = nullptr;

int heard(short* wave, int count, espeak_EVENT* events) {
    Synthesis& run = *current;
    if (wave && count > 0)
        run.samples->insert(run.samples->end(), wave, wave + count);
    for (espeak_EVENT* event = events; event && event->type != espeakEVENT_LIST_TERMINATED;
         ++event) {
        SpeechMark mark;
        mark.audioMs = event->audio_position;
        // After its first utterance the engine also reports an empty word at no position,
        // which is nothing of the text.
        if (event->type == espeakEVENT_WORD && event->length > 0) {
            mark.kind = SpeechMark::Kind::Word;
            mark.range = run.engineText->rangeOf(event->text_position, event->length, *run.text);
        } else if (event->type == espeakEVENT_PHONEME) {
            mark.kind = SpeechMark::Kind::Phoneme;
            mark.opcode = opcodeOf(std::string(event->id.string, strnlen(event->id.string, 8)));
        } else if (event->type == espeakEVENT_MARK && event->id.name) {
            mark.kind = SpeechMark::Kind::Sync;
            mark.sync = std::stoll(event->id.name);
        } else {
            continue;
        }
        (*run.onMark)(mark);
    }
    return run.stop->load() ? 1 : 0;
}

} // namespace

const std::vector<SpeechVoice>& SpeechEngine::voices() {
    static const std::vector<SpeechVoice> all = [] {
        std::vector<SpeechVoice> list;
        const std::lock_guard hold(engineLock());
        if (!startedRate())
            return list;
        for (const espeak_VOICE** voice = espeak_ListVoices(nullptr); *voice; ++voice) {
            // The languages are a priority byte followed by a name; the first is the voice's own.
            const char* languages = (*voice)->languages;
            list.push_back({(*voice)->identifier, (*voice)->name,
                            languages && *languages ? languages + 1 : ""});
        }
        return list;
    }();
    return all;
}

std::string SpeechEngine::defaultVoice() {
    const auto& all = voices();
    for (const char* preferred : {"gmw/en-US", "gmw/en"})
        for (const auto& voice : all)
            if (voice.identifier == preferred)
                return voice.identifier;
    return all.empty() ? std::string() : all.front().identifier;
}

int SpeechEngine::sampleRate() {
    const std::lock_guard hold(engineLock());
    return startedRate();
}

std::string SpeechEngine::phonemeName(std::int16_t opcode) {
    const std::lock_guard hold(engineLock());
    const auto& names = phonemeNames();
    return opcode >= 0 && static_cast<std::size_t>(opcode) < names.size() ? names[opcode] : "";
}

bool SpeechEngine::synthesize(const SpeechRequest& request,
                              const std::function<void(const SpeechMark&)>& onMark,
                              std::vector<std::int16_t>* samples, const std::atomic<bool>& stop,
                              std::string* error) {
    const std::lock_guard hold(engineLock());
    if (!startedRate()) {
        *error = "The speech engine could not start: its voice data is missing.";
        return false;
    }
    if (espeak_SetVoiceByName(request.voice.c_str()) != EE_OK) {
        *error = "The voice " + request.voice + " is not available.";
        return false;
    }
    espeak_SetParameter(espeakRATE, request.rate, 0);
    espeak_SetParameter(espeakVOLUME, request.volume, 0);
    const EngineText engineText(request.text);
    Synthesis run{&request.text, &engineText, &onMark, samples, &stop};
    current = &run;
    espeak_SetSynthCallback(heard);
    const espeak_ERROR result =
        espeak_Synth(engineText.markup.c_str(), engineText.markup.size() + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8 | espeakSSML, nullptr, nullptr);
    current = nullptr;
    if (result != EE_OK && !stop.load()) {
        *error = "The speech engine failed (" + std::to_string(result) + ").";
        return false;
    }
    return true;
}

} // namespace platform::detail
