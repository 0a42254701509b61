#pragma once

// The delegate the wiring gives stack views that have none. It reports the views a stack view
// detaches and reattaches to the dialog callback alone, with the stack view's tag and window
// tag and the list of the views as the object. One instance serves every stack view.

#include "platform/foundation/Object.h"
#include "platform/views/StackViewDelegate.h"

class CUI_StackViewDelegate : public platform::Object, public platform::StackViewDelegate {
public:
    // The one delegate, created on first use and never released: stack views hold it weakly.
    static const platform::Ref<CUI_StackViewDelegate>& shared();

    void stackViewWillDetachViews(const platform::Ref<platform::StackView>& stackView,
                                  const std::vector<platform::Ref<platform::View>>& views) override;
    void
    stackViewDidReattachViews(const platform::Ref<platform::StackView>& stackView,
                              const std::vector<platform::Ref<platform::View>>& views) override;
};
