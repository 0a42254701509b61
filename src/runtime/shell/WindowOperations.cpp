#include "runtime/shell/WindowOperations.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_ViewController.h"
#include "runtime/shell/CUI_WindowController.h"
#include "runtime/shell/CUI_WindowDelegate.h"
#include "runtime/shell/ErrorNotice.h"
#include "runtime/shell/WindowSC.h"

#include "platform/app/Application.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/Popover.h"
#include "platform/windows/ViewController.h"
#include "platform/windows/Window.h"

#include <cstdlib>
#include <vector>

using platform::Ref;

namespace {

std::int64_t currentOutputWindowTag = 0;
bool windowSubclassRequest = false;

// The style of every new window: titled, closable, miniaturizable and resizable.
constexpr std::uint64_t DefaultStyle =
    platform::WindowStyleMask::Titled | platform::WindowStyleMask::Closable |
    platform::WindowStyleMask::Miniaturizable | platform::WindowStyleMask::Resizable;

// Style masks are compared as the 32-bit values programs pass.
bool styleGiven(std::int64_t style) {
    return static_cast<std::int32_t>(style) != static_cast<std::int32_t>(kParamNotGiven);
}

} // namespace

std::int64_t CurrentOutputWindowTag() {
    return currentOutputWindowTag;
}

void CurrentOutputWindowTagSet(std::int64_t tag) {
    currentOutputWindowTag = std::llabs(tag);
}

bool WindowSubclassRequest() {
    return windowSubclassRequest;
}

void WindowSubclassRequestSet(bool request) {
    windowSubclassRequest = request;
}

Ref<platform::Array> PopoverRegistry() {
    static const Ref<platform::Array> registry = platform::Array::array();
    return registry;
}

void PopoverRegister(const Ref<platform::Popover>& popover, std::int64_t tag) {
    const std::int64_t absolute = std::llabs(tag);
    if (!popover || absolute == 0 || absolute > kObjectThreshold)
        return;
    Additions::setTag(*popover, absolute);
    const Ref<platform::Array> registry = PopoverRegistry();
    if (registry->count() == 0)
        registry->addObject(platform::Dictionary::dictionary());
    const auto table = std::dynamic_pointer_cast<platform::Dictionary>(registry->objectAtIndex(0));
    if (table && !PopoverWithTag(absolute))
        table->setObjectForKey(
            popover, platform::String::stringWithFormat("%ld", static_cast<long>(absolute)));
}

Ref<platform::Popover> ShownPopover() {
    for (const auto& entry : *PopoverRegistry())
        if (const auto table = std::dynamic_pointer_cast<platform::Dictionary>(entry)) {
            const Ref<platform::Array> values = table->allValues();
            for (const auto& value : *values)
                if (const auto popover = value->as<platform::Popover>();
                    popover && popover->isShown())
                    return popover;
        }
    return nullptr;
}

void WindowOpen(std::int64_t tag, const Ref<platform::String>& title, std::int64_t style,
                platform::Rect contentRect) {
    const std::int64_t absolute = std::llabs(tag);
    // Such a tag names nothing: a window opened for it could never be found again.
    if (absolute > kObjectThreshold || WindowTagCheck(absolute))
        return;
    Ref<platform::Window> window = WindowWithTag(absolute);
    if (window) {
        windowSubclassRequest = false;
        if (title)
            window->setTitle(title);
        if (!contentRect.isEmpty())
            window->setFrameDisplay(window->frameRectForContentRect(contentRect), true);
        if (styleGiven(style))
            window->setStyleMask(static_cast<std::uint64_t>(style));
    } else {
        window = WindowCreate(absolute, contentRect);
        if (styleGiven(style))
            window->setStyleMask(static_cast<std::uint64_t>(style));
        if (title)
            window->setTitle(title);
    }
    if (tag < 1)
        window->orderOut();
    else
        window->makeKeyAndOrderFront();
    CurrentOutputWindowTagSet(absolute);
}

Ref<platform::Window> WindowCreate(std::int64_t tag, platform::Rect contentRect) {
    if (contentRect.isEmpty())
        contentRect = {0, 0, 550, 400};
    const bool subclass = windowSubclassRequest;
    windowSubclassRequest = false;
    const Ref<platform::Window> window =
        subclass ? std::make_shared<WindowSC>(contentRect, DefaultStyle)
                 : std::make_shared<platform::Window>(contentRect, DefaultStyle);
    WindowAdopt(window, tag);
    window->setTitle(platform::String::fromUtf8("Untitled"));
    if (contentRect.origin.x == 0.0 && contentRect.origin.y == 0.0)
        window->center();
    return window;
}

void WindowAdopt(const Ref<platform::Window>& window, std::int64_t tag) {
    const auto controller = std::make_shared<CUI_WindowController>();
    controller->setWindow(window);
    // The window refers to its controller weakly; it keeps it until it closes.
    window->setAttachedProperty("windowController", controller);
    const auto oldContent = window->contentView();
    const auto viewController = std::make_shared<CUI_ViewController>(oldContent->frame().size);
    viewController->loadViewIfNeeded();
    // Copied: each view leaves the old content view as it moves.
    for (const auto& view : std::vector(oldContent->subviews()))
        viewController->view()->addSubview(view);
    window->setContentViewController(viewController);
    Additions::setTag(*window, tag);
    window->setDelegate(CUI_WindowDelegate::shared());
    AppDelegateGet()->windows()->addObject(window);
    window->setReleasedWhenClosed(true);
}

Ref<platform::Window> WindowWithTag(const TagOrRef& tag) {
    if (tag.isReference())
        return tag.reference()->as<platform::Window>();
    if (tag.tag() == 0)
        return nullptr;
    const std::int64_t absolute = std::llabs(tag.tag());
    if (absolute > kObjectThreshold)
        return nullptr;
    for (const auto& window : platform::Application::shared()->windows())
        if (Additions::tag(*window) == absolute)
            return window;
    return nullptr;
}

Ref<platform::Object> PopoverWithTag(const TagOrRef& tag) {
    if (tag.isReference())
        return tag.reference();
    if (tag.tag() == 0 || tag.tag() > kObjectThreshold)
        return nullptr;
    const auto key = platform::String::stringWithFormat("%ld", static_cast<long>(tag.tag()));
    for (const auto& entry : *PopoverRegistry())
        if (const auto table = std::dynamic_pointer_cast<platform::Dictionary>(entry))
            if (auto popover = table->objectForKey(key))
                return popover;
    return nullptr;
}

bool WindowTagCheck(std::int64_t tag) {
    if (!PopoverWithTag(tag))
        return false;
    ErrorNotice(platform::String::fromUtf8("Window tag error."),
                platform::String::fromUtf8("Windows and Popovers cannot have same tag value."),
                platform::AlertStyle::Warning);
    return true;
}

Ref<platform::Object> CurrentWindowObject() {
    if (currentOutputWindowTag == 0)
        return nullptr;
    if (auto window = WindowWithTag(currentOutputWindowTag))
        return window;
    return PopoverWithTag(currentOutputWindowTag);
}

Ref<platform::View> CurrentContentView() {
    const auto current = CurrentWindowObject();
    if (const auto window = current ? current->as<platform::Window>() : nullptr)
        return window->contentView();
    const auto popover = current ? current->as<platform::Popover>() : nullptr;
    const auto controller = popover ? popover->contentViewController() : nullptr;
    return controller ? controller->view() : nullptr;
}

Ref<platform::Window> FrontWindow() {
    const auto windows = platform::Application::shared()->windows();
    return windows.empty() ? nullptr : windows.front();
}

Ref<platform::Object> WindowResolve(std::int64_t& tag) {
    if (tag != 0) {
        if (auto window = WindowWithTag(tag))
            return window;
        return PopoverWithTag(tag);
    }
    Ref<platform::Object> found = CurrentWindowObject();
    if (!found)
        found = FrontWindow();
    if (const auto window = found ? found->as<platform::Window>() : nullptr)
        tag = Additions::tag(*window);
    return found;
}

void WindowCenter(std::int64_t tag) {
    if (const auto window = WindowWithTag(tag))
        window->center();
}

void WindowSetBackgroundColor(std::int64_t tag, const Ref<platform::Color>& color) {
    if (const auto window = WindowWithTag(tag))
        window->setBackgroundColor(color);
}

std::int64_t ViewWindowTag(const platform::View& view) {
    const auto window = view.window();
    if (!window)
        return 0;
    if (const std::int64_t tag = Additions::tag(*window))
        return tag;
    const auto popover = platform::Popover::popoverOfWindow(*window);
    return popover ? Additions::tag(*popover) : 0;
}

void WindowCallbackSet(std::int64_t tag, WindowCallback callback, void* userData) {
    if (const auto window = WindowWithTag(tag)) {
        Additions::setCuiWindowCallback(*window, callback);
        Additions::setCuiWindowUserData(*window, userData);
    }
}
