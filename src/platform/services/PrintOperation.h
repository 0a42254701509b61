#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <functional>

namespace platform {

class PrintInfo;
class String;
class View;
class Window;

// Prints a view on as many pages as its height needs, each page showing the next strip of the
// view from its top, at one point to the point. The view's own drawing is printed; its subviews
// are not.
class PrintOperation : public Object {
public:
    // The operation keeps a copy of the print information (the shared one when none is given).
    static Ref<PrintOperation>
    printOperationWithViewPrintInfo(const Ref<View>& view, const Ref<PrintInfo>& info = nullptr);

    Ref<View> view() const { return view_; }
    Ref<PrintInfo> printInfo() const { return printInfo_; }
    // Whether a job for a printer first lets the user choose the printer and the pages; a job
    // saved to a file never shows the panel.
    bool showsPrintPanel() const { return showsPrintPanel_; }
    void setShowsPrintPanel(bool shows) { showsPrintPanel_ = shows; }
    Ref<String> jobTitle() const { return jobTitle_; }
    void setJobTitle(Ref<String> title) { jobTitle_ = std::move(title); }
    // The pages the view needs with the current print information.
    std::int64_t pageCount() const;

    // Prints now: to the print information's job saving URL as a PDF file when it has one, else
    // to the printer the user chooses. True when the job was printed; false when the user
    // cancelled or the file or printer could not be written.
    bool runOperation();
    // Prints at the next pass of the event loop and gives the handler the result there.
    void runOperationModalForWindowCompletionHandler(const Ref<Window>& window,
                                                     std::function<void(bool success)> handler);

private:
    Ref<View> view_;
    Ref<PrintInfo> printInfo_;
    bool showsPrintPanel_ = true;
    Ref<String> jobTitle_;
};

} // namespace platform
