#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

class PrintInfo;
class Window;

// The page setup dialog: the user chooses the paper, its orientation and the margins of a print
// info. OK writes the choice into the info; Cancel leaves it as it was.
class PageLayout : public Object {
public:
    PageLayout();
    ~PageLayout() override;
    static Ref<PageLayout> pageLayout();

    // The info of the current or last run.
    Ref<PrintInfo> printInfo() const { return printInfo_; }

    // Application-modal; answers ModalResponse::OK or ModalResponse::Cancel.
    std::int64_t runModalWithPrintInfo(const Ref<PrintInfo>& info);
    // With the shared print info.
    std::int64_t runModal();
    // Over the window, blocking input to it only, and returns at once; the handler gets the
    // response from the event loop. Does nothing while the dialog is up.
    void beginSheetWithPrintInfoModalForWindow(const Ref<PrintInfo>& info,
                                               const Ref<Window>& window,
                                               std::function<void(std::int64_t)> handler);

private:
    struct Dialog;
    std::int64_t finish(bool accepted);

    Ref<PrintInfo> printInfo_;
    std::unique_ptr<Dialog> dialog_;
};

} // namespace platform
