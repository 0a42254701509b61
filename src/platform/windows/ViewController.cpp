#include "platform/windows/ViewController.h"

#include "platform/foundation/String.h"
#include "platform/views/View.h"

namespace platform {

ViewController::ViewController() = default;

ViewController::~ViewController() = default;

} // namespace platform
