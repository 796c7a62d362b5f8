#include "gfx/render/regular_file.h"

#include <sys/stat.h>

#include <cerrno>

namespace gfx {

namespace {
FileKind kindOf(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return FileKind::Regular;
    return S_ISDIR(st.st_mode) ? FileKind::Directory : FileKind::Other;
}
}  // namespace

FileKind fileKind(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) return kindOf(st);
    return errno == ENOENT || errno == ENOTDIR ? FileKind::Missing : FileKind::Other;
}

FileKind fileKind(int fd) {
    struct stat st {};
    return fstat(fd, &st) == 0 ? kindOf(st) : FileKind::Other;
}

}  // namespace gfx
