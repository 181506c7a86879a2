#include "skin/stack_fault.h"

#include "skin_texts.h"
#include "text/fatal_stop.h"

namespace hotlist {

// Whatever the callee did to the stack, nothing after it can be trusted any more.
void stopOnUnbalancedStack() {
    fatalStop(kUnbalancedStackCode, skin_texts::unbalancedStack);
}

}  // namespace hotlist
