#include "platform/views/controls/SearchFieldDelegate.h"

namespace platform {

void SearchFieldDelegate::searchFieldDidStartSearching(const Ref<SearchField>&) {}

void SearchFieldDelegate::searchFieldDidEndSearching(const Ref<SearchField>&) {}

} // namespace platform
