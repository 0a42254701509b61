#include "platform/ViewController.h"

#include "platform/String.h"
#include "platform/View.h"

namespace platform {

ViewController::ViewController() = default;

ViewController::~ViewController() = default;

} // namespace platform
