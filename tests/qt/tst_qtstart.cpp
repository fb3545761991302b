// A start that fails reports why, in a box and on stderr, and ends with a
// failure status instead of an abort.
#include "hosts/qt/QtHost.h"
#include "window/FrmEuro.h"

#include "ModalWatcher.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

ModalWatcher* watcher = nullptr;

// Runs once start() has made its application, so the watcher can close the box.
void watchForBoxes()
{
    watcher = new ModalWatcher;
}
Q_COREAPP_STARTUP_FUNCTION(watchForBoxes)

} // namespace

int main(int argc, char* argv[])
{
    runtime::ProgramDescriptor broken = window::program;
    broken.startupObject = "frmOther";
    const int status = qthost::start(argc, argv, broken);
    const bool reported = watcher && watcher->seen.size() == 1 &&
                          watcher->seen.front().text.contains(QStringLiteral("start-up object")) &&
                          watcher->seen.front().icon == QMessageBox::Critical;
    std::printf("status %d, box %s\n", status, reported ? "shown" : "missing");
    return status == EXIT_FAILURE && reported ? EXIT_SUCCESS : EXIT_FAILURE;
}
