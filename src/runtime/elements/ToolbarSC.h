#pragma once

// The runtime's toolbar: a platform toolbar named by the number in its identifier.

#include "platform/windows/Toolbar.h"

class ToolbarSC final : public platform::Toolbar {
public:
    using Toolbar::Toolbar;
};
