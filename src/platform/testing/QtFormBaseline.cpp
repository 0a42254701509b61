#include "platform/testing/QtFormBaseline.h"

#include <QBuffer>
#include <QUiLoader>
#include <QWidget>

#include <memory>

namespace platform::testing {

std::size_t QtFormBaseline::load(std::string_view xml) {
    QByteArray bytes(xml.data(), static_cast<qsizetype>(xml.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QUiLoader loader;
    const std::unique_ptr<QWidget> top(loader.load(&buffer));
    // Counted as the file counts them: the top-level widget and the widgets it holds, not the
    // parts each widget is made of.
    return top ? static_cast<std::size_t>(
                     top->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size()) +
                     1
               : 0;
}

} // namespace platform::testing
