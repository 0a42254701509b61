#pragma once

#include "platform/views/TextFieldDelegate.h"

namespace platform {

class SearchField;

// What a search field tells its delegate besides the editing of a text field. A search starts
// when the field sends its action with text in it, and ends when it sends its action empty.
class SearchFieldDelegate : public TextFieldDelegate {
public:
    virtual void searchFieldDidStartSearching(const Ref<SearchField>& sender);
    virtual void searchFieldDidEndSearching(const Ref<SearchField>& sender);
};

} // namespace platform
