#include "ui/rotation_dialog.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sw {

CImageRotationSelectionDialog::CImageRotationSelectionDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(kRotationCaption);
    // No close box: the answer comes from the buttons (or Escape).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* text = new QLabel(kRotationExplanation, this);
    text->setAlignment(Qt::AlignHCenter);

    auto* group = new QGroupBox(kRotationGroupCaption, this);
    none_ = new QRadioButton(QStringLiteral("NONE"), group);
    cw_ = new QRadioButton(QStringLiteral("CW"), group);
    ccw_ = new QRadioButton(QStringLiteral("CCW"), group);
    none_->setObjectName(QStringLiteral("1121"));
    cw_->setObjectName(QStringLiteral("1122"));
    ccw_->setObjectName(QStringLiteral("1123"));
    auto* radios = new QVBoxLayout(group);
    for (QRadioButton* r : {none_, cw_, ccw_}) {
        // "Any other value leaves all three clear" needs buttons that may all be off.
        r->setAutoExclusive(false);
        radios->addWidget(r);
    }
    connect(none_, &QRadioButton::clicked, this, [this] { choose(0); });
    connect(cw_, &QRadioButton::clicked, this, [this] { choose(1); });
    connect(ccw_, &QRadioButton::clicked, this, [this] { choose(2); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* groupRow = new QHBoxLayout;
    groupRow->addStretch();
    groupRow->addWidget(group);
    groupRow->addStretch();
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(ok);
    okRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(groupRow);
    layout->addLayout(okRow);
}

void CImageRotationSelectionDialog::setRotationChoice(int choice)
{
    choice_ = choice;
    showChoice();
}

QRadioButton* CImageRotationSelectionDialog::radio(int id) const
{
    switch (id) {
    case IdNone:
        return none_;
    case IdClockwise:
        return cw_;
    case IdCounterClockwise:
        return ccw_;
    default:
        return nullptr;
    }
}

void CImageRotationSelectionDialog::showChoice()
{
    none_->setChecked(choice_ == 0);
    cw_->setChecked(choice_ == 1);
    ccw_->setChecked(choice_ == 2);
}

void CImageRotationSelectionDialog::choose(int choice)
{
    choice_ = choice;
    showChoice();
}

void CImageRotationSelectionDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        showChoice();
}

void CImageRotationSelectionDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    showChoice();
}

} // namespace sw
