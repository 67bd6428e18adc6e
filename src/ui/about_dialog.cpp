#include "ui/about_dialog.h"

#include "ui/icons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(kAboutCaption);
    setWindowIcon(ApplicationIcon());

    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(64, 64));
    auto* text = new QLabel(kAboutVersionText, this);
    text->setObjectName(QStringLiteral("aboutText"));

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

} // namespace sw
