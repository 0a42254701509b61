#include "platform/views/TextStorageDelegate.h"

namespace platform {

TextStorageDelegate::~TextStorageDelegate() = default;

void TextStorageDelegate::textStorageWillProcessEditingRangeChangeInLength(const Ref<TextStorage>&,
                                                                           std::uint64_t, Range,
                                                                           std::int64_t) {}

void TextStorageDelegate::textStorageDidProcessEditingRangeChangeInLength(const Ref<TextStorage>&,
                                                                          std::uint64_t, Range,
                                                                          std::int64_t) {}

} // namespace platform
