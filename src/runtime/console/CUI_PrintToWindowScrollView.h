#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/views/ScrollView.h"

// The scroll view that hosts a console in its window. It scrolls vertically only, with a
// scroller that hides while the console fits, no border and no bounce past the ends, and it can
// scroll 20 points beyond the console's end to leave room below the last line; it draws no
// background, so the window's shows through, and follows its superview in width and height.
class CUI_PrintToWindowScrollView : public platform::ScrollView {
public:
    explicit CUI_PrintToWindowScrollView(platform::Rect frame);
    static platform::Ref<CUI_PrintToWindowScrollView> scrollViewWithFrame(platform::Rect frame);
};
