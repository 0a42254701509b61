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
    setAutoresizingMask(platform::AutoresizingMask::WidthSizable |
                        platform::AutoresizingMask::HeightSizable);
}

platform::Ref<CUI_PrintToWindowScrollView>
CUI_PrintToWindowScrollView::scrollViewWithFrame(platform::Rect frame) {
    return std::make_shared<CUI_PrintToWindowScrollView>(frame);
}
