#include "platform/foundation/Date.h"

#include "platform/foundation/String.h"

#include <QDateTime>
#include <QTimeZone>

#include <cmath>
#include <functional>

namespace platform {

Ref<Date> Date::date() {
    const double now = static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000;
    return dateWithTimeIntervalSince1970(now);
}

Ref<Date> Date::dateWithTimeIntervalSinceReferenceDate(double seconds) {
    return std::make_shared<Date>(seconds);
}

Ref<Date> Date::dateWithTimeIntervalSince1970(double seconds) {
    return std::make_shared<Date>(seconds - kReferenceDateSince1970);
}

Ref<String> Date::description() const {
    const auto moment = QDateTime::fromSecsSinceEpoch(
        static_cast<qint64>(std::floor(timeIntervalSince1970())), QTimeZone::utc());
    return String::fromUtf8(
        moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss +0000")).toStdString());
}

bool Date::isEqual(const Object& other) const {
    const auto* date = dynamic_cast<const Date*>(&other);
    return date && date->seconds_ == seconds_;
}

std::size_t Date::hash() const {
    return std::hash<double>{}(seconds_);
}

} // namespace platform
