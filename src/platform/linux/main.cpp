#include <unistd.h>

#include <QApplication>

#include "app/application.h"
#include "app/platform_collection_steps.h"
#include "gui/linux_platform_services.h"
#include "gui/qt_fatal_stop_sink.h"

// The Linux composition root: the Qt application, the platform services, the fatal stop box
// and the application's start sequence.
int main(int /*argc*/, char** argv) {
    // The web engine's sandbox cannot run as root.
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The program takes no command line: Qt sees the program name only.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication qtApplication(qtArgc, qtArgv);

    hotlist::LinuxPlatformServices services;
    hotlist::QtFatalStopSink fatalStopSink(services.converter());
    hotlist::installFatalStopSink(&fatalStopSink);
    hotlist::PlatformCollectionSteps steps(services.platform());
    hotlist::Application application(services.platform(), steps);
    return application.run();
}
