#pragma once

#include "app/platform.h"
#include "base/vbscript_regexp.h"
#include "base/win32_code_page_converter.h"
#include "base/win32_com_library.h"
#include "base/win32_file_system.h"
#include "base/win32_message_pump.h"
#include "base/win32_skin_library_loader.h"
#include "base/winhttp_request.h"
#include "gui/win32_process_setup.h"
#include "gui/win32_shell.h"
#include "gui/win32_window_system.h"
#include "skin/skin_attachment.h"

namespace hotlist {

// Every Windows platform service of the program, bound together as one Platform.
class Win32PlatformServices {
  public:
    // A shell given here replaces the system's (tests record instead of opening a browser).
    explicit Win32PlatformServices(Shell* shell = nullptr);
    Win32PlatformServices(const Win32PlatformServices&) = delete;
    Win32PlatformServices& operator=(const Win32PlatformServices&) = delete;

    Platform& platform() { return platform_; }

  private:
    Win32CodePageConverter converter_;
    Win32ComLibrary com_;
    WinHttpRequestFactory http_;
    VbscriptRegExpFactory regExps_;
    Win32MessagePump pump_;
    Win32WindowSystem windows_;
    Win32Shell shell_;
    Win32FileSystem files_;
    Win32SkinLibraryLoader skinLoader_;
    SkinAttachment skin_;
    Win32ProcessSetup process_;
    Platform platform_;
};

}  // namespace hotlist
