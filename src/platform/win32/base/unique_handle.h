#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace hotlist {

struct KernelHandleCloser {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
// A kernel object handle (timer, event, file), closed with CloseHandle. Null when empty.
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleCloser>;

struct FindHandleCloser {
    void operator()(HANDLE handle) const noexcept { FindClose(handle); }
};
// A FindFirstFileA search handle, closed with FindClose. Hold only valid handles.
using UniqueFindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindHandleCloser>;

}  // namespace hotlist
