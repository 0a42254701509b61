#pragma once

// The owner of one tool tip of a view that the program writes: each time the tip is about to
// show, the owner's callback gives its text.

#include "runtime/shell/Callbacks.h"
#include "runtime/shell/Tags.h"

#include "platform/foundation/Geometry.h"
#include "platform/views/ToolTipOwner.h"

#include <cstdint>

namespace platform {
class View;
}

class CUI_ViewToolTipOwner : public platform::ToolTipOwner {
public:
    CUI_ViewToolTipOwner(const platform::Ref<platform::View>& view, ToolTipCallback callback)
        : view_(view), stringForToolTipCallback_(callback) {}

    platform::Ref<platform::View> view() const { return view_.lock(); }
    std::int64_t toolTipTag() const { return toolTipTag_; }
    void setToolTipTag(std::int64_t tag) { toolTipTag_ = tag; }
    ToolTipCallback stringForToolTipCallback() const { return stringForToolTipCallback_; }

    // The callback's text, with the view's tag, its window's tag and the tip's tag.
    platform::Ref<platform::String> stringForToolTip(platform::View& view, std::int64_t tag,
                                                     platform::Point point,
                                                     void* userData) override;

private:
    platform::WeakRef<platform::View> view_;
    std::int64_t toolTipTag_ = 0;
    ToolTipCallback stringForToolTipCallback_;
};

// Gives the view (by tag or reference) a tool-tip rectangle (in the view's coordinates) whose
// text the callback writes each time the tip shows, with the user data; answers the tip's tag,
// by which the platform's View::removeToolTip takes it away again. Answers 0, adding nothing,
// when there is no such view or no callback; a tag that names no view posts the lookup's
// error notice.
std::int64_t ViewToolTipAdd(const TagOrRef& view, platform::Rect rect, ToolTipCallback callback,
                            void* userData);
