#pragma once

#include "platform/foundation/Object.h"

#include <initializer_list>
#include <utility>

namespace platform {

class String;

// Embeds information values in an executable: one static instance in the executable's own
// sources (the build generates it) registers them before the program starts.
class BundleInfoRegistration {
public:
    BundleInfoRegistration(std::initializer_list<std::pair<const char*, const char*>> entries);
};

// The application's resources: its information values and its strings tables. A strings table
// is a translation context of the toolkit, so a key nothing translates comes back unchanged.
class Bundle : public Object {
public:
    static Ref<Bundle> main();

    // The information value for the key, or none. Without an embedded "CFBundleName" the name
    // is the executable's file name.
    Ref<Object> objectForInfoDictionaryKey(const Ref<String>& key) const;

    // The key's translation in the table ("Localizable" when none is given). When nothing
    // translates the key, the value if it is given and not empty, else the key itself.
    Ref<String> localizedStringForKeyValueTable(const Ref<String>& key, const Ref<String>& value,
                                                const Ref<String>& table) const;

    // Installs the translations for the user's locale from the directory, whose files are
    // named for the locale ("de_DE.qm", "de.qm"). Answers whether a file was found.
    static bool loadTranslations(const Ref<String>& directory);

    // The folder of the application's installed resources, laid out the GNU way: for an
    // executable <prefix>/bin/name it is <prefix>/share/name. Whether it exists is not checked.
    Ref<String> resourcePath() const;
};

} // namespace platform
