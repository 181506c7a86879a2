#pragma once

namespace hotlist {

// GetSystemDirectoryA into `buffer` of `capacity` bytes; a directory that does not fit
// leaves the buffer as it was. On i686 the call's stack balance is checked.
void systemDirectoryA(char* buffer, int capacity);

}  // namespace hotlist
