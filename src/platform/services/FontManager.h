#pragma once

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

#include <memory>

namespace platform {

class Font;

// The application's font manager and its font panel: the user picks a family or a size in the
// panel, and each pick sends the manager's action ("changeFont:") to its target with the manager
// as the sender; the target asks convertFont to apply the pick to the font it holds.
class FontManager : public Object {
public:
    FontManager();
    ~FontManager() override;
    static Ref<FontManager> sharedFontManager();

    Ref<Object> target() const { return target_.lock(); }
    // Not kept alive.
    void setTarget(const Ref<Object>& target) { target_ = target; }
    Selector action() const { return action_; }
    void setAction(Selector action) { action_ = std::move(action); }

    // The font the panel shows; setting it sends nothing.
    void setSelectedFont(const Ref<Font>& font);
    Ref<Font> selectedFont() const { return selected_; }
    // The font with the user's last pick applied: the family picked keeps the font's size, the
    // size picked keeps its family.
    Ref<Font> convertFont(const Ref<Font>& font) const;

    void orderFrontFontPanel();
    void orderOutFontPanel();

private:
    struct Panel;
    enum class Pick { Nothing, Family, Size };

    WeakRef<Object> target_;
    Selector action_;
    Ref<Font> selected_;
    Pick lastPick_ = Pick::Nothing;
    bool programmatic_ = false;
    std::unique_ptr<Panel> panel_;
};

} // namespace platform
