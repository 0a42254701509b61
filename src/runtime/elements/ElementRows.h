#pragma once

// The rows of the element wrappers (ElementSC.h): for each member, which platform methods it
// takes over, the code each reports and how it prepares the record and hands the event on.
// The members share a few sets, the full set (ButtonSC and most controls), the drawing set
// (sliders, steppers) and their variants; ViewSC has rows of its own.

#include "runtime/shell/EventCodes.h"

#include <array>
#include <cstdint>
#include <initializer_list>
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
    AwakeFromNib,
    // Files dropped on the view, once it registered for the file-names type.
    DraggingEntered,
    DraggingExited,
    PerformDragOperation,
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

// A member's rows made from another's: the rows for the same methods replaced, rows for other
// methods added, and rows left out.
template <std::size_t N>
constexpr std::array<ElementRow, N>
ElementRowsReplacing(const std::array<ElementRow, N>& rows,
                     std::initializer_list<ElementRow> changed) {
    std::array<ElementRow, N> out = rows;
    for (const ElementRow& change : changed) {
        bool found = false;
        for (ElementRow& row : out)
            if (row.method == change.method) {
                row = change;
                found = true;
            }
        if (!found)
            throw "no row to replace";
    }
    return out;
}

template <std::size_t N, std::size_t Added>
constexpr std::array<ElementRow, N + Added>
ElementRowsJoining(const std::array<ElementRow, N>& rows,
                   const std::array<ElementRow, Added>& added) {
    std::array<ElementRow, N + Added> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = rows[i];
    for (std::size_t i = 0; i < Added; ++i)
        out[N + i] = added[i];
    return out;
}

template <std::size_t N>
constexpr std::array<ElementRow, N + 1> ElementRowsAdding(const std::array<ElementRow, N>& rows,
                                                          ElementRow added) {
    return ElementRowsJoining(rows, std::array{added});
}

template <std::size_t Dropped, std::size_t N>
constexpr std::array<ElementRow, N - Dropped>
ElementRowsWithout(const std::array<ElementRow, N>& rows,
                   const std::array<ElementMethod, Dropped>& methods) {
    std::array<ElementRow, N - Dropped> out{};
    std::size_t kept = 0;
    for (const ElementRow& row : rows) {
        bool dropped = false;
        for (const ElementMethod method : methods)
            dropped = dropped || row.method == method;
        if (!dropped) {
            if (kept == out.size())
                throw "a method to leave out has no row";
            out[kept++] = row;
        }
    }
    return out;
}

namespace ElementSet {

using M = ElementMethod;

// ButtonSC's methods; its rows are the full set.
inline constexpr auto kFull = std::to_array<ElementRow>({
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
    {M::AwakeFromNib, ViewEvent::AwakeFromNib, Prepare::Nothing, PassOn::First},
});

// The full set with the first-responder question prepared YES: the text fields and the date
// picker.
inline constexpr auto kFullAcceptingFocus = ElementRowsReplacing(
    kFull,
    {{M::AcceptsFirstResponder, ViewEvent::AcceptsFirstResponder, Prepare::Yes, PassOn::Never}});

// The focus-taking full set without the menu: TextInsertionIndicatorSC.
inline constexpr auto kFullAcceptingFocusWithoutMenu =
    ElementRowsWithout(kFullAcceptingFocus, std::array{M::MenuForEvent});

// The full set without the first-responder question, which stays the platform's: ColorWellSC.
inline constexpr auto kFullWithoutFocusQuestion =
    ElementRowsWithout(kFull, std::array{M::AcceptsFirstResponder});

// Drawing, cursor rectangles, the menu and waking from an interface file: SliderSC, StepperSC,
// SegmentedControlSC, ScrollViewSC, TabViewSC.
inline constexpr auto kDrawing = std::to_array<ElementRow>({
    {M::DrawRect, ViewEvent::DrawRect, Prepare::No, PassOn::UnlessHandled},
    {M::ResetCursorRects, ViewEvent::ResetCursorRects, Prepare::Nothing, PassOn::Never},
    {M::MenuForEvent, ViewEvent::MenuForEvent, Prepare::Nothing, PassOn::Never},
    {M::AwakeFromNib, ViewEvent::AwakeFromNib, Prepare::Nothing, PassOn::First},
});

// The drawing set without drawing: SwitchSC.
inline constexpr auto kReduced = ElementRowsWithout(kDrawing, std::array{M::DrawRect});

// Dropped files: ViewSC, VisualEffectViewSC and TextViewSC.
inline constexpr auto kFileDrops = std::to_array<ElementRow>({
    {M::DraggingEntered, ViewEvent::DraggingEntered, Prepare::Nothing, PassOn::Never},
    {M::DraggingExited, ViewEvent::DraggingExited, Prepare::Nothing, PassOn::Never},
    {M::PerformDragOperation, ViewEvent::PerformDragOperation, Prepare::Nothing, PassOn::Never},
});

// ViewSC, the program's own view: its drawing can be suspended, the mouse-up and mouse-moved
// events reach the platform unless handled, entering and leaving keep the handled mark as it
// is, a drag is the platform's first, waking is reported without the platform's own, changes
// of the desktop's look are reported, and it takes dropped files.
inline constexpr auto kView = ElementRowsJoining(
    ElementRowsAdding(
        ElementRowsReplacing(
            kFull,
            {
                {M::DrawRect, ViewEvent::DrawRect, Prepare::No, PassOn::UnlessHandled, true},
                {M::MouseUp, ViewEvent::MouseUp, Prepare::No, PassOn::UnlessHandled},
                {M::MouseEntered, ViewEvent::MouseEntered, Prepare::Nothing, PassOn::Never},
                {M::MouseExited, ViewEvent::MouseExited, Prepare::Nothing, PassOn::Never},
                {M::MouseDragged, ViewEvent::MouseDragged, Prepare::No, PassOn::First},
                {M::MouseMoved, ViewEvent::MouseMoved, Prepare::No, PassOn::UnlessHandled},
                {M::AwakeFromNib, ViewEvent::AwakeFromNib, Prepare::Nothing, PassOn::Never},
            }),
        {M::DidChangeEffectiveAppearance, ViewEvent::DidChangeEffectiveAppearance, Prepare::Nothing,
         PassOn::Never}),
    kFileDrops);

// VisualEffectViewSC: the full set, its drawing suspended as ViewSC's is, changes of the
// desktop's look reported, and dropped files taken.
inline constexpr auto kVisualEffect = ElementRowsJoining(
    ElementRowsAdding(ElementRowsReplacing(kFull, {{M::DrawRect, ViewEvent::DrawRect, Prepare::No,
                                                    PassOn::UnlessHandled, true}}),
                      *ElementRowFor(kView, M::DidChangeEffectiveAppearance)),
    kFileDrops);

// TextViewSC: the full set with the focus prepared YES, and dropped files taken.
inline constexpr auto kTextView = ElementRowsJoining(kFullAcceptingFocus, kFileDrops);

// TableViewSC: the full set without drawing, which the table's rows and cells do, and with the
// focus prepared YES.
inline constexpr auto kTable = ElementRowsWithout(kFullAcceptingFocus, std::array{M::DrawRect});

// OutlineViewSC: only the cursor rectangles are reported; the rows, cells and drags are the
// outline's and its delegate's.
inline constexpr auto kOutline = std::array{*ElementRowFor(kDrawing, M::ResetCursorRects)};

// BrowserSC: only the menu is the program's.
inline constexpr auto kBrowser = std::array{*ElementRowFor(kDrawing, M::MenuForEvent)};

} // namespace ElementSet
