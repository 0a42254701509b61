#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class String;
class View;

// Manages one view: whoever shows the controller shows its view.
class ViewController : public Object {
public:
    ViewController();
    ~ViewController() override;

    Ref<View> view() const { return view_; }
    void setView(Ref<View> view) { view_ = std::move(view); }
    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title) { title_ = std::move(title); }

private:
    Ref<View> view_;
    Ref<String> title_;
};

} // namespace platform
