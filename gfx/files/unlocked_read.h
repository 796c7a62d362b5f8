// One byte from a stream that one thread owns, without a lock per character.
#pragma once

#include <cstdio>

namespace gfx {

inline int readByteUnlocked(std::FILE* f) {
#ifdef _WIN32
    return _getc_nolock(f);
#else
    return getc_unlocked(f);
#endif
}

}  // namespace gfx
