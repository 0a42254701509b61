#include "platform/app/InterfaceClasses.h"

#include <map>
#include <string>

namespace platform {

namespace {

struct Registry {
    std::map<std::string, InterfaceClasses::ViewFactory, std::less<>> views;
    std::map<std::string, InterfaceClasses::WindowFactory, std::less<>> windows;
};

Registry& registry() {
    static Registry shared;
    return shared;
}

template <class Factory>
const Factory* find(const std::map<std::string, Factory, std::less<>>& factories,
                    std::string_view name) {
    const auto found = factories.find(name);
    return found == factories.end() ? nullptr : &found->second;
}

} // namespace

void InterfaceClasses::registerView(std::string_view name, ViewFactory factory) {
    registry().views.insert_or_assign(std::string(name), std::move(factory));
}

void InterfaceClasses::registerWindow(std::string_view name, WindowFactory factory) {
    registry().windows.insert_or_assign(std::string(name), std::move(factory));
}

const InterfaceClasses::ViewFactory* InterfaceClasses::viewFactory(std::string_view name) {
    return find(registry().views, name);
}

const InterfaceClasses::WindowFactory* InterfaceClasses::windowFactory(std::string_view name) {
    return find(registry().windows, name);
}

} // namespace platform
