#pragma once

#include "platform/views/Control.h"

#include <cstdint>
#include <vector>

namespace platform {

class Image;

// How a segmented control's segments keep their selection, with the framework's values.
enum class SegmentSwitchTracking : std::int64_t {
    SelectOne = 0, // one segment at a time, like radio buttons
    SelectAny = 1, // each segment on or off, like check boxes
    Momentary = 2, // none stays selected: a click only reports its segment
};

// A row of segments, each with a label or an image. A click on an enabled segment selects it
// as the tracking mode says and sends the action; Tab reaches the segments and Space presses
// the focused one; with one selected segment the arrow keys move the selection. The value is
// the selected segment: in SelectAny mode the lowest one selected, in Momentary mode the one
// last clicked; -1 for none. A new control has no segments and selects one segment at a time.
class SegmentedControl : public Control {
public:
    explicit SegmentedControl(Rect frame = {});
    ~SegmentedControl() override;

    std::int64_t segmentCount() const;
    // New segments are empty and enabled; segments beyond the count go.
    void setSegmentCount(std::int64_t count);
    SegmentSwitchTracking trackingMode() const { return tracking_; }
    void setTrackingMode(SegmentSwitchTracking mode);

    // The per-segment accessors ignore a segment out of range and answer none, NO or -1 for it.
    Ref<String> labelForSegment(std::int64_t segment) const;
    void setLabel(const Ref<String>& label, std::int64_t segment);
    Ref<Image> imageForSegment(std::int64_t segment) const;
    void setImage(const Ref<Image>& image, std::int64_t segment);
    bool isEnabledForSegment(std::int64_t segment) const;
    void setEnabled(bool enabled, std::int64_t segment);
    bool isSelectedForSegment(std::int64_t segment) const;
    // Selecting a segment in SelectOne mode deselects the others.
    void setSelected(bool selected, std::int64_t segment);
    std::int64_t selectedSegment() const;
    // Selects the segment only (in SelectOne mode), or none for -1.
    void setSelectedSegment(std::int64_t segment);

    double doubleValue() const override { return static_cast<double>(selectedSegment()); }
    void setDoubleValue(double value) override;
    bool acceptsFirstResponder() const override { return true; }
    void setEnabled(bool enabled) override;

    // Internal to the platform: the toolkit side of the control.
    struct Toolkit;

private:
    struct Segment;
    bool inRange(std::int64_t segment) const;
    void userClicked(std::int64_t segment);

    std::unique_ptr<Toolkit> toolkit_;
    std::vector<Segment> segments_;
    SegmentSwitchTracking tracking_ = SegmentSwitchTracking::SelectOne;
    std::int64_t momentarySegment_ = -1;
};

} // namespace platform
