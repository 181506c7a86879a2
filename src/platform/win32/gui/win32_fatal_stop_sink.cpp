#include "gui/win32_fatal_stop_sink.h"

#include <windows.h>

namespace hotlist {

// The texts are code page 936, the ANSI code page of the program's systems.
void Win32FatalStopSink::showErrorBox(const Text& caption, const Text& text) {
    MessageBoxA(nullptr, text.cStr(), caption.cStr(), MB_ICONERROR | MB_TASKMODAL);
}

// ExitProcess skips the orderly shutdown; -1 arrives as the exit code 0xFFFFFFFF.
void Win32FatalStopSink::endProcess(int exitCode) {
    ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace hotlist
