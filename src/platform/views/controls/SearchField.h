#pragma once

#include "platform/views/TextField.h"

namespace platform {

// A text field for a search. It shows a magnifier at its start and, while it holds text, a clear
// button at its end. It sends its action with each change the user makes to the text, or, when
// it sends the whole search string, only on Return; a click on the magnifier sends it too. The
// clear button, and Escape while there is text, empty the field and send the action.
//
// A delegate that is a SearchFieldDelegate hears when a search starts and ends (see there);
// otherwise the delegate is a text field's.
class SearchField : public TextField {
public:
    explicit SearchField(Rect frame = {});
    ~SearchField() override;

    bool sendsWholeSearchString() const { return sendsWholeSearchString_; }
    void setSendsWholeSearchString(bool whole) { sendsWholeSearchString_ = whole; }

    // Internal to the platform: the toolkit side of the field's buttons.
    struct Buttons;

protected:
    bool performEditingCommand(std::string_view command) override;
    void userChangedText() override;
    void sendReturnAction() override { search(); }

private:
    // Tells the delegate that a search started or ended, then sends the action.
    void search();
    void clear();

    std::unique_ptr<Buttons> buttons_;
    bool sendsWholeSearchString_ = false;
    bool searching_ = false;
};

} // namespace platform
