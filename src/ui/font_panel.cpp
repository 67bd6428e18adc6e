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

FontFilePanel::FontFilePanel(const QString& folder, Installer installer, QWidget* parent)
    : QDialog(parent)
    , folder_(folder)
    , installer_(std::move(installer))
{
    setWindowTitle(kFontPanelTitle);
    resize(640, 360);

    auto* hint = new QLabel(
        tr("Select the font files of this layout and click Install (or right click a file)."), this);
    hint->setWordWrap(true);

    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* installAction = new QAction(kFontPanelInstall, list_);
    list_->addAction(installAction);
    connect(installAction, &QAction::triggered, this, &FontFilePanel::installSelected);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        list_->setCurrentItem(item);
        installSelected();
    });

    status_ = new QLabel(this);
    status_->setWordWrap(true);

    install_ = new QPushButton(kFontPanelInstall, this);
    done_ = new QPushButton(kFontPanelDone, this);
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
    layout->addWidget(hint);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    refresh();
}

void FontFilePanel::refresh()
{
    list_->clear();
    // Only the TrueType files a layout carries are offered; a case-insensitive
    // match takes in packages made with upper-case names.
    const QFileInfoList files = QDir(folder_).entryInfoList(
        {QStringLiteral("*.ttf"), QStringLiteral("*.TTF"), QStringLiteral("*.Ttf")},
        QDir::Files | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& f : files) {
        auto* item = new QListWidgetItem(f.fileName(), list_);
        item->setData(kPathRole, f.absoluteFilePath());
    }
    install_->setEnabled(list_->count() > 0 && installer_ != nullptr);
    if (list_->count() > 0)
        list_->setCurrentRow(0);
}

void FontFilePanel::installSelected()
{
    if (!installer_)
        return;
    QStringList failures;
    int installed = 0;
    for (QListWidgetItem* item : list_->selectedItems()) {
        QString error;
        const QString path = item->data(kPathRole).toString();
        const QString name = QFileInfo(path).fileName();
        if (installer_(path, &error)) {
            ++installed;
            item->setText(name + tr("  (installed)"));
        } else {
            failures << name + QStringLiteral(": ") + error;
            item->setText(name + tr("  (not installed)"));
        }
    }
    if (failures.isEmpty())
        status_->setText(installed > 0 ? tr("%n font file(s) installed.", nullptr, installed) : QString());
    else
        status_->setText(failures.join(QLatin1Char('\n')));
}

} // namespace sw
