#include "runtime/input/QVInputFormat.h"

namespace {
platform::Ref<QVInputFormat>& currentFormat() {
    static platform::Ref<QVInputFormat> format;
    return format;
}
} // namespace

platform::Ref<QVInputFormat> currentInputFormat() {
    return currentFormat();
}

void CurrentInputFormatSet(platform::Ref<QVInputFormat> format) {
    currentFormat() = std::move(format);
}
