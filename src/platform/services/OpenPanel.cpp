#include "platform/services/OpenPanel.h"

#include "platform/detail/FileDialog.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/URL.h"

namespace platform {

OpenPanel::OpenPanel() {
    setCanCreateDirectories(false);
}

Ref<OpenPanel> OpenPanel::openPanel() {
    return std::make_shared<OpenPanel>();
}

Ref<Array> OpenPanel::URLs() const {
    auto urls = Array::array();
    for (const auto& url : chosenURLs())
        urls->addObject(url);
    return urls;
}

void OpenPanel::prepare(detail::FileDialog& dialog) const {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (canChooseDirectories_) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, !canChooseFiles_);
    } else {
        dialog.setFileMode(allowsMultipleSelection_ ? QFileDialog::ExistingFiles
                                                    : QFileDialog::ExistingFile);
    }
}

} // namespace platform
