#include "platform/app/Bundle.h"

#include "platform/app/Application.h"
#include "platform/foundation/String.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <filesystem>
#include <map>
#include <string>
#include <system_error>

namespace platform {

namespace {

// The default strings table of the framework.
constexpr const char* DefaultTable = "Localizable";

std::map<std::string, std::string, std::less<>>& infoValues() {
    static std::map<std::string, std::string, std::less<>> values;
    return values;
}

std::filesystem::path executablePath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

std::string executableName() {
    return executablePath().filename().string();
}

} // namespace

BundleInfoRegistration::BundleInfoRegistration(
    std::initializer_list<std::pair<const char*, const char*>> entries) {
    for (const auto& [key, value] : entries)
        if (key && value)
            infoValues().insert_or_assign(key, value);
}

Ref<Bundle> Bundle::main() {
    static const Ref<Bundle> instance = std::make_shared<Bundle>();
    return instance;
}

Ref<Object> Bundle::objectForInfoDictionaryKey(const Ref<String>& key) const {
    if (!key)
        return nullptr;
    const std::string name = key->utf8();
    if (const auto it = infoValues().find(name); it != infoValues().end())
        return String::fromUtf8(it->second);
    if (name == "CFBundleName")
        return String::fromUtf8(executableName());
    return nullptr;
}

Ref<String> Bundle::localizedStringForKeyValueTable(const Ref<String>& key,
                                                    const Ref<String>& value,
                                                    const Ref<String>& table) const {
    const bool hasValue = value && !value->isEmpty();
    if (!key)
        return hasValue ? value : String::create();
    const std::string context = table && !table->isEmpty() ? table->utf8() : DefaultTable;
    const QString source = QString::fromStdU16String(key->utf16());
    const std::string sourceUtf8 = source.toStdString();
    // The toolkit answers an untranslated key with the key itself, so a translation equal to
    // its key counts as none.
    const QString translated = QCoreApplication::translate(context.c_str(), sourceUtf8.c_str());
    if (translated != source)
        return String::create(translated.toStdU16String());
    return hasValue ? value : key;
}

bool Bundle::loadTranslations(const Ref<String>& directory) {
    if (!directory)
        return false;
    Application::shared();
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale::system(), QString(), QString(),
                          QString::fromStdU16String(directory->utf16())) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

Ref<String> Bundle::resourcePath() const {
    const auto executable = executablePath();
    const auto prefix = executable.parent_path().parent_path();
    return String::fromUtf8((prefix / "share" / executable.filename()).lexically_normal().string());
}

} // namespace platform
