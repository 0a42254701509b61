#pragma once

// A panel loaded from an interface file that tells the program it has woken: after the
// platform's own waking, it reports as a WindowSC does, named by the number in its identifier.

#include "platform/windows/Window.h"

class PanelSC final : public platform::Panel {
public:
    using Panel::Panel;

    void awakeFromNib() override;
};
