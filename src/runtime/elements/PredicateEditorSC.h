#pragma once

// A predicate editor under the runtime's name; it takes over none of the editor's methods: its
// rows and its action are the predicate editor's own.

#include "platform/views/controls/PredicateEditor.h"

class PredicateEditorSC final : public platform::PredicateEditor {
public:
    using PredicateEditor::PredicateEditor;
};
