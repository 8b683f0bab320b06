#pragma once
// The error text a failed call hands back, where its caller asked for one.

#include <string>
#include <utility>

namespace esc::db {

inline void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

}  // namespace esc::db
