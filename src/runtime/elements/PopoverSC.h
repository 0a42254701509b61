#pragma once

// A popover loaded from an interface file that tells the program it has woken, as a panel does:
// named by the number in its identifier, which becomes the current output window.

#include "platform/windows/Popover.h"

class PopoverSC final : public platform::Popover {
public:
    void awakeFromNib() override;
};
