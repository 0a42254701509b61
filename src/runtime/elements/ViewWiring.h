#pragma once

// Wiring a loaded view hierarchy to the program: every control gets the shared target and an
// action that reports it, every element a delegate that reports its questions, and every view
// the tag of its window, so that the controls of a window drawn in an interface file are heard
// without a line of code per control.

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class View;
}

// Wires each view below the container, in subview order. Each view gets the window tag as its
// attached wndTag. A view with a tag above 0 keeps it, and a control among them whose identifier
// is a number from 1 to 10 gets the numbered action "controlAction1:" to "controlAction10:" of
// the shared CUI_ControlTarget; a control with no tag takes its identifier's number as its tag.
// A contextual menu numbered 101 or more is wired (ViewMenuWire). Then the first rule of the
// wiring table that matches the view's class wires it: buttons, pop-up buttons, sliders and the
// other controls that act get the shared target and "controlAction:" unless they already have
// an action; a table view gets a CUI_TableViewDelegate of its own, which it keeps, and its
// columns left unnamed take their titles as identifiers; a view that no rule matches is
// descended into. Views a rule matches are not
// descended into.
void WireViews(std::int64_t windowTag, const platform::Ref<platform::View>& container);
