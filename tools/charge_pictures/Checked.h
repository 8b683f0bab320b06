#pragma once

#include <string>

namespace charge_pictures {

// A value, or the reason it could not be made (a sentence for the person running the build).
template <typename T>
struct Checked {
    T value{};
    std::string error;  // empty when value is good
    [[nodiscard]] bool ok() const { return error.empty(); }
};

}  // namespace charge_pictures
