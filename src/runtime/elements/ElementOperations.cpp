#include "runtime/elements/ElementOperations.h"

#include "runtime/elements/BoxSC.h"
#include "runtime/elements/BrowserSC.h"
#include "runtime/elements/ButtonSC.h"
#include "runtime/elements/CUI_ColorWellPulldownTarget.h"
#include "runtime/elements/ColorWellSC.h"
#include "runtime/elements/ComboBoxSC.h"
#include "runtime/elements/ComboButtonSC.h"
#include "runtime/elements/DatePickerSC.h"
#include "runtime/elements/GridViewSC.h"
#include "runtime/elements/ImageViewSC.h"
#include "runtime/elements/LevelIndicatorSC.h"
#include "runtime/elements/OutlineViewSC.h"
#include "runtime/elements/PathControlSC.h"
#include "runtime/elements/PopUpButtonSC.h"
#include "runtime/elements/PredicateEditorSC.h"
#include "runtime/elements/ProgressIndicatorSC.h"
#include "runtime/elements/ScrollViewSC.h"
#include "runtime/elements/SearchFieldSC.h"
#include "runtime/elements/SecureTextFieldSC.h"
#include "runtime/elements/SegmentedControlSC.h"
#include "runtime/elements/SliderSC.h"
#include "runtime/elements/SplitViewSC.h"
#include "runtime/elements/StackViewSC.h"
#include "runtime/elements/StepperSC.h"
#include "runtime/elements/SwitchSC.h"
#include "runtime/elements/TabViewSC.h"
#include "runtime/elements/TableViewSC.h"
#include "runtime/elements/TextFieldSC.h"
#include "runtime/elements/TextInsertionIndicatorSC.h"
#include "runtime/elements/TextViewSC.h"
#include "runtime/elements/TokenFieldSC.h"
#include "runtime/elements/ViewSC.h"
#include "runtime/elements/VisualEffectViewSC.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_ControlTarget.h"
#include "runtime/shell/PanelSC.h"
#include "runtime/shell/WindowOperations.h"
#include "runtime/shell/WindowSC.h"

#include "platform/app/InterfaceClasses.h"
#include "platform/foundation/String.h"
#include "platform/windows/Window.h"

#include <cstdlib>
#include <string>
#include <type_traits>

using platform::Ref;

namespace {

struct KindRow {
    std::int64_t kind;
    Ref<platform::View> (*make)(platform::Rect frame);
};

// The member, made with the frame and the arguments that choose its kind.
template <class Member, auto... kindArguments>
Ref<platform::View> make(platform::Rect frame) {
    return std::make_shared<Member>(frame, kindArguments...);
}

constexpr KindRow kKinds[] = {
    {ElementKind::View, make<ViewSC>},
    {ElementKind::PushButton, make<ButtonSC, platform::ButtonType::MomentaryPushIn>},
    {ElementKind::CheckBox, make<ButtonSC, platform::ButtonType::Switch>},
    {ElementKind::RadioButton, make<ButtonSC, platform::ButtonType::Radio>},
    {ElementKind::Slider, make<SliderSC>},
    {ElementKind::Stepper, make<StepperSC>},
    {ElementKind::TextField, make<TextFieldSC>},
    {ElementKind::Switch, make<SwitchSC>},
    {ElementKind::SegmentedControl, make<SegmentedControlSC>},
    {ElementKind::PopUpButton, make<PopUpButtonSC, false>},
    {ElementKind::PullDownButton, make<PopUpButtonSC, true>},
    {ElementKind::ComboButton, make<ComboButtonSC>},
    {ElementKind::SecureTextField, make<SecureTextFieldSC>},
    {ElementKind::LevelIndicator, make<LevelIndicatorSC>},
    {ElementKind::ProgressBar, make<ProgressIndicatorSC, platform::ProgressIndicatorStyle::Bar>},
    {ElementKind::ProgressSpinner,
     make<ProgressIndicatorSC, platform::ProgressIndicatorStyle::Spinning>},
    {ElementKind::Box, make<BoxSC>},
    {ElementKind::ImageView, make<ImageViewSC>},
    {ElementKind::ColorWell, make<ColorWellSC>},
    {ElementKind::DatePicker, make<DatePickerSC, platform::DatePickerStyle::TextFieldAndStepper>},
    {ElementKind::CalendarDatePicker,
     make<DatePickerSC, platform::DatePickerStyle::ClockAndCalendar>},
    {ElementKind::VisualEffectView, make<VisualEffectViewSC>},
    {ElementKind::ScrollView, make<ScrollViewSC>},
    {ElementKind::TokenField, make<TokenFieldSC>},
    {ElementKind::TextInsertionIndicator, make<TextInsertionIndicatorSC>},
    {ElementKind::SearchField, make<SearchFieldSC>},
    {ElementKind::ComboBox, make<ComboBoxSC>},
};

// The member an interface file names, of the kind of the toolkit class it extends.
template <class Member>
Ref<platform::View> named(const platform::ViewSeed& seed) {
    if constexpr (std::is_base_of_v<platform::Button, Member>)
        return std::make_shared<Member>(seed.frame, seed.buttonType);
    else if constexpr (std::is_base_of_v<platform::DatePicker, Member>)
        return std::make_shared<Member>(seed.frame, seed.datePickerStyle);
    else
        return std::make_shared<Member>(seed.frame);
}

// The members by the names an interface file gives them.
struct NamedRow {
    const char* name;
    Ref<platform::View> (*make)(const platform::ViewSeed& seed);
};

constexpr NamedRow kNamed[] = {
    {"BoxSC", named<BoxSC>},
    {"BrowserSC", named<BrowserSC>},
    {"ButtonSC", named<ButtonSC>},
    {"ColorWellSC", named<ColorWellSC>},
    {"ComboBoxSC", named<ComboBoxSC>},
    {"ComboButtonSC", named<ComboButtonSC>},
    {"DatePickerSC", named<DatePickerSC>},
    {"GridViewSC", named<GridViewSC>},
    {"ImageViewSC", named<ImageViewSC>},
    {"LevelIndicatorSC", named<LevelIndicatorSC>},
    {"OutlineViewSC", named<OutlineViewSC>},
    {"PathControlSC", named<PathControlSC>},
    {"PopUpButtonSC", named<PopUpButtonSC>},
    {"PredicateEditorSC", named<PredicateEditorSC>},
    {"ProgressIndicatorSC", named<ProgressIndicatorSC>},
    {"ScrollViewSC", named<ScrollViewSC>},
    {"SearchFieldSC", named<SearchFieldSC>},
    {"SecureTextFieldSC", named<SecureTextFieldSC>},
    {"SegmentedControlSC", named<SegmentedControlSC>},
    {"SliderSC", named<SliderSC>},
    {"SplitViewSC", named<SplitViewSC>},
    {"StackViewSC", named<StackViewSC>},
    {"StepperSC", named<StepperSC>},
    {"SwitchSC", named<SwitchSC>},
    {"TabViewSC", named<TabViewSC>},
    {"TableViewSC", named<TableViewSC>},
    {"TextFieldSC", named<TextFieldSC>},
    {"TextInsertionIndicatorSC", named<TextInsertionIndicatorSC>},
    {"TokenFieldSC", named<TokenFieldSC>},
    {"TextViewSC", named<TextViewSC>},
    {"ViewSC", named<ViewSC>},
    {"VisualEffectViewSC", named<VisualEffectViewSC>},
};

template <class W>
Ref<platform::Window> makeWindow(platform::Rect contentRect, std::uint64_t styleMask) {
    return std::make_shared<W>(contentRect, styleMask);
}

} // namespace

void ElementClassesRegister() {
    for (const NamedRow& row : kNamed)
        platform::InterfaceClasses::registerView(row.name, row.make);
    platform::InterfaceClasses::registerWindow("WindowSC", makeWindow<WindowSC>);
    platform::InterfaceClasses::registerWindow("PanelSC", makeWindow<PanelSC>);
}

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
            if (const auto well = control->as<platform::ColorWell>()) {
                well->setPulldownTarget(CUI_ColorWellPulldownTarget::shared());
                well->setPulldownAction(CUI_ColorWellPulldownTarget::actionSelector());
            }
        } else {
            element->setIdentifier(platform::String::fromUtf8(std::to_string(viewTag)));
        }
        window->contentView()->addSubview(element);
        return element;
    }
    return nullptr;
}
