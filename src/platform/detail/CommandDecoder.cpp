#include "platform/detail/CommandDecoder.h"

#include <err.h>
#include <pocketsphinx.h>

#include <cctype>
#include <filesystem>
#include <mutex>

namespace platform::detail {

namespace {

const char* const kModel = "/usr/share/pocketsphinx/model/en-us/en-us";
const char* const kDictionary = "/usr/share/pocketsphinx/model/en-us/cmudict-en-us.dict";

// The lowest mean acoustic score per frame of the words of a match that is kept. Speech of a
// listed command scores well above it; other speech forced onto the nearest command well below.
constexpr double kFloorPerFrame = -50;

// The command's words in lower case; apostrophes stay, other punctuation separates words.
std::vector<std::string> wordsOf(const std::string& command) {
    std::vector<std::string> words(1);
    for (const char c : command) {
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '\'')
            words.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty())
        words.pop_back();
    return words;
}

} // namespace

bool CommandDecoder::installed() {
    std::error_code ignored;
    return std::filesystem::is_directory(kModel, ignored) &&
           std::filesystem::is_regular_file(kDictionary, ignored);
}

std::unique_ptr<CommandDecoder> CommandDecoder::create(const std::vector<std::string>& commands) {
    if (!installed())
        return nullptr;
    // The engine logs every step to the standard error unless told otherwise, once.
    static std::once_flag quiet;
    std::call_once(quiet, [] { err_set_logfp(nullptr); });
    std::unique_ptr<CommandDecoder> decoder(new CommandDecoder);
    decoder->config_ = cmd_ln_init(nullptr, ps_args(), TRUE, "-hmm", kModel, "-dict", kDictionary,
                                   "-samprate", "16000", nullptr);
    decoder->decoder_ = decoder->config_ ? ps_init(decoder->config_) : nullptr;
    if (!decoder->decoder_)
        return nullptr;
    std::string alternatives;
    for (std::size_t index = 0; index < commands.size(); ++index) {
        const auto words = wordsOf(commands[index]);
        std::string phrase;
        bool known = !words.empty();
        for (const auto& word : words) {
            char* pronunciation = ps_lookup_word(decoder->decoder_, word.c_str());
            known = known && pronunciation;
            ckd_free(pronunciation);
            phrase += (phrase.empty() ? "" : " ") + word;
        }
        if (!known)
            continue;
        decoder->phrases_.emplace_back(phrase, index);
        decoder->usable_.push_back(index);
        alternatives += (alternatives.empty() ? "" : " | ") + phrase;
    }
    if (!alternatives.empty()) {
        const std::string grammar =
            "#JSGF V1.0;\ngrammar commands;\npublic <command> = " + alternatives + ";\n";
        if (ps_set_jsgf_string(decoder->decoder_, "commands", grammar.c_str()) != 0 ||
            ps_set_search(decoder->decoder_, "commands") != 0)
            return nullptr;
    }
    ps_start_utt(decoder->decoder_);
    return decoder;
}

CommandDecoder::~CommandDecoder() {
    if (decoder_)
        ps_free(decoder_);
    if (config_)
        cmd_ln_free_r(config_);
}

std::vector<std::size_t> CommandDecoder::feed(const std::int16_t* samples, std::size_t count) {
    std::vector<std::size_t> heard;
    if (phrases_.empty())
        return heard;
    // In pieces of a tenth of a second, so that an utterance ends where its silence begins.
    constexpr std::size_t kPiece = kSampleRate / 10;
    for (std::size_t at = 0; at < count; at += kPiece) {
        ps_process_raw(decoder_, samples + at, std::min(kPiece, count - at), FALSE, FALSE);
        const bool inSpeech = ps_get_in_speech(decoder_) != 0;
        if (inSpeech_ && !inSpeech) {
            const auto commands = endUtterance();
            heard.insert(heard.end(), commands.begin(), commands.end());
            ps_start_utt(decoder_);
        }
        inSpeech_ = inSpeech;
    }
    return heard;
}

std::vector<std::size_t> CommandDecoder::finish() {
    if (phrases_.empty())
        return {};
    const auto command = endUtterance();
    ps_start_utt(decoder_);
    inSpeech_ = false;
    return command;
}

std::vector<std::size_t> CommandDecoder::endUtterance() {
    ps_end_utt(decoder_);
    std::int32_t score = 0;
    const char* hypothesis = ps_get_hyp(decoder_, &score);
    if (!hypothesis)
        return {};
    long acoustic = 0;
    int frames = 0;
    for (ps_seg_t* segment = ps_seg_iter(decoder_); segment; segment = ps_seg_next(segment)) {
        // Silences and noises are the engine's fillers, written in brackets.
        const char* word = ps_seg_word(segment);
        if (word[0] == '<' || word[0] == '[')
            continue;
        int first = 0;
        int last = 0;
        ps_seg_frames(segment, &first, &last);
        std::int32_t acousticScore = 0;
        std::int32_t languageScore = 0;
        std::int32_t backoff = 0;
        ps_seg_prob(segment, &acousticScore, &languageScore, &backoff);
        acoustic += acousticScore;
        frames += last - first + 1;
    }
    if (frames == 0 || static_cast<double>(acoustic) / frames < kFloorPerFrame)
        return {};
    for (const auto& [phrase, index] : phrases_)
        if (phrase == hypothesis)
            return {index};
    return {};
}

} // namespace platform::detail
