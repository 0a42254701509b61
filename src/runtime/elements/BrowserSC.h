#pragma once

// A browser whose context menu the program may replace; everything else is the browser's own.

#include "runtime/elements/ElementSC.h"

#include "platform/views/outlines/Browser.h"

class BrowserSC final : public ElementSC<platform::Browser, ElementSet::kBrowser> {
public:
    using ElementSC::ElementSC;
};
