#pragma once

// Internal to the platform: the watch over the application's input that makes a modal run
// block the other windows. The toolkit's own modality is not used, since it blocks a window as a
// whole, its menu bar included, and drops the keys typed to it. Instead, while a modal run goes
// on, this watch
// - lets through everything meant for the run's window, for the windows that work when modal,
//   for popup menus and for the menu bars of the windows, so that the application's menu works
//   during every run;
// - drops mouse presses, releases and wheel turns meant for any other window;
// - takes keys typed to any other window (and not taken by the main menu as key equivalents)
//   and hands them, in the order they were typed, to the text field of a run that waits for a
//   line of text: at once when the innermost run is one, otherwise when the next one starts.

namespace platform::detail {

class ModalRun;

// The property that marks a window which works during every modal run, as the shared colour
// panel does: input meant for it is let through like input meant for the run's window.
inline constexpr char kWorksWhenModalProperty[] = "pondaroWorksWhenModal";

// Installs the watch once; later calls do nothing.
void installModalInputFilter();

// Hands the keys typed ahead to the run's text field, one after another, until the run stops
// or none are left. Called as the run starts.
void deliverTypeAhead(ModalRun& run);

} // namespace platform::detail
