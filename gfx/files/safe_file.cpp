#include "gfx/files/safe_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace gfx {

namespace {

FileKind kindOf(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return FileKind::Regular;
    return S_ISDIR(st.st_mode) ? FileKind::Directory : FileKind::Other;
}

std::string reason(int code) {
    return std::strerror(code);
}

}  // namespace

FileKind fileKind(const std::string& path) {
    struct stat st = {};
    if (stat(path.c_str(), &st) == 0) return kindOf(st);
    return errno == ENOENT || errno == ENOTDIR ? FileKind::Missing : FileKind::Other;
}

FileKind fileKind(int fd) {
    struct stat st = {};
    return fstat(fd, &st) == 0 ? kindOf(st) : FileKind::Other;
}

bool writable(const std::string& path, std::string& why) {
    const bool existed = access(path.c_str(), F_OK) == 0;
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (!f) {
        why = reason(errno);
        return false;
    }
    std::fclose(f);
    if (!existed) std::remove(path.c_str());
    return true;
}

bool readableFile(const std::string& path, std::string& why) {
    const FileKind kind = fileKind(path);
    if (kind == FileKind::Missing || access(path.c_str(), R_OK) != 0) {
        why = reason(errno);
        return false;
    }
    if (kind != FileKind::Regular) {
        why = kind == FileKind::Directory ? "it is a directory" : "it is not a regular file";
        return false;
    }
    return true;
}

bool FileReplacement::open(const std::string& path, std::string& error) {
    abandon();
    const FileKind kind = fileKind(path);
    if (kind != FileKind::Missing && kind != FileKind::Regular) {
        error = path + " is not a regular file";
        return false;
    }
    path_ = path;
    writeErrno_ = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary_ = path + ".tmp" + (attempt ? std::to_string(attempt) : "");
        file_ = std::fopen(temporary_.c_str(), "wbx");
        if (file_) return true;
        if (errno != EEXIST) break;
    }
    error = "cannot create " + temporary_ + ": " + reason(errno);
    return false;
}

bool FileReplacement::write(const void* bytes, std::size_t size) {
    errno = 0;
    if (std::fwrite(bytes, 1, size, file_) == size) return true;
    if (writeErrno_ == 0) writeErrno_ = errno ? errno : EIO;
    return false;
}

std::string FileReplacement::writeFailure() const {
    return "cannot write " + temporary_ + ": " + reason(writeErrno_ ? writeErrno_ : EIO);
}

bool FileReplacement::commit(std::string& error) {
    if (!file_) {
        error = "cannot write " + path_ + ": nothing was opened";
        return false;
    }
    if (writeErrno_ == 0 && std::fflush(file_) != 0) writeErrno_ = errno ? errno : EIO;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed && writeErrno_ == 0) writeErrno_ = errno ? errno : EIO;
    if (writeErrno_ != 0) {
        error = writeFailure();
        std::remove(temporary_.c_str());
        return false;
    }
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        error = "cannot rename " + temporary_ + " to " + path_ + ": " + reason(errno);
        std::remove(temporary_.c_str());
        return false;
    }
    return true;
}

void FileReplacement::abandon() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    std::remove(temporary_.c_str());
}

}  // namespace gfx
