#pragma once
// Lists the font files that came with a layout and installs the ones the user
// picks; "Done" tells the caller to look again which families are missing.
#include "platform/prompter.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class QLabel;

namespace sw {

inline const QString kFontPanelInstall = QStringLiteral("Install");

class FontFilePanel : public QDialog {
    Q_OBJECT
public:
    explicit FontFilePanel(FontPanelRequest request, QWidget* parent = nullptr);

    // Done only when the panel ended through its one button.
    FontPanelResult result() const { return endedByDone_ ? FontPanelResult::Done : FontPanelResult::Closed; }

    QListWidget* fileList() const { return list_; }
    QPushButton* installButton() const { return install_; }
    QPushButton* doneButton() const { return done_; }
    QLabel* statusLabel() const { return status_; }

    // Installs every selected file, marking each row with the outcome.
    void installSelected();

private:
    FontPanelRequest request_;
    QListWidget* list_;
    QPushButton* install_;
    QPushButton* done_;
    QLabel* status_;
    bool endedByDone_ = false;
};

} // namespace sw
