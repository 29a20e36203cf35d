#pragma once

#include "core/street.h"

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace tavolier {

// The street a test names by its number (1 pre-flop to 5 showdown); a number
// no street has is a fault in the test.
inline Street streetAt(int number) {
    const std::optional<Street> street = streetFromNumber(number);
    if (!street)
        throw std::out_of_range("no street numbered " + std::to_string(number));
    return *street;
}

// Streets print as their numbers in test messages.
inline std::ostream& operator<<(std::ostream& out, Street street) {
    return out << streetNumber(street);
}

} // namespace tavolier
