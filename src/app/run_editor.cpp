#include "app/run_editor.h"

#include "app/signwright_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int gSignalPipe[2] = {-1, -1};

void OnTerminationSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe work here; the event loop does the rest.
    [[maybe_unused]] const ssize_t n = ::write(gSignalPipe[0], &byte, 1);
}

// A logout or `kill` ends the program like a normal end (working folder
// removed), without questions nobody is there to answer.
void EndCleanlyOnSignals(QObject* owner)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(gSignalPipe[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(gSignalPipe[1], &byte, 1);
        QApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

} // namespace

int RunEditor(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("signwright"));
    QApplication::setOrganizationName(QStringLiteral("Moru Design"));
    EndCleanlyOnSignals(&app);
    const QStringList args = QApplication::arguments();
    // One optional file; an absolute path keeps naming the same file whatever
    // the program's current folder becomes.
    QString file = args.size() >= 2 ? args.at(1) : QString();
    if (!file.isEmpty())
        file = QFileInfo(file).absoluteFilePath();
    sw::CSignwrightApp application(file);
    return application.InitInstance();
}
