#pragma once

// An animated mouse pointer: at each firing of its timer it shows the next of the numbered image
// files name1.extension … name<numImages>.extension from the application's resources, then the
// first again.

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class String;
class Timer;
} // namespace platform

class CUI_CursorAnimator : public platform::Object {
public:
    platform::Ref<platform::Timer> timer() const { return timer_; }
    void setTimer(platform::Ref<platform::Timer> timer) { timer_ = std::move(timer); }
    // The number of the frame shown last; 0 before the first.
    std::int64_t counter() const { return counter_; }
    void setCounter(std::int64_t counter) { counter_ = counter; }
    platform::Ref<platform::String> name() const { return name_; }
    void setName(platform::Ref<platform::String> name) { name_ = std::move(name); }
    platform::Ref<platform::String> extension() const { return extension_; }
    void setExtension(platform::Ref<platform::String> extension) {
        extension_ = std::move(extension);
    }
    std::int64_t numImages() const { return numImages_; }
    void setNumImages(std::int64_t count) { numImages_ = count; }
    // The size each frame is shown at; zero for the images' own.
    platform::Size size() const { return size_; }
    void setSize(platform::Size size) { size_ = size; }
    platform::Point hotSpot() const { return hotSpot_; }
    void setHotSpot(platform::Point hotSpot) { hotSpot_ = hotSpot; }

    // Shows the next frame; a frame whose image cannot be found leaves the pointer as it is.
    void timerFireMethod(const platform::Ref<platform::Timer>& timer);
    // Fires every interval (in seconds) from the event loop until stopped; the timer holds the
    // animator meanwhile.
    void startWithInterval(double interval);
    void stop();

private:
    platform::Ref<platform::Timer> timer_;
    std::int64_t counter_ = 0;
    platform::Ref<platform::String> name_;
    platform::Ref<platform::String> extension_;
    std::int64_t numImages_ = 0;
    platform::Size size_;
    platform::Point hotSpot_;
};
