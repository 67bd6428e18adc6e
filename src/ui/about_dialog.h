#pragma once
#include <QDialog>

namespace sw {

inline const QString kAboutCaption = QStringLiteral("About Signwright");
inline const QString kAboutVersionText = QStringLiteral("Signwright Version 3.0");
// The system-menu entry that opens the box (offered from the window menu here).
inline const QString kAboutMenuEntry = QStringLiteral("&About Tablor Studio Editor 3.0...");

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace sw
