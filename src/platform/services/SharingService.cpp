#include "platform/services/SharingService.h"

#include "platform/app/Application.h"
#include "platform/detail/QtStrings.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/SavePanel.h"
#include "platform/services/SharingServiceDelegate.h"
#include "platform/windows/Window.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

#include <cerrno>
#include <optional>

namespace platform {

namespace {

Ref<Error> sharingError(std::int64_t code) {
    return Error::errorWithDomainCodeUserInfo(SharingErrorDomain(), code, nullptr);
}

// The items as one text, a line each; none when an item is neither a string nor a URL.
std::optional<QString> textOf(const Ref<Array>& items) {
    if (!items || items->count() == 0)
        return std::nullopt;
    QStringList lines;
    for (const auto& item : *items) {
        if (const auto string = item->as<String>())
            lines << detail::toQString(string);
        else if (const auto url = item->as<URL>())
            lines << detail::toQString(url->absoluteString());
        else
            return std::nullopt;
    }
    return lines.join('\n');
}

} // namespace

Ref<String> SharingErrorDomain() {
    static const auto domain = String::fromUtf8("SharingErrorDomain");
    return domain;
}

Ref<String> SharingServiceNameCopyToClipboard() {
    static const auto name = String::fromUtf8("io.github.pondaro.share.copy");
    return name;
}

Ref<String> SharingServiceNameComposeEmail() {
    static const auto name = String::fromUtf8("io.github.pondaro.share.email");
    return name;
}

Ref<String> SharingServiceNameSaveToFile() {
    static const auto name = String::fromUtf8("io.github.pondaro.share.save");
    return name;
}

SharingService::SharingService(Kind kind, Ref<String> name, Ref<String> title)
    : kind_(kind), name_(std::move(name)), title_(std::move(title)) {}

Ref<SharingService> SharingService::sharingServiceNamed(const String& name) {
    const struct {
        Kind kind;
        Ref<String> name;
        const char* title;
    } services[] = {
        {Kind::Copy, SharingServiceNameCopyToClipboard(), "Copy"},
        {Kind::Email, SharingServiceNameComposeEmail(), "Email"},
        {Kind::Save, SharingServiceNameSaveToFile(), "Save to File\u2026"},
    };
    for (const auto& service : services)
        if (service.name->isEqual(name))
            return Ref<SharingService>(
                new SharingService(service.kind, service.name, String::fromUtf8(service.title)));
    return nullptr;
}

Ref<Array> SharingService::sharingServicesForItems(const Ref<Array>& items) {
    const auto services = Array::array();
    for (const auto& name : {SharingServiceNameCopyToClipboard(), SharingServiceNameComposeEmail(),
                             SharingServiceNameSaveToFile()}) {
        const auto service = sharingServiceNamed(*name);
        if (service->canPerformWithItems(items))
            services->addObject(service);
    }
    return services;
}

bool SharingService::canPerformWithItems(const Ref<Array>& items) const {
    return textOf(items).has_value();
}

void SharingService::finish(const Ref<Array>& items, const Ref<Object>& error) {
    const auto listener = delegate_.lock();
    if (!listener)
        return;
    const auto keep = std::static_pointer_cast<SharingService>(self());
    if (error)
        listener->sharingServiceDidFailToShareItemsError(keep, items,
                                                         std::static_pointer_cast<Error>(error));
    else
        listener->sharingServiceDidShareItems(keep, items);
}

void SharingService::performWithItems(const Ref<Array>& items) {
    const auto text = textOf(items);
    if (!text)
        return;
    Application::shared();
    const auto keep = std::static_pointer_cast<SharingService>(self());
    const auto listener = delegate_.lock();
    std::int64_t scope = 0;
    Ref<Window> source;
    if (listener) {
        source = listener->sharingServiceSourceWindowForShareItemsSharingContentScope(keep, items,
                                                                                      &scope);
        listener->sharingServiceWillShareItems(keep, items);
    }
    if (kind_ == Kind::Copy) {
        QGuiApplication::clipboard()->setText(*text);
        return finish(items, nullptr);
    }
    if (kind_ == Kind::Email) {
        QStringList to;
        if (recipients_)
            for (const auto& recipient : *recipients_)
                if (const auto address = recipient->as<String>())
                    to << detail::toQString(address);
        QUrl mail;
        mail.setScheme(QStringLiteral("mailto"));
        mail.setPath(to.join(','));
        QUrlQuery query;
        if (subject_)
            query.addQueryItem(QStringLiteral("subject"), detail::toQString(subject_));
        query.addQueryItem(QStringLiteral("body"), *text);
        mail.setQuery(query);
        return finish(items, QDesktopServices::openUrl(mail) ? nullptr
                                                             : sharingError(SharingErrorNoProgram));
    }
    const auto panel = SavePanel::savePanel();
    panel->setNameFieldStringValue(String::fromUtf8("Shared.txt"));
    // The panel opens where the user keeps documents, not wherever the last panel was.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    panel->setDirectoryURL(URL::fileURLWithPath(
        *detail::fromQString(QDir(documents).exists() ? documents : QDir::homePath())));
    const QString content = *text;
    const auto save = [keep, items, panel, content](std::int64_t response) {
        if (response != ModalResponse::OK)
            return keep->finish(items, sharingError(SharingErrorUserCancelled));
        QFile file(detail::toQString(panel->URL()->path()));
        const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                             file.write(content.toUtf8()) >= 0 && file.flush();
        const int number = errno;
        keep->finish(items, written ? nullptr
                                    : Error::errorWithDomainCodeUserInfo(
                                          POSIXErrorDomain(), number ? number : EIO, nullptr));
    };
    if (source)
        panel->beginSheetModalForWindowCompletionHandler(source, save);
    else
        save(panel->runModal());
}

} // namespace platform
