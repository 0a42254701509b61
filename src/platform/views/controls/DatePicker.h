#pragma once

#include "platform/views/Control.h"

#include <cstdint>

namespace platform {

class Date;

// The looks of a date picker, with the framework's values.
enum class DatePickerStyle : std::int64_t {
    TextFieldAndStepper = 0, // editable fields with arrows beside them
    ClockAndCalendar = 1,    // a month's calendar to click in (the date only)
    TextField = 2,           // editable fields alone
};

// Which parts of the moment a date picker shows and edits, with the framework's values.
namespace DatePickerElement {
inline constexpr std::uint64_t HourMinute = 0x000c;
inline constexpr std::uint64_t HourMinuteSecond = 0x000e;
inline constexpr std::uint64_t YearMonth = 0x00c0;
inline constexpr std::uint64_t YearMonthDay = 0x00e0;
} // namespace DatePickerElement

// A date and time the user edits. In the field styles the user clicks a part (a day, an hour)
// and types or presses Up and Down, or clicks the arrows; in the calendar style the user
// clicks a day or moves through the days with the arrow keys. Each change sends the action.
// The moment is shown in the local time zone and kept between the minimum and maximum dates
// when they are set. Its object value is its date. A new picker shows the year, month, day,
// hour and minute of now, in the field-and-arrows style, within no limits.
class DatePicker : public Control {
public:
    explicit DatePicker(Rect frame = {},
                        DatePickerStyle style = DatePickerStyle::TextFieldAndStepper);
    ~DatePicker() override;

    DatePickerStyle datePickerStyle() const { return style_; }
    // A mask of DatePickerElement values.
    std::uint64_t datePickerElements() const { return elements_; }
    void setDatePickerElements(std::uint64_t elements);
    Ref<Date> dateValue() const { return date_; }
    // Quiet; kept within the limits. None leaves the date as it is.
    void setDateValue(const Ref<Date>& date);
    Ref<Date> minDate() const { return minDate_; }
    void setMinDate(Ref<Date> date);
    Ref<Date> maxDate() const { return maxDate_; }
    void setMaxDate(Ref<Date> date);

    // The date as seconds from the reference date.
    double doubleValue() const override;
    void setDoubleValue(double value) override;
    Ref<Object> objectValue() const override;
    // An object that is no date leaves the date as it is.
    void setObjectValue(const Ref<Object>& object) override;
    bool acceptsFirstResponder() const override { return true; }

    // Internal to the platform: the toolkit side of the picker.
    struct Toolkit;

private:
    void show();
    void userChose(double secondsSince1970);
    double limited(double secondsSince1970) const;

    std::unique_ptr<Toolkit> toolkit_;
    DatePickerStyle style_;
    std::uint64_t elements_ = DatePickerElement::YearMonthDay | DatePickerElement::HourMinute;
    Ref<Date> date_;
    Ref<Date> minDate_;
    Ref<Date> maxDate_;
};

} // namespace platform
