// What loading a window from an interface file costs: a generated file of 1,000 controls of eight
// kinds, each with its text or value, loaded by the interface-file reader, against building the
// same 1,000 controls with the same settings in code, and against the toolkit's own loader
// building plain toolkit widgets from the same file. Reported as ratios.

#include "platform/app/Application.h"
#include "platform/app/InterfaceFile.h"
#include "platform/foundation/String.h"
#include "platform/testing/QtFormBaseline.h"
#include "platform/views/TextField.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/PopUpButton.h"
#include "platform/views/controls/ProgressIndicator.h"
#include "platform/views/controls/Slider.h"
#include "platform/views/controls/Stepper.h"
#include "platform/windows/Window.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <string>

using platform::Ref;

namespace {

constexpr int kControls = 1000;
constexpr int kColumns = 20;
constexpr double kWidth = kColumns * 60;
constexpr double kHeight = (kControls / kColumns) * 24;

platform::Rect frameOf(int i) {
    return {(i % kColumns) * 60.0, kHeight - (i / kColumns) * 24.0 - 22, 58, 22};
}

// The widget of control i, as the designer writes it.
std::string widgetXml(int i) {
    static const char* const kinds[] = {
        R"(<widget class="QPushButton"><property name="text"><string>OK</string></property>)",
        R"(<widget class="QCheckBox"><property name="text"><string>On</string></property><property name="checked"><bool>true</bool></property>)",
        R"(<widget class="QLineEdit"><property name="text"><string>text</string></property>)",
        R"(<widget class="QLabel"><property name="text"><string>Label</string></property>)",
        R"(<widget class="QSlider"><property name="maximum"><number>10</number></property><property name="value"><number>4</number></property>)",
        R"(<widget class="QComboBox"><item><property name="text"><string>A</string></property></item><item><property name="text"><string>B</string></property></item>)",
        R"(<widget class="QProgressBar"><property name="value"><number>30</number></property>)",
        R"(<widget class="QSpinBox"><property name="value"><number>3</number></property>)",
    };
    const platform::Rect frame = frameOf(i);
    const int top = static_cast<int>(kHeight - frame.maxY());
    return std::string(kinds[i % 8]) + "<property name=\"geometry\"><rect><x>" +
           std::to_string(static_cast<int>(frame.minX())) + "</x><y>" + std::to_string(top) +
           "</y><width>58</width><height>22</height></rect></property></widget>\n";
}

const std::string& file() {
    static const std::string xml = [] {
        std::string made = "<ui version=\"4.0\"><widget class=\"QWidget\" name=\"w\">"
                           "<property name=\"geometry\"><rect><x>0</x><y>0</y><width>" +
                           std::to_string(static_cast<int>(kWidth)) + "</width><height>" +
                           std::to_string(static_cast<int>(kHeight)) +
                           "</height></rect></property>";
        for (int i = 0; i < kControls; ++i)
            made += widgetXml(i);
        return made + "</widget></ui>";
    }();
    return xml;
}

Ref<platform::View> control(int i) {
    using namespace platform;
    const Rect frame = frameOf(i);
    switch (i % 8) {
    case 0: {
        auto button = std::make_shared<Button>(frame);
        button->setTitle(String::fromUtf8("OK"));
        return button;
    }
    case 1: {
        auto box = std::make_shared<Button>(frame, ButtonType::Switch);
        box->setTitle(String::fromUtf8("On"));
        box->setState(ControlStateValue::On);
        return box;
    }
    case 2: {
        auto field = std::make_shared<TextField>(frame);
        field->setStringValue(String::fromUtf8("text"));
        return field;
    }
    case 3: {
        auto label = TextField::labelWithString(String::fromUtf8("Label"));
        label->setFrame(frame);
        return label;
    }
    case 4: {
        auto slider = std::make_shared<Slider>(frame);
        slider->setMaxValue(10);
        slider->setDoubleValue(4);
        return slider;
    }
    case 5: {
        auto popUp = std::make_shared<PopUpButton>(frame);
        popUp->addItemWithTitle(String::fromUtf8("A"));
        popUp->addItemWithTitle(String::fromUtf8("B"));
        return popUp;
    }
    case 6: {
        auto bar = std::make_shared<ProgressIndicator>(frame);
        bar->setIndeterminate(false);
        bar->setDoubleValue(30);
        return bar;
    }
    default: {
        auto stepper = std::make_shared<Stepper>(frame);
        stepper->setDoubleValue(3);
        return stepper;
    }
    }
}

void builtInCode(benchmark::State& state) {
    for (auto _ : state) {
        const auto window = std::make_shared<platform::Window>(
            platform::Rect{0, 0, kWidth, kHeight}, platform::WindowStyleMask::Titled);
        for (int i = 0; i < kControls; ++i)
            window->contentView()->addSubview(control(i));
        benchmark::DoNotOptimize(window->contentView()->subviews().size());
    }
}

void loadedFromFile(benchmark::State& state) {
    const auto name = platform::String::fromUtf8("controls.ui");
    for (auto _ : state) {
        const auto load = platform::InterfaceFile::loadBytes(file(), *name);
        if (load.error || load.objects.size() != kControls + 2)
            state.SkipWithError("the generated file did not load");
        benchmark::DoNotOptimize(load.objects.size());
    }
}

void toolkitLoader(benchmark::State& state) {
    for (auto _ : state)
        if (platform::testing::QtFormBaseline::load(file()) != kControls + 1)
            state.SkipWithError("the toolkit's loader did not load the generated file");
}

BENCHMARK(builtInCode)->Unit(benchmark::kMillisecond);
BENCHMARK(loadedFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(toolkitLoader)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    platform::Application::shared();
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    RatioReporter::printRatio("1,000 controls loaded from a file against built in code",
                              reporter.time("loadedFromFile"), reporter.time("builtInCode"));
    RatioReporter::printRatio("1,000 controls loaded from a file against the toolkit's loader",
                              reporter.time("loadedFromFile"), reporter.time("toolkitLoader"));
    return 0;
}
