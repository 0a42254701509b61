#include "platform/detail/PageSetupDialog.h"

#include "platform/services/PrintInfo.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPageSize>
#include <QRadioButton>

#include <cmath>

namespace platform::detail {

namespace {

constexpr QPageSize::PageSizeId kPapers[] = {QPageSize::A4, QPageSize::Letter, QPageSize::Legal,
                                             QPageSize::A5, QPageSize::A3};
// Top, left, bottom, right, as the info keeps them.
const char* const kMarginNames[] = {"&Top:", "&Left:", "&Bottom:", "&Right:"};

QSizeF pointSize(const QPageSize& paper) {
    return paper.size(QPageSize::Point);
}

} // namespace

PageSetupDialog::PageSetupDialog(const PrintInfo& info, QWidget* parent)
    : QDialog(parent), paper_(new QComboBox), orientation_(new QButtonGroup(this)) {
    setWindowTitle(QStringLiteral("Page Setup"));
    const QSizeF current(info.paperSize().width, info.paperSize().height);
    for (const QPageSize::PageSizeId id : kPapers) {
        const QPageSize paper(id);
        paper_->addItem(paper.name(), pointSize(paper));
    }
    int chosen = -1;
    for (int i = 0; i < paper_->count(); ++i) {
        const QSizeF size = paper_->itemData(i).toSizeF();
        if (std::abs(size.width() - current.width()) < 0.5 &&
            std::abs(size.height() - current.height()) < 0.5)
            chosen = i;
    }
    if (chosen < 0) {
        paper_->addItem(
            QStringLiteral("%1 \u00d7 %2 pt").arg(current.width()).arg(current.height()), current);
        chosen = paper_->count() - 1;
    }
    paper_->setCurrentIndex(chosen);

    auto* turns = new QHBoxLayout;
    for (const auto& [title, value] : {std::pair{"P&ortrait", PaperOrientation::Portrait},
                                       std::pair{"L&andscape", PaperOrientation::Landscape}}) {
        auto* button = new QRadioButton(QString::fromLatin1(title));
        orientation_->addButton(button, static_cast<int>(value));
        button->setChecked(info.orientation() == value);
        turns->addWidget(button);
    }

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Paper:"), paper_);
    form->addRow(QStringLiteral("Orientation:"), turns);
    const double margins[] = {info.topMargin(), info.leftMargin(), info.bottomMargin(),
                              info.rightMargin()};
    for (int side = 0; side < 4; ++side) {
        margins_[side] = new QDoubleSpinBox;
        margins_[side]->setRange(0, 1000);
        margins_[side]->setSuffix(QStringLiteral(" pt"));
        margins_[side]->setValue(margins[side]);
        form->addRow(QString::fromLatin1(kMarginNames[side]), margins_[side]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void PageSetupDialog::apply(PrintInfo& info) const {
    const QSizeF paper = paper_->currentData().toSizeF();
    info.setPaperSize({paper.width(), paper.height()});
    info.setOrientation(static_cast<PaperOrientation>(orientation_->checkedId()));
    info.setTopMargin(margins_[0]->value());
    info.setLeftMargin(margins_[1]->value());
    info.setBottomMargin(margins_[2]->value());
    info.setRightMargin(margins_[3]->value());
}

} // namespace platform::detail
