#include "platform/views/StackViewDelegate.h"

namespace platform {

StackViewDelegate::~StackViewDelegate() = default;

void StackViewDelegate::stackViewWillDetachViews(const Ref<StackView>&,
                                                 const std::vector<Ref<View>>&) {}

void StackViewDelegate::stackViewDidReattachViews(const Ref<StackView>&,
                                                  const std::vector<Ref<View>>&) {}

} // namespace platform
