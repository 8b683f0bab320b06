#pragma once
// The standard headers each library and test program compiles once (the build's precompiled
// header). Marked a system header: read from the precompiled file, the standard library's own
// code would otherwise be warned about as though it were ours.
#pragma GCC system_header

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
