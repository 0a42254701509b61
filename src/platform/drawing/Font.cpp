#include "platform/drawing/Font.h"

#include "platform/detail/FontPeer.h"
#include "platform/foundation/String.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace platform {

namespace {

int pixelSize(double size) {
    return std::max(1, static_cast<int>(std::lround(size)));
}

} // namespace

Font::Font(std::unique_ptr<Peer> peer) : peer_(std::move(peer)) {}

Font::~Font() = default;

Ref<Font> Font::fontWithNameSize(const String& name, double size) {
    QString family = QString::fromStdU16String(name.utf16());
    if (family == QLatin1String("Menlo"))
        family = QStringLiteral("DejaVu Sans Mono");
    if (!QFontDatabase::families().contains(family))
        return nullptr;
    QFont qfont(family);
    qfont.setPixelSize(pixelSize(size));
    auto font = std::make_shared<Font>(std::make_unique<Peer>(qfont));
    font->name_ = String::create(name.utf16());
    font->size_ = size;
    return font;
}

Ref<Font> Font::systemFontOfSize(double size) {
    QFont qfont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    qfont.setPixelSize(pixelSize(size));
    auto font = std::make_shared<Font>(std::make_unique<Peer>(qfont));
    font->name_ = String::create(qfont.family().toStdU16String());
    font->size_ = size;
    return font;
}

Ref<String> Font::familyName() const {
    return String::create(peer_->font.family().toStdU16String());
}

double Font::ascender() const {
    return peer_->metrics.ascent();
}

double Font::descender() const {
    return -peer_->metrics.descent();
}

double Font::leading() const {
    return std::max(0.0, peer_->metrics.leading());
}

Ref<String> Font::description() const {
    char size[32];
    std::snprintf(size, sizeof size, " %gpt", size_);
    return String::fromUtf8(name_->utf8() + size);
}

bool Font::isEqual(const Object& other) const {
    const auto* font = dynamic_cast<const Font*>(&other);
    return font && font->size_ == size_ && font->name_->isEqual(*name_);
}

std::size_t Font::hash() const {
    return name_->hash() ^ std::hash<double>()(size_);
}

} // namespace platform
