#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

class Array;
class OpenSavePanelDelegate;
class String;
class URL;
class Window;
namespace detail {
class FileDialog;
}

// The panel in which the user chooses where to save a file: a name field over a browser of the
// file system. The panel reads its properties each time it is shown and, once the user has
// chosen, holds the choice (URL, the directory and the name) until it is shown again.
class SavePanel : public Object {
public:
    SavePanel();
    ~SavePanel() override;
    static Ref<SavePanel> savePanel();

    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title) { title_ = std::move(title); }
    // The title of the button that chooses; none for the panel's own ("Save", "Open").
    Ref<String> prompt() const { return prompt_; }
    void setPrompt(Ref<String> prompt) { prompt_ = std::move(prompt); }
    // The label in front of the name field; none for the panel's own.
    Ref<String> nameFieldLabel() const { return nameFieldLabel_; }
    void setNameFieldLabel(Ref<String> label) { nameFieldLabel_ = std::move(label); }
    Ref<String> nameFieldStringValue() const { return nameFieldStringValue_; }
    void setNameFieldStringValue(Ref<String> name) { nameFieldStringValue_ = std::move(name); }
    // The directory shown first; none for the current directory.
    Ref<platform::URL> directoryURL() const { return directoryURL_; }
    void setDirectoryURL(Ref<platform::URL> url) { directoryURL_ = std::move(url); }
    // The file name extensions (strings without the dot) the list shows; none or empty for all.
    // A save panel adds the first to a name typed without one.
    Ref<Array> allowedFileTypes() const { return allowedFileTypes_; }
    void setAllowedFileTypes(Ref<Array> types) { allowedFileTypes_ = std::move(types); }
    bool canCreateDirectories() const { return canCreateDirectories_; }
    void setCanCreateDirectories(bool can) { canCreateDirectories_ = can; }
    bool showsHiddenFiles() const { return showsHiddenFiles_; }
    void setShowsHiddenFiles(bool shows) { showsHiddenFiles_ = shows; }
    // Whether the file list is in its detailed form, as the user left it.
    bool isExpanded() const { return expanded_; }

    std::shared_ptr<OpenSavePanelDelegate> delegate() const { return delegate_.lock(); }
    // Not owned, as delegates are not.
    void setDelegate(const std::shared_ptr<OpenSavePanelDelegate>& delegate) {
        delegate_ = delegate;
    }

    // The item chosen when the panel last ended with OK, or none.
    Ref<platform::URL> URL() const;

    // Shows the panel as an application-modal dialog and processes events until the user
    // chooses (ModalResponse::OK) or cancels (ModalResponse::Cancel).
    std::int64_t runModal();
    // Shows the panel over the window, blocking input to that window only, and returns at once;
    // the handler gets the response from the event loop once the user has chosen or cancelled.
    // The window's delegate hears windowWillBeginSheet and windowDidEndSheet as for an alert.
    // Does nothing while the panel's sheet is up.
    void beginSheetModalForWindowCompletionHandler(const Ref<Window>& window,
                                                   std::function<void(std::int64_t)> handler);

protected:
    // Sets the dialog up for the kind of panel: saving here, opening in OpenPanel.
    virtual void prepare(detail::FileDialog& dialog) const;
    const std::vector<Ref<platform::URL>>& chosenURLs() const { return urls_; }

private:
    friend class detail::FileDialog;
    struct Sheet;

    // Keeps what the dialog ended with.
    void takeChoice(const detail::FileDialog& dialog, std::int64_t response);

    Ref<String> title_;
    Ref<String> prompt_;
    Ref<String> nameFieldLabel_;
    Ref<String> nameFieldStringValue_;
    Ref<platform::URL> directoryURL_;
    Ref<Array> allowedFileTypes_;
    bool canCreateDirectories_ = true;
    bool showsHiddenFiles_ = false;
    bool expanded_ = false;
    std::weak_ptr<OpenSavePanelDelegate> delegate_;
    std::vector<Ref<platform::URL>> urls_;
    std::unique_ptr<Sheet> sheet_;
};

} // namespace platform
