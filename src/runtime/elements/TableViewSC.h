#pragma once

// A table view whose mouse, key, cursor and menu events reach the program, and which takes the
// keyboard focus unless a callback says no. Its questions about rows and cells go to its own
// CUI_TableViewDelegate.

#include "runtime/elements/ElementSC.h"

#include "platform/views/tables/TableView.h"

class TableViewSC final : public ElementSC<platform::TableView, ElementSet::kTable> {
public:
    using ElementSC::ElementSC;
};
