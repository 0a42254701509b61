#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

namespace platform {

class String;
class URL;

enum class PaperOrientation : std::int64_t { Portrait = 0, Landscape = 1 };

// How a print job is laid out and where it goes. Sizes are in points (1/72 inch).
class PrintInfo : public Object {
public:
    PrintInfo();
    // The settings print operations use when given none; a program may change them.
    static Ref<PrintInfo> sharedPrintInfo();
    Ref<PrintInfo> copy() const;

    // The paper in portrait orientation; A4 by default.
    Size paperSize() const { return paperSize_; }
    void setPaperSize(Size size) { paperSize_ = size; }
    PaperOrientation orientation() const { return orientation_; }
    void setOrientation(PaperOrientation orientation) { orientation_ = orientation; }
    double topMargin() const { return margins_[0]; }
    void setTopMargin(double margin) { margins_[0] = margin; }
    double leftMargin() const { return margins_[1]; }
    void setLeftMargin(double margin) { margins_[1] = margin; }
    double bottomMargin() const { return margins_[2]; }
    void setBottomMargin(double margin) { margins_[2] = margin; }
    double rightMargin() const { return margins_[3]; }
    void setRightMargin(double margin) { margins_[3] = margin; }
    // The area inside the margins of the paper as oriented.
    Size printableSize() const;

    // The job goes to this PDF file instead of a printer; none for a printer.
    Ref<URL> jobSavingURL() const { return jobSavingURL_; }
    void setJobSavingURL(Ref<URL> url) { jobSavingURL_ = std::move(url); }

private:
    Size paperSize_{595, 842};
    PaperOrientation orientation_ = PaperOrientation::Portrait;
    double margins_[4] = {72, 72, 72, 72};
    Ref<URL> jobSavingURL_;
};

} // namespace platform
