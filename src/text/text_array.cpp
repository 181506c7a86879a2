#include "text/allocation_guard.h"
#include "text/text.h"

namespace hotlist {

int elementCount(const TextArray& array) {
    return array.count();
}

// Adds a copy; the earlier elements keep their indices.
void appendElement(TextArray& array, const Text& text) {
    guardAllocation(text.view().size(), [&] { array.append(text); });
}

}  // namespace hotlist
