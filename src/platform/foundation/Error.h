#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Array;
class Dictionary;
class String;

// The keys of an error's userInfo that the framework reads, with the framework's names.
Ref<String> LocalizedDescriptionKey();
Ref<String> LocalizedFailureReasonErrorKey();
Ref<String> LocalizedRecoverySuggestionErrorKey();
Ref<String> LocalizedRecoveryOptionsErrorKey();
// The domain of errors whose code is the system's error number (errno).
Ref<String> POSIXErrorDomain();

// A failure as a value: a domain naming who reports it, a code within that domain, and a
// dictionary of details (userInfo) from which the texts shown to the user come.
class Error : public Object {
public:
    Error(Ref<String> domain, std::int64_t code, Ref<Dictionary> userInfo = nullptr);
    static Ref<Error> errorWithDomainCodeUserInfo(Ref<String> domain, std::int64_t code,
                                                  Ref<Dictionary> userInfo);

    Ref<String> domain() const { return domain_; }
    std::int64_t code() const { return code_; }
    // Never absent: an error made without details has an empty dictionary.
    Ref<Dictionary> userInfo() const { return userInfo_; }

    // The string under LocalizedDescriptionKey; without one, "The operation couldn’t be
    // completed." followed by the failure reason when there is one, else by the domain and the
    // code in parentheses ("(Domain error 5.)").
    Ref<String> localizedDescription() const;
    // The strings under their keys, or none.
    Ref<String> localizedFailureReason() const;
    Ref<String> localizedRecoverySuggestion() const;
    // The button titles offered to recover, or none.
    Ref<Array> localizedRecoveryOptions() const;

    // "Error Domain=<domain> Code=<code> "<description>"".
    Ref<String> description() const override;
    // Equal when domain, code and userInfo are equal.
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override { return static_cast<std::size_t>(code_); }

private:
    Ref<Object> userInfoValue(const Ref<String>& key) const;

    Ref<String> domain_;
    std::int64_t code_;
    Ref<Dictionary> userInfo_;
};

} // namespace platform
