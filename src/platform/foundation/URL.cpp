#include "platform/foundation/URL.h"

#include "platform/foundation/String.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <functional>

namespace platform {

namespace {

QString toQString(const std::u16string& units) {
    return QString::fromStdU16String(units);
}

std::u16string withoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path.toStdU16String();
}

} // namespace

URL::URL(std::u16string absolute, std::u16string path, bool file)
    : absolute_(std::move(absolute)), path_(std::move(path)), file_(file) {}

Ref<URL> URL::fileURLWithPath(const String& path) {
    const QString given = toQString(path.utf16());
    QString absolute =
        QDir::isAbsolutePath(given) ? given : QDir::current().absoluteFilePath(given);
    if (!absolute.endsWith(u'/') && QFileInfo(absolute).isDir())
        absolute += u'/';
    const QString text = QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded);
    return Ref<URL>(new URL(text.toStdU16String(), withoutTrailingSlash(absolute), true));
}

Ref<URL> URL::URLWithString(const String& string) {
    const QString text = toQString(string.utf16());
    const QUrl url(text, QUrl::StrictMode);
    if (text.isEmpty() || !url.isValid())
        return nullptr;
    const QString path = url.isLocalFile() ? url.toLocalFile() : url.path(QUrl::FullyDecoded);
    return Ref<URL>(new URL(string.utf16(), withoutTrailingSlash(path), url.isLocalFile()));
}

Ref<String> URL::absoluteString() const {
    return String::create(absolute_);
}

Ref<String> URL::path() const {
    return String::create(path_);
}

Ref<String> URL::lastPathComponent() const {
    return path()->lastPathComponent();
}

Ref<String> URL::pathExtension() const {
    return path()->pathExtension();
}

Ref<URL> URL::URLByAppendingPathComponent(const String& component) const {
    const Ref<String> joined = path()->stringByAppendingPathComponent(component);
    if (file_)
        return fileURLWithPath(*joined);
    QUrl url(toQString(absolute_));
    QString newPath = toQString(joined->utf16());
    // A URL with a host needs an absolute path ("http://host" + "a" is "http://host/a").
    if (!url.authority().isEmpty() && !newPath.startsWith(u'/'))
        newPath.prepend(u'/');
    url.setPath(newPath, QUrl::DecodedMode);
    return URLWithString(*String::create(url.toString(QUrl::FullyEncoded).toStdU16String()));
}

Ref<String> URL::description() const {
    return absoluteString();
}

bool URL::isEqual(const Object& other) const {
    const auto* url = dynamic_cast<const URL*>(&other);
    return url && url->absolute_ == absolute_;
}

std::size_t URL::hash() const {
    return std::hash<std::u16string>{}(absolute_);
}

} // namespace platform
