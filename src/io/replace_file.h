#pragma once
// Whole files the user chose are written to a temporary beside the file and
// renamed over it, so a failed write never leaves a truncated file where a
// good one was, and a power loss leaves the old file or the new one.
//
// The contract (docs/reliability.md):
// - A symbolic link is followed to the file it finally names, and that file
//   is replaced; the link stays a link.
// - The temporary is created exclusively (a name that exists, a link
//   included, is never opened) under a short unique name in that file's
//   folder, written, flushed to the disk, renamed, and the folder flushed.
// - Where a rename would change what the name is (a file with other hard
//   links, a folder the user cannot write to) the file is written in place;
//   a failure there may leave it damaged, and is reported like any other.
// - Something that is not a regular file, a write-protected file and a
//   missing folder are refused and left alone.
#include <cstddef>
#include <filesystem>
#include <string>

namespace rca {

// Writes `size` bytes as the whole of `file`. Returns why it could not (with
// the system's own words for the error), or "" when the file now holds
// exactly these bytes.
std::string replaceFile(const std::filesystem::path& file, const void* data, size_t size);

} // namespace rca
