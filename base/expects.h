// Preconditions a caller must keep, asserted with a message that tells the caller what they did wrong.
//
//     HUECAST_EXPECTS(y >= 0 && y < Height(), "Bitmap::Row: row index out of range");
//
// Checked in the native, sanitizer and fuzz builds (HUECAST_CHECKS), where a broken precondition prints
// the condition, the message and the place, then aborts; the optimised program and the benchmarks leave
// the check out, so it costs nothing on a hot path.
#pragma once

namespace huecast {

[[noreturn]] void PreconditionFailed(const char* condition, const char* message, const char* file, int line);

}  // namespace huecast

#if defined(HUECAST_CHECKS) && HUECAST_CHECKS
#define HUECAST_EXPECTS(condition, message) \
    ((condition) ? void(0) : ::huecast::PreconditionFailed(#condition, message, __FILE__, __LINE__))
#else
#define HUECAST_EXPECTS(condition, message) ((void)0)
#endif
