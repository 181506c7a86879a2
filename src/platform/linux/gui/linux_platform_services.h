#pragma once

#include "app/platform.h"
#include "gui/linux_process_setup.h"
#include "gui/qt_message_pump.h"
#include "gui/qt_shell.h"
#include "gui/qt_window_system.h"
#include "http/curl_http_request.h"
#include "http/linux_com_library.h"
#include "skin/skin_attachment.h"
#include "text/iconv_code_page_converter.h"
#include "text/linux_file_system.h"
#include "text/linux_skin_library_loader.h"
#include "text/pcre2_regexp.h"

namespace hotlist {

// Every Linux platform service of the program, bound together as one Platform. Needs a
// QApplication for as long as it lives.
class LinuxPlatformServices {
  public:
    // A shell given here replaces the desktop's (tests record instead of opening a browser).
    explicit LinuxPlatformServices(Shell* shell = nullptr);
    LinuxPlatformServices(const LinuxPlatformServices&) = delete;
    LinuxPlatformServices& operator=(const LinuxPlatformServices&) = delete;

    Platform& platform() { return platform_; }
    CodePageConverter& converter() { return converter_; }

  private:
    IconvCodePageConverter converter_;
    LinuxComLibrary com_;
    CurlHttpRequestFactory http_;
    Pcre2RegExpFactory regExps_{converter_};
    QtMessagePump pump_;
    QtWindowSystem windows_{converter_};
    QtShell shell_{converter_};
    LinuxFileSystem files_;
    LinuxSkinLibraryLoader skinLoader_;
    SkinAttachment skin_;
    LinuxProcessSetup process_;
    Platform platform_;
};

}  // namespace hotlist
