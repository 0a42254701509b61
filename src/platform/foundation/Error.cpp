#include "platform/foundation/Error.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"

namespace platform {

Ref<String> LocalizedDescriptionKey() {
    static const auto key = String::fromUtf8("NSLocalizedDescription");
    return key;
}

Ref<String> LocalizedFailureReasonErrorKey() {
    static const auto key = String::fromUtf8("NSLocalizedFailureReason");
    return key;
}

Ref<String> LocalizedRecoverySuggestionErrorKey() {
    static const auto key = String::fromUtf8("NSLocalizedRecoverySuggestion");
    return key;
}

Ref<String> LocalizedRecoveryOptionsErrorKey() {
    static const auto key = String::fromUtf8("NSLocalizedRecoveryOptions");
    return key;
}

Ref<String> POSIXErrorDomain() {
    static const auto domain = String::fromUtf8("NSPOSIXErrorDomain");
    return domain;
}

Error::Error(Ref<String> domain, std::int64_t code, Ref<Dictionary> userInfo)
    : domain_(domain ? std::move(domain) : String::create()), code_(code),
      userInfo_(userInfo ? std::move(userInfo) : Dictionary::dictionary()) {}

Ref<Error> Error::errorWithDomainCodeUserInfo(Ref<String> domain, std::int64_t code,
                                              Ref<Dictionary> userInfo) {
    return std::make_shared<Error>(std::move(domain), code, std::move(userInfo));
}

Ref<Object> Error::userInfoValue(const Ref<String>& key) const {
    return userInfo_->objectForKey(key);
}

Ref<String> Error::localizedDescription() const {
    if (const auto value = userInfoValue(LocalizedDescriptionKey()))
        if (auto text = value->as<String>())
            return text;
    if (const auto reason = localizedFailureReason())
        return String::stringWithFormat("The operation couldn’t be completed. %@",
                                        static_cast<const Object*>(reason.get()));
    return String::stringWithFormat("The operation couldn’t be completed. (%@ error %lld.)",
                                    static_cast<const Object*>(domain_.get()),
                                    static_cast<long long>(code_));
}

Ref<String> Error::localizedFailureReason() const {
    const auto value = userInfoValue(LocalizedFailureReasonErrorKey());
    return value ? value->as<String>() : nullptr;
}

Ref<String> Error::localizedRecoverySuggestion() const {
    const auto value = userInfoValue(LocalizedRecoverySuggestionErrorKey());
    return value ? value->as<String>() : nullptr;
}

Ref<Array> Error::localizedRecoveryOptions() const {
    const auto value = userInfoValue(LocalizedRecoveryOptionsErrorKey());
    return value ? value->as<Array>() : nullptr;
}

Ref<String> Error::description() const {
    return String::stringWithFormat(
        "Error Domain=%@ Code=%lld \"%@\"", static_cast<const Object*>(domain_.get()),
        static_cast<long long>(code_), static_cast<const Object*>(localizedDescription().get()));
}

bool Error::isEqual(const Object& other) const {
    const auto* error = dynamic_cast<const Error*>(&other);
    return error && error->code_ == code_ && domain_->isEqual(*error->domain_) &&
           userInfo_->isEqual(*error->userInfo_);
}

} // namespace platform
