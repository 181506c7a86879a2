#include "text/text.h"

namespace hotlist {

// Unsigned byte order as strcmp, reduced to -1, 0 or +1.
int compareText(const Text& a, const Text& b) {
    const int order = a.view().compare(b.view());
    return (order > 0) - (order < 0);
}

// Equal lengths are checked first, so differing lengths never look at the bytes.
bool compareBytes(const Bytes& a, const Bytes& b) {
    return a.length() == b.length() && a.view() == b.view();
}

}  // namespace hotlist
