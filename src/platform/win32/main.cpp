#include <windows.h>

#include "app/application.h"
#include "app/platform_collection_steps.h"
#include "gui/win32_fatal_stop_sink.h"
#include "gui/win32_platform_services.h"

// The Windows composition root: the platform services, the fatal stop box and the
// application's start sequence. The program takes no command line.
int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    hotlist::Win32FatalStopSink fatalStopSink;
    hotlist::installFatalStopSink(&fatalStopSink);
    hotlist::Win32PlatformServices services;
    hotlist::PlatformCollectionSteps steps(services.platform());
    hotlist::Application application(services.platform(), steps);
    return application.run();
}
