#include "platform/detail/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace platform::detail {

namespace {

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// Each 3-byte sample becomes the 4-byte sample of the same value scaled to 32 bits.
std::string widened(const std::string& data) {
    std::string wide;
    wide.reserve(data.size() / 3 * 4);
    for (std::size_t at = 0; at + 3 <= data.size(); at += 3) {
        wide += '\0';
        wide.append(data, at, 3);
    }
    return wide;
}

} // namespace

std::vector<std::int16_t> WaveFile::monoSamples(int toRate) const {
    const int width = bytesPerFrame() / channels;
    // Each sample scaled to [-1, 1].
    const auto sampleAt = [&](std::size_t at) -> double {
        switch (sample) {
        case Sample::UInt8:
            return (static_cast<unsigned char>(data[at]) - 128) / 128.0;
        case Sample::Int16:
            return static_cast<std::int16_t>(little(data, at, 2)) / 32768.0;
        case Sample::Int32:
            return static_cast<std::int32_t>(little(data, at, 4)) / 2147483648.0;
        case Sample::Float: {
            float value = 0;
            std::memcpy(&value, data.data() + at, 4);
            return std::isfinite(value) ? std::clamp(static_cast<double>(value), -1.0, 1.0) : 0;
        }
        }
        return 0;
    };
    std::vector<double> mono(static_cast<std::size_t>(frames()));
    for (std::size_t frame = 0; frame < mono.size(); ++frame) {
        for (int channel = 0; channel < channels; ++channel)
            mono[frame] += sampleAt(frame * bytesPerFrame() + channel * width);
        mono[frame] /= channels;
    }
    std::vector<std::int16_t> out;
    if (mono.empty())
        return out;
    const double step = static_cast<double>(rate) / toRate;
    for (double at = 0; at <= static_cast<double>(mono.size() - 1); at += step) {
        const auto before = static_cast<std::size_t>(at);
        const std::size_t after = std::min(before + 1, mono.size() - 1);
        const double value =
            mono[before] + (mono[after] - mono[before]) * (at - static_cast<double>(before));
        out.push_back(
            static_cast<std::int16_t>(std::lround(std::clamp(value * 32767, -32768.0, 32767.0))));
    }
    return out;
}

int WaveFile::bytesPerFrame() const {
    const int bytes = sample == Sample::UInt8 ? 1 : sample == Sample::Int16 ? 2 : 4;
    return bytes * channels;
}

std::optional<WaveFile> WaveFile::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return std::nullopt;
    WaveFile wave;
    int format = 0;
    int bits = 0;
    bool data = false;
    // Chunks are padded to an even size; a data chunk's stated size may run past a truncated
    // file, and only what is there is played.
    for (std::size_t at = 12; at + 8 <= bytes.size() && !data;) {
        const std::string id = bytes.substr(at, 4);
        const std::uint64_t size = little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= bytes.size()) {
            format = static_cast<int>(little(bytes, body, 2));
            wave.channels = static_cast<int>(little(bytes, body + 2, 2));
            wave.rate = static_cast<int>(little(bytes, body + 4, 4));
            bits = static_cast<int>(little(bytes, body + 14, 2));
            // The extensible format names the real one in the first two bytes of its subtype.
            if (format == 0xFFFE && size >= 40 && body + 26 <= bytes.size())
                format = static_cast<int>(little(bytes, body + 24, 2));
        } else if (id == "data" && format != 0) {
            wave.data = bytes.substr(body, static_cast<std::size_t>(size));
            data = true;
        }
        at = static_cast<std::size_t>(body + size + (size & 1));
    }
    const bool integer = format == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floating = format == 3 && bits == 32;
    if (!data || !(integer || floating) || wave.channels < 1 || wave.channels > 8 ||
        wave.rate < 1000 || wave.rate > 384000)
        return std::nullopt;
    wave.sample = floating     ? Sample::Float
                  : bits == 8  ? Sample::UInt8
                  : bits == 16 ? Sample::Int16
                               : Sample::Int32;
    if (bits == 24)
        wave.data = widened(wave.data);
    wave.data.resize(static_cast<std::size_t>(wave.frames() * wave.bytesPerFrame()));
    return wave;
}

bool WaveFile::write(const std::string& path, int rate, const std::vector<std::int16_t>& samples) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const auto frameRate = static_cast<std::uint32_t>(rate);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    auto put32 = [file](std::uint32_t value) { std::fwrite(&value, 4, 1, file); };
    auto put16 = [file](std::uint16_t value) { std::fwrite(&value, 2, 1, file); };
    std::fwrite("RIFF", 1, 4, file);
    put32(36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, file);
    put32(16);
    put16(1);
    put16(1);
    put32(frameRate);
    put32(frameRate * 2);
    put16(2);
    put16(16);
    std::fwrite("data", 1, 4, file);
    put32(dataBytes);
    // An empty recording has no buffer to hand to fwrite.
    bool written =
        samples.empty() || std::fwrite(samples.data(), 2, samples.size(), file) == samples.size();
    written = !std::ferror(file) && written;
    return std::fclose(file) == 0 && written;
}

} // namespace platform::detail
