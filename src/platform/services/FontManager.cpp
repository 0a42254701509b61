#include "platform/services/FontManager.h"

#include "platform/app/Application.h"
#include "platform/detail/FontPeer.h"
#include "platform/detail/ModalInputFilter.h"
#include "platform/detail/QtStrings.h"
#include "platform/drawing/Font.h"
#include "platform/foundation/String.h"

#include <QFontDialog>

namespace platform {

struct FontManager::Panel {
    QFontDialog dialog;
};

FontManager::FontManager() : selected_(Font::systemFontOfSize(12)) {
    Application::shared();
    panel_ = std::make_unique<Panel>();
    QFontDialog& dialog = panel_->dialog;
    dialog.setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::NoButtons);
    dialog.setWindowTitle(QStringLiteral("Fonts"));
    // A shared panel serves the user while an alert or another modal run waits.
    dialog.setProperty(detail::kWorksWhenModalProperty, true);
    QObject::connect(&dialog, &QFontDialog::currentFontChanged, &dialog, [this](const QFont& font) {
        if (programmatic_)
            return;
        const auto picked =
            Font::fontWithNameSize(*detail::fromQString(font.family()), font.pointSizeF());
        if (!picked)
            return;
        lastPick_ =
            picked->familyName()->isEqual(*selected_->familyName()) ? Pick::Size : Pick::Family;
        selected_ = picked;
        const auto keep = self();
        if (const auto receiver = target())
            action_.performOn(*receiver, keep);
    });
}

FontManager::~FontManager() = default;

Ref<FontManager> FontManager::sharedFontManager() {
    // Never destroyed, as the application is not: its panel must not be torn down by static
    // destruction.
    static const auto* manager = new Ref<FontManager>(std::make_shared<FontManager>());
    return *manager;
}

void FontManager::setSelectedFont(const Ref<Font>& font) {
    if (!font)
        return;
    selected_ = font;
    lastPick_ = Pick::Nothing;
    programmatic_ = true;
    panel_->dialog.setCurrentFont(font->peer().font);
    programmatic_ = false;
}

Ref<Font> FontManager::convertFont(const Ref<Font>& font) const {
    if (!font)
        return nullptr;
    switch (lastPick_) {
    case Pick::Family:
        if (auto converted = Font::fontWithNameSize(*selected_->familyName(), font->pointSize()))
            return converted;
        return font;
    case Pick::Size:
        if (auto converted = Font::fontWithNameSize(*font->fontName(), selected_->pointSize()))
            return converted;
        return font;
    case Pick::Nothing:
        return font;
    }
    return font;
}

void FontManager::orderFrontFontPanel() {
    panel_->dialog.show();
    panel_->dialog.raise();
    panel_->dialog.activateWindow();
}

void FontManager::orderOutFontPanel() {
    panel_->dialog.hide();
}

} // namespace platform
