#pragma once

#include "platform/foundation/Object.h"

namespace platform {

// A moment in time, as seconds from the framework's reference date (1 January 2001, 00:00:00
// UTC), with fractions. Dates are equal when they are the same moment.
class Date : public Object {
public:
    explicit Date(double secondsSinceReferenceDate) : seconds_(secondsSinceReferenceDate) {}

    // Now.
    static Ref<Date> date();
    static Ref<Date> dateWithTimeIntervalSinceReferenceDate(double seconds);
    static Ref<Date> dateWithTimeIntervalSince1970(double seconds);

    double timeIntervalSinceReferenceDate() const { return seconds_; }
    double timeIntervalSince1970() const { return seconds_ + kReferenceDateSince1970; }

    // "2001-01-01 00:00:00 +0000": the moment in UTC, to the second.
    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

    static constexpr double kReferenceDateSince1970 = 978307200;

private:
    double seconds_;
};

} // namespace platform
