#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <functional>

namespace platform {

class String;
class Window;
namespace detail {
struct EventDispatch;
}

// Event types with the framework's numbers.
enum class EventType : int {
    LeftMouseDown = 1,
    LeftMouseUp = 2,
    RightMouseDown = 3,
    RightMouseUp = 4,
    MouseMoved = 5,
    LeftMouseDragged = 6,
    RightMouseDragged = 7,
    MouseEntered = 8,
    MouseExited = 9,
    KeyDown = 10,
    KeyUp = 11,
    FlagsChanged = 12,
    ScrollWheel = 22,
    OtherMouseDown = 25,
    OtherMouseUp = 26,
    OtherMouseDragged = 27,
};

// Modifier flag bits with the framework's values. On this desktop the Control key plays the
// framework's Command role (shortcuts such as Ctrl+Q), and the Meta key is reported as Control.
namespace EventModifierFlag {
inline constexpr std::uint64_t CapsLock = 1ull << 16;
inline constexpr std::uint64_t Shift = 1ull << 17;
inline constexpr std::uint64_t Control = 1ull << 18;
inline constexpr std::uint64_t Option = 1ull << 19;
inline constexpr std::uint64_t Command = 1ull << 20;
inline constexpr std::uint64_t NumericPad = 1ull << 21;
inline constexpr std::uint64_t Function = 1ull << 23;
inline constexpr std::uint64_t DeviceIndependentMask = 0xffff0000ull;
} // namespace EventModifierFlag

// The framework's virtual key codes of the keys the runtime names.
namespace KeyCode {
inline constexpr std::uint16_t Return = 36;
inline constexpr std::uint16_t Tab = 48;
inline constexpr std::uint16_t Space = 49;
inline constexpr std::uint16_t Delete = 51;
inline constexpr std::uint16_t Escape = 53;
inline constexpr std::uint16_t ForwardDelete = 117;
inline constexpr std::uint16_t LeftArrow = 123;
inline constexpr std::uint16_t RightArrow = 124;
inline constexpr std::uint16_t DownArrow = 125;
inline constexpr std::uint16_t UpArrow = 126;
} // namespace KeyCode

// One input event as the toolkit delivered it. The event methods of views and windows receive
// it; their base implementations hand it back to the toolkit through performToolkitDefault.
class Event : public Object {
public:
    struct Fields {
        EventType type = EventType::KeyDown;
        std::uint64_t modifierFlags = 0;
        Point locationInWindow;
        double timestamp = 0;
        std::uint16_t keyCode = 0;
        Ref<String> characters;
        Ref<String> charactersIgnoringModifiers;
        bool isARepeat = false;
        std::int64_t clickCount = 0;
        std::int64_t buttonNumber = 0;
        double deltaX = 0;
        double deltaY = 0;
    };

    Event(Fields fields, WeakRef<Window> window, std::function<void()> toolkitDefault = {});

    EventType type() const { return fields_.type; }
    std::uint64_t modifierFlags() const { return fields_.modifierFlags; }
    Point locationInWindow() const { return fields_.locationInWindow; }
    double timestamp() const { return fields_.timestamp; }
    std::uint16_t keyCode() const { return fields_.keyCode; }
    Ref<String> characters() const;
    Ref<String> charactersIgnoringModifiers() const;
    bool isARepeat() const { return fields_.isARepeat; }
    std::int64_t clickCount() const { return fields_.clickCount; }
    std::int64_t buttonNumber() const { return fields_.buttonNumber; }
    double deltaX() const { return fields_.deltaX; }
    double deltaY() const { return fields_.deltaY; }
    Ref<Window> window() const { return window_.lock(); }

    // Lets the toolkit handle the event as it would without us: a field inserts the typed
    // character, a plain view passes the event on to its superview. Runs at most once.
    void performToolkitDefault();

private:
    friend struct detail::EventDispatch;
    Fields fields_;
    WeakRef<Window> window_;
    std::function<void()> toolkitDefault_;
};

} // namespace platform
