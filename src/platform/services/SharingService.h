#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>

namespace platform {

class Array;
class SharingServiceDelegate;
class String;

// The domain of the errors a share fails with, but for a file that could not be written
// (POSIXErrorDomain), and its codes.
Ref<String> SharingErrorDomain();
inline constexpr std::int64_t SharingErrorUserCancelled = 3072;
inline constexpr std::int64_t SharingErrorNoProgram = 3328;

// The names of the desktop's sharing services.
Ref<String> SharingServiceNameCopyToClipboard();
Ref<String> SharingServiceNameComposeEmail();
Ref<String> SharingServiceNameSaveToFile();

// A way to hand items to the desktop: copying them to the clipboard, opening the default
// e-mail program with them through a mailto: URL, or saving them to a file the user chooses
// (the panel opens in the Documents folder, else the home folder).
// Items are strings and URLs (a URL is shared as its text); several items make one text, a line
// each.
class SharingService : public Object {
public:
    // None for a name that is not one of the services.
    static Ref<SharingService> sharingServiceNamed(const String& name);
    // The services that can share the items, in the order of the names above.
    static Ref<Array> sharingServicesForItems(const Ref<Array>& items);

    Ref<String> name() const { return name_; }
    // The menu title.
    Ref<String> title() const { return title_; }
    std::shared_ptr<SharingServiceDelegate> delegate() const { return delegate_.lock(); }
    // Not owned, as delegates are not.
    void setDelegate(const std::shared_ptr<SharingServiceDelegate>& delegate) {
        delegate_ = delegate;
    }
    // The e-mail's addressees (strings) and subject.
    Ref<Array> recipients() const { return recipients_; }
    void setRecipients(Ref<Array> recipients) { recipients_ = std::move(recipients); }
    Ref<String> subject() const { return subject_; }
    void setSubject(Ref<String> subject) { subject_ = std::move(subject); }

    // At least one item, each a string or a URL.
    bool canPerformWithItems(const Ref<Array>& items) const;
    // The delegate hears that the items will be shared, then that they were or why not (the
    // user cancelled, no e-mail program, a file that could not be written). Saving shows the panel
    // over the delegate's source window when it names one and returns before the user chose;
    // otherwise the share is done on return.
    void performWithItems(const Ref<Array>& items);

private:
    enum class Kind { Copy, Email, Save };
    SharingService(Kind kind, Ref<String> name, Ref<String> title);
    void finish(const Ref<Array>& items, const Ref<Object>& error);

    Kind kind_;
    Ref<String> name_;
    Ref<String> title_;
    std::weak_ptr<SharingServiceDelegate> delegate_;
    Ref<Array> recipients_;
    Ref<String> subject_;
};

} // namespace platform
