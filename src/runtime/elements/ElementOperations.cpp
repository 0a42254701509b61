#include "runtime/elements/ElementOperations.h"

#include "runtime/elements/ButtonSC.h"
#include "runtime/elements/SliderSC.h"
#include "runtime/elements/StepperSC.h"
#include "runtime/elements/TextFieldSC.h"
#include "runtime/elements/ViewSC.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_ControlTarget.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/foundation/String.h"
#include "platform/windows/Window.h"

#include <cstdlib>
#include <string>

using platform::Ref;

namespace {

struct KindRow {
    std::int64_t kind;
    Ref<platform::View> (*make)(platform::Rect frame);
};

constexpr KindRow kKinds[] = {
    {ElementKind::View,
     [](platform::Rect f) -> Ref<platform::View> { return std::make_shared<ViewSC>(f); }},
    {ElementKind::PushButton,
     [](platform::Rect f) -> Ref<platform::View> {
         return std::make_shared<ButtonSC>(f, platform::ButtonType::MomentaryPushIn);
     }},
    {ElementKind::CheckBox,
     [](platform::Rect f) -> Ref<platform::View> {
         return std::make_shared<ButtonSC>(f, platform::ButtonType::Switch);
     }},
    {ElementKind::RadioButton,
     [](platform::Rect f) -> Ref<platform::View> {
         return std::make_shared<ButtonSC>(f, platform::ButtonType::Radio);
     }},
    {ElementKind::Slider,
     [](platform::Rect f) -> Ref<platform::View> { return std::make_shared<SliderSC>(f); }},
    {ElementKind::Stepper,
     [](platform::Rect f) -> Ref<platform::View> { return std::make_shared<StepperSC>(f); }},
    {ElementKind::TextField,
     [](platform::Rect f) -> Ref<platform::View> { return std::make_shared<TextFieldSC>(f); }},
};

} // namespace

Ref<platform::View> ElementCreate(std::int64_t wndTag, std::int64_t viewTag, std::int64_t kind,
                                  platform::Rect frame) {
    const auto window = WindowWithTag(wndTag);
    if (!window || !window->contentView())
        return nullptr;
    for (const KindRow& row : kKinds) {
        if (row.kind != kind)
            continue;
        const Ref<platform::View> element = row.make(frame);
        Additions::setWndTag(*element, std::llabs(wndTag));
        if (const auto control = element->as<platform::Control>()) {
            control->setTag(viewTag);
            control->setTarget(CUI_ControlTarget::shared());
            control->setAction(CUI_ControlTarget::actionSelector(0));
        } else {
            element->setIdentifier(platform::String::fromUtf8(std::to_string(viewTag)));
        }
        window->contentView()->addSubview(element);
        return element;
    }
    return nullptr;
}
