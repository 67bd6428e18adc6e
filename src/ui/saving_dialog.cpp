#include "ui/saving_dialog.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSizeGrip>
#include <QVBoxLayout>

namespace sw {

CSavingLayoutAndImageFilesDialog::CSavingLayoutAndImageFilesDialog(QWidget* parent)
    : QDialog(parent)
{
    // A captionless pop-up that can still be resized.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setSizeGripEnabled(true);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "sw--CSavingLayoutAndImageFilesDialog { border: 2px solid palette(dark); }"));

    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("1120"));
    text_->setAlignment(Qt::AlignCenter);
    text_->setWordWrap(true);
    text_->setMinimumSize(360, 160);
    text_->setTextFormat(Qt::PlainText);
    QFont big = text_->font();
    big.setPointSizeF(big.pointSizeF() * 1.15);
    text_->setFont(big);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(ok_);
    okRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addWidget(text_, 1);
    layout->addLayout(okRow);
}

void CSavingLayoutAndImageFilesDialog::setMessage(const QString& message)
{
    QString shown = message;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text_->setText(shown);
}

QString CSavingLayoutAndImageFilesDialog::message() const { return text_->text(); }

void CSavingLayoutAndImageFilesDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // Whenever the window is shown again the pointer is brought back onto OK,
    // so a user who looked away finds the one thing to press.
    if (ok_->isVisible())
        QCursor::setPos(ok_->mapToGlobal(ok_->rect().center()));
}

} // namespace sw
