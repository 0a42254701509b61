#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace platform {
class Window;
}

namespace platform::testing {

enum class Key { Return, Escape, Tab, Backspace, Delete, Up, Down, Left, Right, Space, F10 };

// Drives the coming modal runs with real toolkit input, the way a user at the keyboard would.
// Each run() starts the steps for the next modal run; the steps are played one at a time once
// that run has started. A test fails, and never hangs, when a scripted run does not come, when a
// run is still going a few seconds after its steps, or when a run starts that nothing scripted.
//
//     ModalScript script;
//     script.run().type("Ann").press(Key::Return);
//     script.run().clickButton(1);
class ModalScript {
public:
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    ModalScript& run();
    // Types the text one character at a time, as key presses and releases.
    ModalScript& type(std::string_view utf8);
    ModalScript& press(Key key);
    // Presses the key that types this character, with the Control key held when asked.
    ModalScript& pressCharacter(char32_t character, bool control = false);
    // Clicks the button with this index (0 first) in the run's window with the mouse.
    ModalScript& clickButton(int index);
    // Puts the text on the clipboard and presses Control+V, as the user pastes.
    ModalScript& paste(std::string_view utf8);
    // The key steps that follow in this run go to the window's focused view instead of the
    // run's window: keys typed to a window the run blocks, or queued for it before the run.
    ModalScript& toWindow(const Ref<Window>& window);
    // The key steps that follow in this run go to the sheet shown over the run's window (an alert
    // or a file panel begun as a sheet), to its focused view.
    ModalScript& toSheet();
    // Does what the user does at this point of the run (a UserActions call, say).
    ModalScript& perform(std::function<void()> action);

    // Scripts each run that starts with no steps queued for it: the player queues them, reading
    // the program's state at the moment the run starts (a scripted player answering prompts).
    ModalScript& everyRun(std::function<void(ModalScript&)> player);

    // How many scripted runs have not started yet.
    int pendingRuns() const;

    struct State;

private:
    std::shared_ptr<State> state_;
};

// Installs the guard that aborts, and fails the test for, any modal run that nothing scripted
// and that is still going after a few seconds. The test main installs it once.
void installModalWatchdog();

} // namespace platform::testing
