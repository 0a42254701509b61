#include "platform/testing/DesktopServices.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>

namespace platform::testing {

namespace {

class MailProgram : public QObject {
    Q_OBJECT
public:
    explicit MailProgram(std::vector<MailCatcher::Mail>& mails) : mails_(mails) {}

public slots:
    void open(const QUrl& url) {
        const QUrlQuery query(url);
        mails_.push_back(
            {url.path(QUrl::FullyDecoded).toStdString(),
             query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded).toStdString(),
             query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded).toStdString()});
    }

private:
    std::vector<MailCatcher::Mail>& mails_;
};

MailProgram*& program() {
    static MailProgram* shown = nullptr;
    return shown;
}

} // namespace

MailCatcher::MailCatcher() {
    program() = new MailProgram(mails_);
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), program(), "open");
}

MailCatcher::~MailCatcher() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    delete program();
    program() = nullptr;
}

std::string clipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

void setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

} // namespace platform::testing

#include "DesktopServices.moc"
