#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class Font;

// What a control shows its value with. The control asks its cell each time it needs the answer
// (when it draws), so a subclass that answers differently changes what the control shows.
class Cell : public Object {
public:
    Cell();
    ~Cell() override;

    // The font of the value; a new cell has the system font at 13 points.
    virtual Ref<Font> font() const { return font_; }
    // None sets the system font at 13 points.
    void setFont(Ref<Font> font);

private:
    Ref<Font> font_;
};

} // namespace platform
