#include "platform/testing/PlainTextBaseline.h"

#include "platform/app/Application.h"
#include "platform/foundation/String.h"

#include <QPlainTextEdit>

namespace platform::testing {

struct PlainTextBaseline::Editor {
    QPlainTextEdit view;
};

PlainTextBaseline::PlainTextBaseline(double width, double height) {
    Application::shared();
    editor_ = std::make_unique<Editor>();
    editor_->view.setReadOnly(true);
    editor_->view.resize(static_cast<int>(width), static_cast<int>(height));
    editor_->view.show();
}

PlainTextBaseline::~PlainTextBaseline() = default;

void PlainTextBaseline::appendLine(const String& line) {
    editor_->view.appendPlainText(QString::fromStdU16String(line.utf16()));
}

} // namespace platform::testing
