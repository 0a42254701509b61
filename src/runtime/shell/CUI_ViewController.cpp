#include "runtime/shell/CUI_ViewController.h"

#include "runtime/shell/ContentViewSC.h"
#include "runtime/shell/Tags.h"

#include "platform/foundation/String.h"

void CUI_ViewController::loadView() {
    const auto content = std::make_shared<ContentViewSC>(platform::Rect{{0, 0}, contentSize_});
    content->setIdentifier(
        platform::String::stringWithFormat("%d", static_cast<int>(kContentViewTag)));
    setView(content);
}
