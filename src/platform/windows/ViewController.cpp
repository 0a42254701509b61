#include "platform/windows/ViewController.h"

#include "platform/foundation/String.h"
#include "platform/views/View.h"

namespace platform {

ViewController::ViewController() = default;

ViewController::~ViewController() = default;

void ViewController::loadViewIfNeeded() {
    if (view_)
        return;
    loadView();
    viewDidLoad();
}

void ViewController::loadView() {
    setView(std::make_shared<View>());
}

} // namespace platform
