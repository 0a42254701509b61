#include "platform/TitlebarAccessoryViewController.h"

namespace platform {

TitlebarAccessoryViewController::TitlebarAccessoryViewController() = default;

} // namespace platform
