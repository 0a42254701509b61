#pragma once

// The runtime's toolbar item, as CUI_ToolbarDelegate makes them.

#include "platform/windows/ToolbarItem.h"

class ToolbarItemSC final : public platform::ToolbarItem {
public:
    using ToolbarItem::ToolbarItem;
};
