#pragma once
// Lists the font files that came with a layout and installs the ones the user
// picks; "Done" tells the caller to look again which families are missing.
#include <QDialog>
#include <functional>

class QListWidget;
class QPushButton;
class QLabel;

namespace sw {

inline const QString kFontPanelTitle
    = QStringLiteral("TO INSTALL MISSING FONT(S), Right Click on font File(s) and click INSTALL FOR ALL USERS");
inline const QString kFontPanelDone = QStringLiteral("Done");
inline const QString kFontPanelInstall = QStringLiteral("Install");

class FontFilePanel : public QDialog {
    Q_OBJECT
public:
    // Installs one font file; on failure returns false with a reason in *error.
    using Installer = std::function<bool(const QString& fontFile, QString* error)>;

    FontFilePanel(const QString& folder, Installer installer, QWidget* parent = nullptr);

    // True only when the panel ended through "Done".
    bool endedByDone() const { return endedByDone_; }

    QListWidget* fileList() const { return list_; }
    QPushButton* installButton() const { return install_; }
    QPushButton* doneButton() const { return done_; }

    // Installs every selected file, marking each row with the outcome.
    void installSelected();

private:
    void refresh();

    QString folder_;
    Installer installer_;
    QListWidget* list_;
    QPushButton* install_;
    QPushButton* done_;
    QLabel* status_;
    bool endedByDone_ = false;
};

} // namespace sw
