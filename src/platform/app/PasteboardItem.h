#pragma once

#include "platform/foundation/Object.h"

#include <string>
#include <utility>
#include <vector>

namespace platform {

class Array;
class Data;
class String;

// One item of a drag: the same thing offered as data under one or more types, as a table
// writes each dragged row.
class PasteboardItem : public Object {
public:
    // The types offered, in the order they were set.
    Ref<Array> types() const;
    Ref<Data> dataForType(const String& type) const;
    // Replaces what was offered under the type; none withdraws it.
    void setDataForType(Ref<Data> data, const String& type);

private:
    std::vector<std::pair<std::string, Ref<Data>>> entries_;
};

} // namespace platform
