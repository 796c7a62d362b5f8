// Files of data (scripts, pictures) are regular files only: a FIFO or a device would
// block or never end, and a directory is no file at all. A picture replaces its file
// only when it is complete, so that a failed or interrupted run leaves the older file,
// or none, but never half of one.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace gfx {

enum class FileKind { Missing, Regular, Directory, Other };

// What path names, following links; Missing when nothing is there.
FileKind fileKind(const std::string& path);
// What the open file descriptor fd is.
FileKind fileKind(int fd);

// Opens path with open()'s flags (O_RDONLY, or O_WRONLY | O_CREAT | O_TRUNC) and keeps
// it only when it is a regular file: a FIFO, a device or a directory would hang the
// program or never end, and a FIFO is opened without blocking to find that out. The
// bytes are read and written as they are (no line-end translation on Windows). -1 when
// it cannot be opened or is no regular file.
int openRegularFile(const std::string& path, int flags);

// Whether path can be written, without leaving a new empty file behind; otherwise why
// holds the system's reason.
bool writable(const std::string& path, std::string& why);
// Whether path is a regular file that can be read; otherwise why holds the system's
// reason, "it is a directory" or "it is not a regular file".
bool readableFile(const std::string& path, std::string& why);

// Writes a file beside the path (path.tmp, or path.tmp1 and on when that exists) and
// renames it over the path only when every write and the close went well. The file is
// created fresh, so that no other file, a leftover of an earlier run included, is ever
// written into; one that is not committed is removed.
class FileReplacement {
public:
    FileReplacement() = default;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement() { abandon(); }

    // Refuses a path that names something other than a regular file, so that nothing
    // but a file is ever replaced, then creates the temporary file.
    bool open(const std::string& path, std::string& error);
    // Appends the bytes; false when not all of them were written.
    bool write(const void* bytes, std::size_t size);
    bool writeFailed() const { return writeErrno_ != 0; }
    // "cannot write" the temporary file, with the reason of the first failed write.
    std::string writeFailure() const;
    // Closes the temporary file and renames it over the path; on failure removes it and
    // says why.
    bool commit(std::string& error);
    // Closes and removes the temporary file, if one is open.
    void abandon();

    const std::string& temporaryPath() const { return temporary_; }

private:
    std::string path_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
    int writeErrno_ = 0;  // of the first write that failed
};

}  // namespace gfx
