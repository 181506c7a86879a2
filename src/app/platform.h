#pragma once

#include "app/process_setup.h"
#include "app/window_system.h"
#include "skin/skin_hooks.h"
#include "text/code_page_converter.h"
#include "text/com_library.h"
#include "text/file_system.h"
#include "text/message_pump.h"
#include "text/regex_engine.h"
#include "web/http_request_object.h"

namespace hotlist {

// Every platform service the program uses, handed over by the composition root.
struct Platform {
    ComLibrary& com;
    HttpRequestFactory& http;
    RegExpFactory& regExps;
    CodePageConverter& codePages;
    MessagePump& pump;
    WindowSystem& windows;
    Shell& shell;
    FileSystem& files;
    SkinHooks& skin;
    ProcessSetup& process;
};

}  // namespace hotlist
