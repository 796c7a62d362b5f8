#include "gfx/files/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <cerrno>
#include <cstring>

namespace gfx {

namespace {

#ifdef _WIN32
std::wstring widened(const std::string& utf8) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

// The system's message for a Windows error code, without its closing line end.
std::string systemReason(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string out;
    if (n > 0) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(n), nullptr, 0,
                                              nullptr, nullptr);
        out.resize(static_cast<std::size_t>(bytes));
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(n), out.data(), bytes, nullptr,
                            nullptr);
    }
    LocalFree(text);
    while (!out.empty() &&
           (out.back() == '\n' || out.back() == '\r' || out.back() == ' ' || out.back() == '.'))
        out.pop_back();
    return out.empty() ? "error " + std::to_string(code) : out;
}
#endif

FileKind kindOf(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return FileKind::Regular;
    return S_ISDIR(st.st_mode) ? FileKind::Directory : FileKind::Other;
}

std::string reason(int code) {
    return std::strerror(code);
}

// A stream on a file made anew at path, never one that was there: fopen's "x" is not
// Windows' C library's, open's O_EXCL is everyone's.
std::FILE* createNew(const std::string& path) {
#ifdef _WIN32
    const int fd = ::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                           _S_IREAD | _S_IWRITE);
#else
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
    if (fd < 0) return nullptr;
    std::FILE* f = fdopen(fd, "wb");
    if (!f) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
    }
    return f;
}

// Renames from over to in one step: readers see the old file or the new, never neither.
bool replaceFile(const std::string& from, const std::string& to, std::string& why) {
#ifdef _WIN32
    // Windows' rename refuses an existing target; the platform's replace takes it, and
    // says why not in its own words (a file another program holds open, say).
    const std::wstring wideFrom = widened(from), wideTo = widened(to);
    if (MoveFileExW(wideFrom.c_str(), wideTo.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    why = systemReason(GetLastError());
    return false;
#else
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    why = reason(errno);
    return false;
#endif
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

int openRegularFile(const std::string& path, int flags) {
#ifdef _WIN32
    // No FIFOs to block on; a device (CON, NUL) is refused below.
    const int fd = ::_open(path.c_str(), flags | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
#else
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
#endif
    if (fd < 0) return -1;
    if (fileKind(fd) != FileKind::Regular) {
        ::close(fd);
        return -1;
    }
#ifndef _WIN32
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
#endif
    return fd;
}

bool writable(const std::string& path, std::string& why) {
    // Said as Linux says it: Windows' C library calls a folder opened for writing a
    // denied permission.
    if (fileKind(path) == FileKind::Directory) {
        why = reason(EISDIR);
        return false;
    }
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
        file_ = createNew(temporary_);
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
    std::string why;
    if (!replaceFile(temporary_, path_, why)) {
        error = "cannot rename " + temporary_ + " to " + path_ + ": " + why;
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
