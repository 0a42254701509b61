#include "platform/views/controls/SecureTextField.h"

#include "platform/detail/ViewPeer.h"

#include <QLineEdit>

namespace platform {

SecureTextField::SecureTextField(Rect frame) : TextField(frame) {
    // The toolkit's password mode also refuses copying, cutting and dragging the text.
    qobject_cast<QLineEdit*>(peer().widget)->setEchoMode(QLineEdit::Password);
}

} // namespace platform
