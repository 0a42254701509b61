#pragma once

// The rows of the element wrappers (ElementSC.h): for each member, which platform methods it
// takes over, the code each reports and how it prepares the record and hands the event on.
// The members share two sets, the full set (ButtonSC and most controls) and the drawing set
// (sliders, steppers); ViewSC has rows of its own.

#include "runtime/shell/EventCodes.h"

#include <cstdint>
#include <optional>
#include <span>

// The methods a member may take over.
enum class ElementMethod {
    DrawRect,
    AcceptsFirstResponder,
    MouseDown,
    MouseUp,
    MouseEntered,
    MouseExited,
    MouseDragged,
    MouseMoved,
    RightMouseDown,
    RightMouseUp,
    RightMouseDragged,
    KeyDown,
    KeyUp,
    FlagsChanged,
    ResetCursorRects,
    DidChangeEffectiveAppearance,
    MenuForEvent,
};

// What the record's boolVal holds before the call: left as it is, NO (the handled mark, or a
// question's default no) or YES (a question's default yes).
enum class Prepare { Nothing, No, Yes };
// When the platform handles the event: never, after the call unless it was handled, or first,
// before the call.
enum class PassOn { Never, UnlessHandled, First };

struct ElementRow {
    ElementMethod method;
    std::int64_t code;
    Prepare prepare;
    PassOn passOn;
    // drawRect only: nothing at all happens while the view's suspendDrawRect is set.
    bool suspendable = false;
};

constexpr std::optional<ElementRow> ElementRowFor(std::span<const ElementRow> rows,
                                                  ElementMethod method) {
    for (const ElementRow& row : rows)
        if (row.method == method)
            return row;
    return std::nullopt;
}

namespace ElementSet {

using M = ElementMethod;

// ButtonSC's methods; its rows are the full set.
inline constexpr ElementRow kFull[] = {
    {M::DrawRect, ViewEvent::DrawRect, Prepare::No, PassOn::UnlessHandled},
    {M::AcceptsFirstResponder, ViewEvent::AcceptsFirstResponder, Prepare::No, PassOn::Never},
    {M::MouseDown, ViewEvent::MouseDown, Prepare::No, PassOn::UnlessHandled},
    {M::MouseUp, ViewEvent::MouseUp, Prepare::No, PassOn::Never},
    {M::MouseEntered, ViewEvent::MouseEntered, Prepare::No, PassOn::Never},
    {M::MouseExited, ViewEvent::MouseExited, Prepare::No, PassOn::Never},
    {M::MouseDragged, ViewEvent::MouseDragged, Prepare::No, PassOn::Never},
    {M::MouseMoved, ViewEvent::MouseMoved, Prepare::No, PassOn::Never},
    {M::RightMouseDown, ViewEvent::RightMouseDown, Prepare::No, PassOn::UnlessHandled},
    {M::RightMouseUp, ViewEvent::RightMouseUp, Prepare::No, PassOn::Never},
    {M::RightMouseDragged, ViewEvent::RightMouseDragged, Prepare::No, PassOn::Never},
    {M::KeyDown, ViewEvent::KeyDown, Prepare::No, PassOn::UnlessHandled},
    {M::KeyUp, ViewEvent::KeyUp, Prepare::No, PassOn::Never},
    {M::FlagsChanged, ViewEvent::FlagsChanged, Prepare::No, PassOn::Never},
    {M::ResetCursorRects, ViewEvent::ResetCursorRects, Prepare::Nothing, PassOn::Never},
    {M::MenuForEvent, ViewEvent::MenuForEvent, Prepare::Nothing, PassOn::Never},
};

// The full set with the first-responder question prepared YES: TextFieldSC.
inline constexpr ElementRow kFullAcceptingFocus[] = {
    kFull[0],
    {M::AcceptsFirstResponder, ViewEvent::AcceptsFirstResponder, Prepare::Yes, PassOn::Never},
    kFull[2],
    kFull[3],
    kFull[4],
    kFull[5],
    kFull[6],
    kFull[7],
    kFull[8],
    kFull[9],
    kFull[10],
    kFull[11],
    kFull[12],
    kFull[13],
    kFull[14],
    kFull[15],
};

// Drawing, cursor rectangles and the menu: SliderSC, StepperSC.
inline constexpr ElementRow kDrawing[] = {
    {M::DrawRect, ViewEvent::DrawRect, Prepare::No, PassOn::UnlessHandled},
    {M::ResetCursorRects, ViewEvent::ResetCursorRects, Prepare::Nothing, PassOn::Never},
    {M::MenuForEvent, ViewEvent::MenuForEvent, Prepare::Nothing, PassOn::Never},
};

// ViewSC, the program's own view: its drawing can be suspended, the mouse-up and mouse-moved
// events reach the platform unless handled, entering and leaving keep the handled mark as it
// is, a drag is the platform's first, and changes of the desktop's look are reported.
inline constexpr ElementRow kView[] = {
    {M::DrawRect, ViewEvent::DrawRect, Prepare::No, PassOn::UnlessHandled, true},
    kFull[1],
    kFull[2],
    {M::MouseUp, ViewEvent::MouseUp, Prepare::No, PassOn::UnlessHandled},
    {M::MouseEntered, ViewEvent::MouseEntered, Prepare::Nothing, PassOn::Never},
    {M::MouseExited, ViewEvent::MouseExited, Prepare::Nothing, PassOn::Never},
    {M::MouseDragged, ViewEvent::MouseDragged, Prepare::No, PassOn::First},
    {M::MouseMoved, ViewEvent::MouseMoved, Prepare::No, PassOn::UnlessHandled},
    kFull[8],
    kFull[9],
    kFull[10],
    kFull[11],
    kFull[12],
    kFull[13],
    kFull[14],
    {M::DidChangeEffectiveAppearance, ViewEvent::DidChangeEffectiveAppearance, Prepare::Nothing,
     PassOn::Never},
    kFull[15],
};

} // namespace ElementSet
