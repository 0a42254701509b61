#include "platform/views/controls/DatePicker.h"

#include "platform/detail/ControlWidget.h"
#include "platform/foundation/Date.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

QDateTime localMoment(double secondsSince1970) {
    return QDateTime::fromMSecsSinceEpoch(
        static_cast<qint64>(std::llround(secondsSince1970 * 1000)));
}

double secondsOf(const QDateTime& moment) {
    return static_cast<double>(moment.toMSecsSinceEpoch()) / 1000;
}

// The toolkit's display format for the parts the elements name.
QString displayFormat(std::uint64_t elements) {
    QStringList parts;
    if ((elements & DatePickerElement::YearMonthDay) == DatePickerElement::YearMonthDay)
        parts << QStringLiteral("yyyy-MM-dd");
    else if (elements & DatePickerElement::YearMonth)
        parts << QStringLiteral("yyyy-MM");
    if ((elements & DatePickerElement::HourMinuteSecond) == DatePickerElement::HourMinuteSecond)
        parts << QStringLiteral("HH:mm:ss");
    else if (elements & DatePickerElement::HourMinute)
        parts << QStringLiteral("HH:mm");
    return parts.join(u' ');
}

} // namespace

struct DatePicker::Toolkit {
    QDateTimeEdit* edit = nullptr;
    QCalendarWidget* calendar = nullptr;
    // Set while the program shows a date: the toolkit's change signals are then no user's.
    bool programmatic = false;
};

DatePicker::DatePicker(Rect frame, DatePickerStyle style)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()),
      style_(style), date_(Date::date()) {
    if (style == DatePickerStyle::ClockAndCalendar) {
        auto* calendar = new detail::ControlWidget<QCalendarWidget>(*this);
        toolkit_->calendar = calendar;
        peer().widget = calendar;
        QObject::connect(calendar, &QCalendarWidget::selectionChanged, calendar, [this] {
            if (toolkit_->programmatic)
                return;
            // The calendar chooses the day; the time of day stays.
            const QDateTime before = localMoment(date_->timeIntervalSince1970());
            userChose(secondsOf(QDateTime(toolkit_->calendar->selectedDate(), before.time())));
        });
    } else {
        auto* edit = new detail::ControlWidget<QDateTimeEdit>(*this);
        toolkit_->edit = edit;
        peer().widget = edit;
        if (style == DatePickerStyle::TextField)
            edit->setButtonSymbols(QAbstractSpinBox::NoButtons);
        QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, edit,
                         [this](const QDateTime& moment) {
                             if (!toolkit_->programmatic)
                                 userChose(secondsOf(moment));
                         });
    }
    setFrame(frame);
    show();
}

DatePicker::~DatePicker() = default;

double DatePicker::limited(double secondsSince1970) const {
    if (minDate_)
        secondsSince1970 = std::max(secondsSince1970, minDate_->timeIntervalSince1970());
    if (maxDate_)
        secondsSince1970 = std::min(secondsSince1970, maxDate_->timeIntervalSince1970());
    return secondsSince1970;
}

void DatePicker::show() {
    toolkit_->programmatic = true;
    const QDateTime moment = localMoment(date_->timeIntervalSince1970());
    if (QCalendarWidget* calendar = toolkit_->calendar) {
        calendar->setDateRange(
            minDate_ ? localMoment(minDate_->timeIntervalSince1970()).date() : QDate(100, 1, 1),
            maxDate_ ? localMoment(maxDate_->timeIntervalSince1970()).date() : QDate(9999, 12, 31));
        calendar->setSelectedDate(moment.date());
    } else {
        QDateTimeEdit* edit = toolkit_->edit;
        edit->setDisplayFormat(displayFormat(elements_));
        edit->setMinimumDateTime(minDate_ ? localMoment(minDate_->timeIntervalSince1970())
                                          : QDateTime(QDate(100, 1, 1), QTime(0, 0)));
        edit->setMaximumDateTime(maxDate_ ? localMoment(maxDate_->timeIntervalSince1970())
                                          : QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)));
        edit->setDateTime(moment);
    }
    toolkit_->programmatic = false;
}

void DatePicker::userChose(double secondsSince1970) {
    const double seconds = limited(secondsSince1970);
    if (seconds == date_->timeIntervalSince1970())
        return;
    date_ = Date::dateWithTimeIntervalSince1970(seconds);
    sendAction();
}

void DatePicker::setDatePickerElements(std::uint64_t elements) {
    elements_ = elements;
    show();
}

void DatePicker::setDateValue(const Ref<Date>& date) {
    if (!date)
        return;
    date_ = Date::dateWithTimeIntervalSince1970(limited(date->timeIntervalSince1970()));
    show();
}

void DatePicker::setMinDate(Ref<Date> date) {
    minDate_ = std::move(date);
    setDateValue(date_);
}

void DatePicker::setMaxDate(Ref<Date> date) {
    maxDate_ = std::move(date);
    setDateValue(date_);
}

double DatePicker::doubleValue() const {
    return date_->timeIntervalSinceReferenceDate();
}

void DatePicker::setDoubleValue(double value) {
    if (!std::isnan(value))
        setDateValue(Date::dateWithTimeIntervalSinceReferenceDate(value));
}

void DatePicker::setObjectValue(const Ref<Object>& object) {
    if (const auto date = object ? object->as<Date>() : nullptr)
        setDateValue(date);
}

Ref<Object> DatePicker::objectValue() const {
    return date_;
}

} // namespace platform
