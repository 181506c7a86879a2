#pragma once

#include <gtest/gtest.h>

namespace hotlist {

// The fatal stop's exit code -1 reads as 255 where exit statuses are eight bits wide (Linux)
// and as -1 under Windows; an EXPECT_EXIT predicate that accepts it on both.
inline bool exitedWithMinusOne(int status) {
    return ::testing::ExitedWithCode(255)(status) || ::testing::ExitedWithCode(-1)(status);
}

}  // namespace hotlist
