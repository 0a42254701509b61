#include "runtime/console/CUI_PrintToWindowScrollView.h"

#include "platform/drawing/Color.h"

CUI_PrintToWindowScrollView::CUI_PrintToWindowScrollView(platform::Rect frame)
    : platform::ScrollView(frame) {
    setBorderType(platform::BorderType::NoBorder);
    setHasHorizontalScroller(false);
    setHasVerticalScroller(true);
    setAutohidesScrollers(true);
    setDrawsBackground(false);
    setBackgroundColor(platform::Color::windowBackgroundColor());
    setVerticalElasticity(platform::ScrollElasticity::None);
    // Scrolling to the end asks for 20 points below the last line, so that the card prompt,
    // which floats over the bottom of the window, leaves the newest line in sight.
    setContentInsets({.top = 0, .left = 0, .bottom = 20.0, .right = 0});
    setAutoresizingMask(platform::AutoresizingMask::WidthSizable |
                        platform::AutoresizingMask::HeightSizable);
}

platform::Ref<CUI_PrintToWindowScrollView>
CUI_PrintToWindowScrollView::scrollViewWithFrame(platform::Rect frame) {
    return std::make_shared<CUI_PrintToWindowScrollView>(frame);
}
