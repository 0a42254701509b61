#pragma once

// The family of element wrappers: a platform element whose drawing, mouse, key, cursor and menu
// events are reported to the program's callbacks. A member is its platform class and its rows
// (ElementRows.h): each row names a method the member takes over, the code it reports and how
// it prepares the record and hands the event on. A method without a row is the platform's own.
//
// Every report goes to the dialog callback with the element's view tag and its window's tag;
// the event counts as handled when the record's boolVal is YES after the call.

#include "runtime/elements/ElementRows.h"
#include "runtime/shell/ViewTag.h"

#include "platform/app/Event.h"
#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"
#include "platform/views/Control.h"
#include "platform/views/View.h"

#include <cstdint>
#include <span>

namespace platform {
class Menu;
}

// The shared steps of the family; each takes the member's row for the method.
namespace ElementStep {
// A mouse or key event: prepares boolVal, reports the event as the current event, and answers
// whether the platform should handle it now (a row passed on unless handled, and not handled).
bool Report(platform::View& view, const ElementRow& row,
            const platform::Ref<platform::Event>& event);
// drawRect: answers whether the platform draws. A suspendable row does nothing at all while
// the view's suspendDrawRect is set.
bool Draw(const platform::View& view, const ElementRow& row, platform::Rect dirtyRect);
// A yes-or-no question answered through boolVal, prepared from the row.
bool Ask(const platform::View& view, const ElementRow& row);
// A report with no event and no answer; the object goes with it.
void Notify(const platform::View& view, const ElementRow& row,
            const platform::Ref<platform::Object>& object = nullptr);
// The menu for an event: the callback may replace the view's own menu in menuObj.
platform::Ref<platform::Menu> Menu(const platform::View& view, const ElementRow& row,
                                   const platform::Ref<platform::Event>& event);
// Files dropped on the view, as the content view takes them, with the codes of the member's
// drop rows, the view's tag, and its attached file types, extensions and inside mark.
std::uint64_t DropEntered(platform::View& view, std::span<const ElementRow> rows,
                          const platform::Ref<platform::DraggingInfo>& drag);
void DropExited(platform::View& view, std::span<const ElementRow> rows,
                const platform::Ref<platform::DraggingInfo>& drag);
bool DropPerform(platform::View& view, std::span<const ElementRow> rows,
                 const platform::Ref<platform::DraggingInfo>& drag);
} // namespace ElementStep

template <class Base, const auto& Rows>
class ElementSC : public Base {
public:
    using Base::Base;

    void drawRect(platform::Rect dirtyRect) override {
        if constexpr (constexpr auto row = rowFor(ElementMethod::DrawRect); row.has_value()) {
            if (ElementStep::Draw(*this, *row, dirtyRect))
                Base::drawRect(dirtyRect);
        } else {
            Base::drawRect(dirtyRect);
        }
    }
    // The tag of a view that keeps one (a control, a tab view, a text view) is its own. The
    // platform gives other views none, so those members answer the number in their identifier,
    // by which programs name them.
    std::int64_t tag() const override {
        if constexpr (requires(Base & base) { base.setTag(std::int64_t{}); })
            return Base::tag();
        else
            return this->identifier() ? IntegerValue(this->identifier()) : Base::tag();
    }
    bool acceptsFirstResponder() const override {
        if constexpr (constexpr auto row = rowFor(ElementMethod::AcceptsFirstResponder);
                      row.has_value())
            return ElementStep::Ask(*this, *row);
        else
            return Base::acceptsFirstResponder();
    }
    void mouseDown(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::MouseDown>(e, [&] { Base::mouseDown(e); });
    }
    void mouseUp(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::MouseUp>(e, [&] { Base::mouseUp(e); });
    }
    void mouseEntered(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::MouseEntered>(e, [&] { Base::mouseEntered(e); });
    }
    void mouseExited(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::MouseExited>(e, [&] { Base::mouseExited(e); });
    }
    void mouseDragged(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::MouseDragged>(e, [&] { Base::mouseDragged(e); });
    }
    void mouseMoved(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::MouseMoved>(e, [&] { Base::mouseMoved(e); });
    }
    void rightMouseDown(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::RightMouseDown>(e, [&] { Base::rightMouseDown(e); });
    }
    void rightMouseUp(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::RightMouseUp>(e, [&] { Base::rightMouseUp(e); });
    }
    void rightMouseDragged(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::RightMouseDragged>(e, [&] { Base::rightMouseDragged(e); });
    }
    void keyDown(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::KeyDown>(e, [&] { Base::keyDown(e); });
    }
    void keyUp(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::KeyUp>(e, [&] { Base::keyUp(e); });
    }
    void flagsChanged(const platform::Ref<platform::Event>& e) override {
        event<ElementMethod::FlagsChanged>(e, [&] { Base::flagsChanged(e); });
    }
    // Reported instead of the platform's cursor rectangles.
    void resetCursorRects() override {
        if constexpr (constexpr auto row = rowFor(ElementMethod::ResetCursorRects); row.has_value())
            ElementStep::Notify(*this, *row);
        else
            Base::resetCursorRects();
    }
    // Reported after the platform's own handling.
    void viewDidChangeEffectiveAppearance() override {
        Base::viewDidChangeEffectiveAppearance();
        if constexpr (constexpr auto row = rowFor(ElementMethod::DidChangeEffectiveAppearance);
                      row.has_value())
            ElementStep::Notify(*this, *row);
    }
    // Reported with the element itself, once the interface file that held it has been built.
    void awakeFromNib() override {
        if constexpr (constexpr auto row = rowFor(ElementMethod::AwakeFromNib); row.has_value()) {
            if constexpr (row->passOn == PassOn::First)
                Base::awakeFromNib();
            ElementStep::Notify(*this, *row, this->self());
        } else {
            Base::awakeFromNib();
        }
    }
    platform::Ref<platform::Menu> menuForEvent(const platform::Ref<platform::Event>& e) override {
        if constexpr (constexpr auto row = rowFor(ElementMethod::MenuForEvent); row.has_value())
            return ElementStep::Menu(*this, *row, e);
        else
            return Base::menuForEvent(e);
    }

    std::uint64_t draggingEntered(const platform::Ref<platform::DraggingInfo>& drag) override {
        if constexpr (rowFor(ElementMethod::DraggingEntered).has_value())
            return ElementStep::DropEntered(*this, Rows, drag);
        else
            return Base::draggingEntered(drag);
    }
    void draggingExited(const platform::Ref<platform::DraggingInfo>& drag) override {
        if constexpr (rowFor(ElementMethod::DraggingExited).has_value())
            ElementStep::DropExited(*this, Rows, drag);
        else
            Base::draggingExited(drag);
    }
    bool performDragOperation(const platform::Ref<platform::DraggingInfo>& drag) override {
        if constexpr (rowFor(ElementMethod::PerformDragOperation).has_value())
            return ElementStep::DropPerform(*this, Rows, drag);
        else
            return Base::performDragOperation(drag);
    }

    // The member's rows, for the tests that walk them.
    static constexpr const auto& rows() { return Rows; }

private:
    static constexpr std::optional<ElementRow> rowFor(ElementMethod method) {
        return ElementRowFor(Rows, method);
    }
    template <ElementMethod M, class Platform>
    void event(const platform::Ref<platform::Event>& e, Platform platformHandles) {
        if constexpr (constexpr auto row = rowFor(M); !row.has_value()) {
            platformHandles();
        } else if constexpr (row->passOn == PassOn::First) {
            platformHandles();
            ElementStep::Report(*this, *row, e);
        } else if (ElementStep::Report(*this, *row, e)) {
            platformHandles();
        }
    }
};
