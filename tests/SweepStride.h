#pragma once
// Tests that sweep whole lists (every blazon, every spelling row, hundreds of random cases) visit
// every item in a normal build and every eighth under the address sanitizer, whose unoptimised,
// instrumented code is some twenty times slower: the sample still takes every kind of code
// through the memory checks, and the normal build checks every item.
// Tests of volume (a whole armorial drawn, a hundred thousand lines counted) run in the normal
// build only: their code paths are the ones smaller tests already take through the memory checks.
// (GCC names the sanitizer by a macro; clang by a feature test.)

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define ESCAVAL_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ESCAVAL_TEST_SANITIZED 1
#endif
#endif

namespace esc::test {

#if defined(ESCAVAL_TEST_SANITIZED)
inline constexpr std::size_t kSweepStride = 8;
inline constexpr bool kSanitized = true;
#else
inline constexpr std::size_t kSweepStride = 1;
inline constexpr bool kSanitized = false;
#endif

}  // namespace esc::test
