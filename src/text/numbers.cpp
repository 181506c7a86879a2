#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "text/fatal_stop.h"
#include "text/text.h"
#include "text_texts.h"

namespace hotlist {

// Truncates toward zero. Reals beyond the 32-bit range saturate and NaN gives 0, where a
// plain conversion would be undefined.
std::int32_t truncateToInteger(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double whole = std::trunc(value);
    if (whole >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (whole <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(whole);
}

std::uint8_t toByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

// As fmod: the sign follows a. A zero divisor is a fatal stop.
double remainder(double a, double b) {
    if (b == 0.0) {
        fatalStop(std::nullopt, texts::remainderByZero);
    }
    return std::fmod(a, b);
}

// Counts of 32 or more shift every bit out; a count of 0 or below leaves the value.
std::int32_t shiftLeft(std::int32_t value, int k) {
    if (k <= 0) {
        return value;
    }
    if (k >= 32) {
        return 0;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) << k);
}

// Arithmetic: the sign bit fills the freed bits, so large counts give 0 or -1.
std::int32_t shiftRight(std::int32_t value, int k) {
    if (k <= 0) {
        return value;
    }
    return value >> (k >= 32 ? 31 : k);
}

std::int32_t bitAnd(std::int32_t a, std::int32_t b) {
    return a & b;
}

}  // namespace hotlist
