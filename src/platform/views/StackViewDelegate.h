#pragma once

#include "platform/foundation/Object.h"

#include <vector>

namespace platform {

class StackView;
class View;

// What a stack view tells its delegate of the views it takes out of its layout and puts back.
class StackViewDelegate {
public:
    virtual ~StackViewDelegate();

    // Before hidden views leave the stack view's subviews; they stay among its views.
    virtual void stackViewWillDetachViews(const Ref<StackView>& stackView,
                                          const std::vector<Ref<View>>& views);
    // After views shown again are back among its subviews.
    virtual void stackViewDidReattachViews(const Ref<StackView>& stackView,
                                           const std::vector<Ref<View>>& views);
};

} // namespace platform
