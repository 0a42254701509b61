#include "runtime/elements/CUI_StackViewDelegate.h"

#include "runtime/shell/EventCodes.h"
#include "runtime/shell/EventForwarding.h"

#include "platform/foundation/Array.h"
#include "platform/views/StackView.h"

using platform::Ref;
using platform::StackView;
using platform::View;

namespace {

void report(const Ref<StackView>& stackView, std::int64_t code,
            const std::vector<Ref<View>>& views) {
    if (!stackView)
        return;
    const auto list = platform::Array::arrayWithCapacity(views.size());
    for (const auto& view : views)
        list->addObject(view);
    ForwardElementDelegateEvent(*stackView, code, list);
}

} // namespace

const Ref<CUI_StackViewDelegate>& CUI_StackViewDelegate::shared() {
    static const Ref<CUI_StackViewDelegate> delegate = std::make_shared<CUI_StackViewDelegate>();
    return delegate;
}

void CUI_StackViewDelegate::stackViewWillDetachViews(const Ref<StackView>& stackView,
                                                     const std::vector<Ref<View>>& views) {
    report(stackView, StackViewEvent::WillDetachViews, views);
}

void CUI_StackViewDelegate::stackViewDidReattachViews(const Ref<StackView>& stackView,
                                                      const std::vector<Ref<View>>& views) {
    report(stackView, StackViewEvent::DidReattachViews, views);
}
