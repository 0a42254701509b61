#include "platform/app/Workspace.h"

#include "platform/app/Application.h"
#include "platform/foundation/String.h"

#include <QMimeDatabase>

namespace platform {

Ref<Workspace> Workspace::sharedWorkspace() {
    static const Ref<Workspace> workspace = std::make_shared<Workspace>();
    return workspace;
}

Ref<String> Workspace::typeOfFile(const String& path) const {
    if (path.isEmpty())
        return nullptr;
    Application::shared();
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromStdU16String(path.utf16()));
    return String::create(type.name().toStdU16String());
}

bool Workspace::typeConformsToType(const String& type, const String& conformsTo) const {
    const QMimeDatabase database;
    const QMimeType mime = database.mimeTypeForName(QString::fromStdU16String(type.utf16()));
    if (!mime.isValid())
        return type.isEqual(conformsTo);
    return mime.inherits(QString::fromStdU16String(conformsTo.utf16()));
}

} // namespace platform
