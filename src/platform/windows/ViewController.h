#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class String;
class View;

// Manages one view: whoever shows the controller shows its view. The view is made on first
// need (loadViewIfNeeded) unless one was set.
class ViewController : public Object {
public:
    ViewController();
    ~ViewController() override;

    // The view as it is now: none before it was loaded or set.
    Ref<View> view() const { return view_; }
    void setView(Ref<View> view) { view_ = std::move(view); }
    bool isViewLoaded() const { return view_ != nullptr; }
    // Without a view: loadView, then viewDidLoad.
    void loadViewIfNeeded();
    // Makes the view and sets it; the base makes a plain view with an empty frame.
    virtual void loadView();
    // Called once the view was loaded; the base does nothing.
    virtual void viewDidLoad() {}
    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title) { title_ = std::move(title); }

private:
    Ref<View> view_;
    Ref<String> title_;
};

} // namespace platform
