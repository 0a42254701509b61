// Feeds arbitrary bytes to the interface-file reader. A load either fails with a message and
// nothing built, or gives its objects with the window (when there is one) first and the view set.
// When the first input byte is odd the rest of the input is put inside the opening of a window's
// file, so that the fuzzer spends its time on widgets, layouts and properties rather than on
// finding the top element. The seed in fuzz/corpus/fuzz_interface_file is a small window with a
// layout, a menu and a promoted widget.

#include "platform/app/Application.h"
#include "platform/app/InterfaceFile.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

constexpr char Opening[] = "<ui version=\"4.0\"><widget class=\"QWidget\" name=\"top\">";

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Application::shared();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    std::string xml = data[0] & 1 ? Opening : "";
    xml.append(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto name = platform::String::fromUtf8("fuzz.ui");
    const auto load = platform::InterfaceFile::loadBytes(xml, *name);
    if (load.error) {
        check(!load.window && !load.view && load.objects.empty());
        return 0;
    }
    check(load.view != nullptr && !load.objects.empty());
    if (load.window)
        check(load.objects[0] == load.window && load.view == load.window->contentView());
    return 0;
}
