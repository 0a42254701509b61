#include "platform/windows/TitlebarAccessoryViewController.h"

namespace platform {

TitlebarAccessoryViewController::TitlebarAccessoryViewController() = default;

} // namespace platform
