#include "runtime/shell/ViewLookup.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/ErrorNotice.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/views/TabView.h"
#include "platform/views/TabViewItem.h"
#include "platform/views/View.h"
#include "platform/windows/Popover.h"
#include "platform/windows/TitlebarAccessoryViewController.h"
#include "platform/windows/Toolbar.h"
#include "platform/windows/ToolbarItem.h"
#include "platform/windows/ViewController.h"
#include "platform/windows/Window.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <string>

using platform::Ref;
using platform::View;

namespace {

// The tag a subview is compared by. The classes that carry their tag in the identifier are not
// quite those of ViewTag: the content view class is not among them, the visual effect view is.
std::int64_t subviewTag(const View& view) {
    const std::string name = view.className();
    if (name == "View" || name == "ViewSC" || name == "VisualEffectView")
        return IntegerValue(view.identifier());
    return view.tag();
}

// The view of the window's title-bar accessories with the tag: an accessory view by its
// identifier, else a view inside one.
Ref<View> titlebarViewOfWindow(const platform::Window& window, std::int64_t tag) {
    if (!(window.styleMask() & platform::WindowStyleMask::Titled))
        return nullptr;
    for (const auto& controller : window.titlebarAccessoryViewControllers()) {
        const Ref<View> view = controller->view();
        if (!view)
            continue;
        if (IntegerValue(view->identifier()) == tag)
            return view;
        if (Ref<View> hit = SubviewWithTag(view, tag))
            return hit;
    }
    return nullptr;
}

// The registered toolbar with the tag, the first in the registry.
Ref<platform::Toolbar> registeredToolbarWithTag(std::int64_t tag) {
    const Ref<platform::Array> registry = ToolbarRegistry();
    for (const auto& entry : *registry) {
        const auto toolbar = entry->as<platform::Toolbar>();
        if (toolbar && IntegerValue(toolbar->identifier()) == tag)
            return toolbar;
    }
    return nullptr;
}

Ref<platform::ToolbarItem> itemOfToolbarWithTag(const platform::Toolbar& toolbar,
                                                std::int64_t tag) {
    for (const auto& item : toolbar.items())
        if (item->tag() == tag)
            return item;
    return nullptr;
}

// The view the lookups search: the current window's content view, else the front window's.
Ref<View> searchedContentView() {
    if (Ref<View> view = CurrentContentView())
        return view;
    const Ref<platform::Window> front = FrontWindow();
    return front ? front->contentView() : nullptr;
}

bool namesNothing(std::int64_t tag) {
    return tag == 0 || tag > kObjectThreshold;
}

// The class name as the notices give it: without namespaces, as Object::className gives it.
std::string nameOfClass(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    std::string name = status == 0 && demangled ? demangled.get() : type.name();
    const auto colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

void postNotice(const char* message, const Ref<platform::String>& informative) {
    ErrorNotice(platform::String::fromUtf8(message), informative, platform::AlertStyle::Warning);
}

} // namespace

Ref<View> SubviewWithTag(const Ref<View>& container, std::int64_t tag) {
    if (!container)
        return nullptr;
    // Only the selected item's view is a subview of a tab view; the views inside every item are
    // searched, selected or not, though the items' views themselves are not compared.
    if (const auto tabs = container->as<platform::TabView>()) {
        for (const auto& item : tabs->tabViewItems())
            if (Ref<View> hit = SubviewWithTag(item->view(), tag))
                return hit;
        return nullptr;
    }
    for (const auto& subview : container->subviews()) {
        if (subviewTag(*subview) == tag)
            return subview;
        if (Ref<View> hit = SubviewWithTag(subview, tag))
            return hit;
    }
    return nullptr;
}

Ref<View> TitlebarViewWithTag(std::int64_t tag) {
    const Ref<platform::Object> current = CurrentWindowObject();
    const auto window = current ? current->as<platform::Window>() : nullptr;
    return window ? titlebarViewOfWindow(*window, tag) : nullptr;
}

Ref<platform::Array> ToolbarRegistry() {
    static const Ref<platform::Array> registry = platform::Array::array();
    return registry;
}

Ref<platform::ToolbarItem> ToolbarItemWithTag(const TagOrRef& toolbar, const TagOrRef& item) {
    if (item.isReference())
        return item.reference()->as<platform::ToolbarItem>();
    if (namesNothing(item.tag()))
        return nullptr;
    Ref<platform::Toolbar> bar;
    if (toolbar.isReference())
        bar = toolbar.reference()->as<platform::Toolbar>();
    else if (!namesNothing(toolbar.tag()))
        bar = registeredToolbarWithTag(toolbar.tag());
    return bar ? itemOfToolbarWithTag(*bar, item.tag()) : nullptr;
}

Ref<View> ViewWithTag(const TagOrRef& tag) {
    if (tag.isReference())
        return tag.reference()->as<View>();
    const std::int64_t t = tag.tag();
    if (namesNothing(t))
        return nullptr;
    if (const auto popover = ShownPopover())
        if (const auto controller = popover->contentViewController())
            if (Ref<View> hit = SubviewWithTag(controller->view(), t))
                return hit;
    const Ref<View> contentView = searchedContentView();
    if (!contentView)
        return nullptr;
    if (t == kContentViewTag)
        return contentView;
    if (Ref<View> hit = SubviewWithTag(contentView, t))
        return hit;
    // The title bar and the toolbar searched are those of the window whose content was searched,
    // so that a lookup never mixes two windows.
    const Ref<platform::Window> window = contentView->window();
    if (!window)
        return nullptr;
    if (Ref<View> hit = titlebarViewOfWindow(*window, t))
        return hit;
    const Ref<platform::Toolbar> toolbar = window->toolbar();
    if (!toolbar || !ToolbarRegistry()->containsObject(toolbar))
        return nullptr;
    const Ref<platform::ToolbarItem> item = itemOfToolbarWithTag(*toolbar, t);
    return item ? item->view() : nullptr;
}

Ref<platform::Object> ViewWithTagOfClass(const TagOrRef& tag, const ViewClass& viewClass) {
    const std::string className = nameOfClass(viewClass.type);
    if (tag.isReference()) {
        const Ref<platform::Object> element = tag.reference();
        if (viewClass.isKind(*element))
            return element;
        postNotice("Class error.",
                   platform::String::stringWithFormat("View %@ cannot respond to %s messages.",
                                                      element.get(), className.c_str()));
        return nullptr;
    }
    const Ref<View> contentView = searchedContentView();
    if (!contentView) {
        postNotice("Error.", platform::String::fromUtf8("Can't find any windows."));
        return nullptr;
    }
    const Ref<platform::Window> window = contentView->window();
    const std::int64_t windowTag = window ? Additions::tag(*window) : 0;
    const Ref<View> view = ViewWithTag(tag);
    if (!view) {
        postNotice("Tag error.", platform::String::stringWithFormat(
                                     "Can't find view %ld in window %ld.",
                                     static_cast<long>(tag.tag()), static_cast<long>(windowTag)));
        return nullptr;
    }
    if (viewClass.isKind(*view))
        return view;
    postNotice("Class error.", platform::String::stringWithFormat(
                                   "View %ld (%s), in window %ld, cannot respond to %s messages.",
                                   static_cast<long>(tag.tag()), view->className().c_str(),
                                   static_cast<long>(windowTag), className.c_str()));
    return nullptr;
}
