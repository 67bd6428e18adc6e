#include "ui/font_panel.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

namespace {
constexpr int kPathRole = Qt::UserRole + 1;
}

FontFilePanel::FontFilePanel(FontPanelRequest request, QWidget* parent)
    : QDialog(parent)
    , request_(std::move(request))
{
    setWindowTitle(request_.title);
    resize(720, 380);

    auto* folder = new QLabel(QDir::toNativeSeparators(request_.folder), this);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folder->setWordWrap(true);
    auto* kind = new QLabel(request_.filter, this);

    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* installAction = new QAction(kFontPanelInstall, list_);
    list_->addAction(installAction);
    connect(installAction, &QAction::triggered, this, &FontFilePanel::installSelected);
    for (const QString& name : request_.fontFiles) {
        auto* item = new QListWidgetItem(name, list_);
        item->setData(kPathRole, QDir(request_.folder).filePath(name));
    }
    if (list_->count() > 0)
        list_->setCurrentRow(0);

    status_ = new QLabel(this);
    status_->setWordWrap(true);

    install_ = new QPushButton(kFontPanelInstall, this);
    install_->setEnabled(list_->count() > 0 && request_.install != nullptr);
    done_ = new QPushButton(request_.doneCaption, this);
    done_->setDefault(true);
    connect(install_, &QPushButton::clicked, this, &FontFilePanel::installSelected);
    connect(done_, &QPushButton::clicked, this, [this] {
        endedByDone_ = true;
        accept();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(install_);
    buttons->addStretch();
    buttons->addWidget(done_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder);
    layout->addWidget(kind);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);
    layout->addLayout(buttons);
}

void FontFilePanel::installSelected()
{
    if (!request_.install)
        return;
    QStringList failures;
    int installed = 0;
    for (QListWidgetItem* item : list_->selectedItems()) {
        const QString path = item->data(kPathRole).toString();
        const QString name = QFileInfo(path).fileName();
        const FontInstallResult r = request_.install(path);
        if (r.installed) {
            ++installed;
            item->setText(name + tr("  (installed)"));
        } else {
            failures << name + QStringLiteral(": ") + r.message;
            item->setText(name + tr("  (not installed)"));
        }
    }
    if (failures.isEmpty())
        status_->setText(installed > 0 ? tr("%n font file(s) installed.", nullptr, installed) : QString());
    else
        status_->setText(failures.join(QLatin1Char('\n')));
}

} // namespace sw
