#pragma once

// RIFF WAVE files: the sounds the runtime plays and the speech it writes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::detail {

// Uncompressed samples, interleaved by channel, in the file's own sample format except that
// 24-bit samples are widened to 32 bits, which audio devices take.
struct WaveFile {
    enum class Sample { UInt8, Int16, Int32, Float };
    Sample sample = Sample::Int16;
    int channels = 1;
    int rate = 0;
    std::string data;

    // The file's sound, or none when it cannot be read or is not a WAVE file of integer or
    // floating-point samples.
    static std::optional<WaveFile> read(const std::string& path);
    // Writes mono 16-bit samples; false when the file cannot be written whole.
    static bool write(const std::string& path, int rate, const std::vector<std::int16_t>& samples);

    // The sound as mono 16-bit samples at the rate: channels averaged, frames interpolated.
    std::vector<std::int16_t> monoSamples(int toRate) const;

    int bytesPerFrame() const;
    std::int64_t frames() const { return static_cast<std::int64_t>(data.size()) / bytesPerFrame(); }
    std::int64_t durationMs() const { return frames() * 1000 / rate; }
};

} // namespace platform::detail
