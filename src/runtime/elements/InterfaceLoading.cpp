#include "runtime/elements/InterfaceLoading.h"

#include "runtime/core/RuntimeAlert.h"
#include "runtime/elements/ElementOperations.h"
#include "runtime/elements/ViewWiring.h"
#include "runtime/shell/Tags.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/InterfaceFile.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <cstdlib>
#include <mutex>

using platform::Ref;

namespace {

// The window of a load: the file's own, or a new one holding the file's top-level view.
Ref<platform::Window> windowOf(const platform::InterfaceLoad& load, std::int64_t tag) {
    if (load.window) {
        WindowAdopt(load.window, tag);
        return load.window;
    }
    const Ref<platform::Window> window = WindowCreate(tag, {{0, 0}, load.view->frame().size});
    load.view->setFrameOrigin({0, 0});
    window->contentView()->addSubview(load.view);
    return window;
}

// Reads and builds the file, the member classes made known to the reader before the first file.
platform::InterfaceLoad loadFile(const platform::String& path) {
    static std::once_flag registered;
    std::call_once(registered, ElementClassesRegister);
    return platform::InterfaceFile::load(path);
}

} // namespace

void WindowLoad(std::int64_t tag, const Ref<platform::String>& path) {
    const std::int64_t absolute = std::llabs(tag);
    if (absolute > kObjectThreshold || WindowTagCheck(absolute))
        return;
    Ref<platform::Window> window = WindowWithTag(absolute);
    if (!window) {
        const platform::InterfaceLoad load = loadFile(path ? *path : *platform::String::create());
        if (load.error) {
            RuntimeAlert(RuntimeText("Interface file error"), load.error, 0);
            return;
        }
        window = windowOf(load, absolute);
        window->center();
        WireViews(absolute, window->contentView());
    }
    if (tag < 1)
        window->orderOut();
    else
        window->makeKeyAndOrderFront();
    CurrentOutputWindowTagSet(absolute);
}
