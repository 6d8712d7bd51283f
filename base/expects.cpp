#include "base/expects.h"

#include <cstdio>
#include <cstdlib>

namespace huecast {

void PreconditionFailed(const char* condition, const char* message, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: precondition failed: %s (%s)\n", file, line, message, condition);
    std::fflush(stderr);
    std::abort();
}

}  // namespace huecast
