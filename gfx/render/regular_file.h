// Files of data (scripts, pictures) are regular files only: a FIFO or a device would
// block or never end, and a directory is no file at all.
#pragma once

#include <string>

namespace gfx {

enum class FileKind { Missing, Regular, Directory, Other };

// What path names, following links; Missing when nothing is there.
FileKind fileKind(const std::string& path);
// What the open file descriptor fd is.
FileKind fileKind(int fd);

}  // namespace gfx
