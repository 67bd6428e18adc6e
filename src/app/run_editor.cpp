#include "app/run_editor.h"

#include "app/signwright_app.h"

#include <QApplication>
#include <QFileInfo>

int RunEditor(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("signwright"));
    QApplication::setOrganizationName(QStringLiteral("Moru Design"));
    const QStringList args = QApplication::arguments();
    // One optional file; an absolute path keeps naming the same file whatever
    // the program's current folder becomes.
    QString file = args.size() >= 2 ? args.at(1) : QString();
    if (!file.isEmpty())
        file = QFileInfo(file).absoluteFilePath();
    sw::CSignwrightApp application(file);
    return application.InitInstance();
}
