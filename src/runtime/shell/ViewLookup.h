#pragma once

// Finding the views of the current window by tag. A view's tag is read by ViewTag (ViewTag.h).
// The current window is the current output window (WindowOperations.h), or else the front
// window. The untyped lookups answer absent when nothing matches and post nothing; the typed
// lookup, ViewWithTagOfClass, posts an error notice for each way it can fail.
//
// Tag arguments that are integers above kObjectThreshold name nothing (see TagOrRef), so every
// lookup answers them with absent; an element is named by a reference instead.

#include "runtime/shell/Tags.h"
#include "runtime/shell/ViewTag.h"

#include "platform/foundation/Object.h"

#include <cstdint>
#include <typeinfo>

namespace platform {
class Array;
class Toolbar;
class ToolbarItem;
class View;
} // namespace platform

// The first view below the container, depth first in subview order, whose tag is the tag. Plain
// views (exactly View, ViewSC or VisualEffectView) are tagged by their identifier's integer
// value, every other view by its own tag. The container itself is not compared. In a tab view
// the views inside each item's view are searched, in the order of the items, whichever is
// selected; the items' views themselves are not compared.
platform::Ref<platform::View> SubviewWithTag(const platform::Ref<platform::View>& container,
                                             std::int64_t tag);

// A title-bar accessory view of the current output window (never the front window) whose
// identifier's integer value is the tag, or else the first view with the tag inside an accessory
// view, in the order of the window's accessories. A window without a title bar has none.
platform::Ref<platform::View> TitlebarViewWithTag(std::int64_t tag);

// The process-wide list of the toolbars that programs name by tag; a toolbar's tag is the
// integer value of its identifier. Created empty on first use; the runtime adds nothing to it.
platform::Ref<platform::Array> ToolbarRegistry();

// The item of the toolbar whose tag is the item tag. An item reference is answered with itself;
// a toolbar tag is looked up in the toolbar registry.
platform::Ref<platform::ToolbarItem> ToolbarItemWithTag(const TagOrRef& toolbar,
                                                        const TagOrRef& item);

// The view with the tag in the current window: first inside a registered popover that is shown,
// when there is one; then kContentViewTag gives the window's content view; then the
// content view's descendants, the title-bar accessories and the views of the items of the
// window's toolbar (when that toolbar is registered) are searched in this order. A reference to
// a view is answered with itself, a reference to anything else with absent.
platform::Ref<platform::View> ViewWithTag(const TagOrRef& tag);

// The class a typed lookup asks for: its type, whose name the error notices give ("Control"
// for platform::Control), and the test that an object is of it or of a subclass.
struct ViewClass {
    const std::type_info& type;
    bool (*isKind)(const platform::Object& object);

    template <class K>
    static ViewClass of() {
        return {typeid(K), [](const platform::Object& object) { return object.isKindOf<K>(); }};
    }
};

// The element with the tag in the current window (see ViewWithTag), or the element referred to,
// when it is of the class. Otherwise absent, after posting the error notice that says why: no
// window at all ("Error."), no view with the tag ("Tag error.") or one of another class ("Class
// error."). The notice is shown later from the event loop; the caller goes on at once and
// should do nothing with an absent answer.
platform::Ref<platform::Object> ViewWithTagOfClass(const TagOrRef& tag, const ViewClass& viewClass);

// The typed form: ViewWithTagOfClass<platform::Control>(field) or
// ViewWithTagOfClass<platform::Button>(7).
template <class K>
platform::Ref<K> ViewWithTagOfClass(const TagOrRef& tag) {
    const platform::Ref<platform::Object> element = ViewWithTagOfClass(tag, ViewClass::of<K>());
    return element ? element->as<K>() : nullptr;
}
