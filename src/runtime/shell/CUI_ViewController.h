#pragma once

// The content view controller of every window the runtime creates or adopts: the view it loads
// is the window's ContentViewSC, of the size of the content it takes over. It reports nothing.

#include "platform/foundation/Geometry.h"
#include "platform/windows/ViewController.h"

class CUI_ViewController : public platform::ViewController {
public:
    explicit CUI_ViewController(platform::Size contentSize) : contentSize_(contentSize) {}

    void loadView() override;

private:
    platform::Size contentSize_;
};
