#pragma once

#include "platform/foundation/Selector.h"
#include "platform/views/Control.h"

#include <cstdint>
#include <vector>

namespace platform {

class MenuItem;
class PathControlDelegate;
class URL;

// How a path control shows its path, with the framework's values.
enum class PathStyle : std::int64_t {
    Standard = 0, // every component in a row, from the root to the last
    PopUp = 2,    // the last component only; a click lists all of them and "Choose…"
};

// One component of the path a path control shows: its name and the URL up to it.
class PathControlItem : public Object {
public:
    PathControlItem(Ref<String> title, Ref<platform::URL> url)
        : title_(std::move(title)), url_(std::move(url)) {}

    Ref<String> title() const { return title_; }
    Ref<platform::URL> URL() const { return url_; }

private:
    Ref<String> title_;
    Ref<platform::URL> url_;
};

// A breadcrumb of a file URL: the directories leading to it and its own name, each with the icon
// the desktop's icon theme gives it. Clicking a component makes it the clicked item and sends
// the action (a double click the double action). In the pop-up style a click lists the
// components with "Choose…", which asks for another file in an open panel. Files dropped on the
// control replace its URL. The user's changes of the URL send the action; the program's do not.
class PathControl : public Control {
public:
    explicit PathControl(Rect frame = {});
    ~PathControl() override;

    // A URL that is not a file URL shows nothing.
    Ref<platform::URL> URL() const { return url_; }
    void setURL(Ref<platform::URL> url);
    PathStyle pathStyle() const { return style_; }
    void setPathStyle(PathStyle style);
    // The components, from the root to the URL itself.
    const std::vector<Ref<PathControlItem>>& pathItems() const { return items_; }
    // The component the user last clicked or chose; none once the URL changes.
    Ref<PathControlItem> clickedPathItem() const { return clicked_; }
    Selector doubleAction() const { return doubleAction_; }
    void setDoubleAction(Selector action) { doubleAction_ = std::move(action); }
    // Held weakly, as the framework holds delegates.
    Ref<PathControlDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const Ref<PathControlDelegate>& delegate) { delegate_ = delegate; }

    void setEnabled(bool enabled) override;
    // The value is the URL's path; a path control holds no number.
    double doubleValue() const override { return 0; }
    void setDoubleValue(double) override {}
    Ref<String> stringValue() const override;
    void setStringValue(const Ref<String>& string) override;

    // The pop-up style's list: the components from the last to the root, then "Choose…".
    void showPopUp();
    // Asks for a file in an open panel; a chosen file becomes the URL and sends the action.
    void chooseInOpenPanel();

    std::uint64_t draggingEntered(const Ref<DraggingInfo>& sender) override;
    bool performDragOperation(const Ref<DraggingInfo>& sender) override;

    // Internal to the platform: the toolkit side of the control.
    struct Toolkit;

private:
    void rebuild();
    void userClicked(std::size_t index, bool twice);
    void componentChosen(const Ref<MenuItem>& item);
    void chooseChosen(const Ref<MenuItem>& item);
    void userChangedURL(Ref<platform::URL> url);

    std::unique_ptr<Toolkit> toolkit_;
    Ref<platform::URL> url_;
    PathStyle style_ = PathStyle::Standard;
    std::vector<Ref<PathControlItem>> items_;
    Ref<PathControlItem> clicked_;
    Selector doubleAction_;
    WeakRef<PathControlDelegate> delegate_;
};

} // namespace platform
