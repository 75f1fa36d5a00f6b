#pragma once
// Where a write to a path would land once every link on the way is followed.
// A working folder may come from someone else, so a link planted in it must
// not carry a write out of it.
#include <filesystem>
#include <string>

namespace rca {

struct PathLead {
    std::filesystem::path target; // absolute, every link followed
    bool inside = false;          // target lies in the folder (or is it)
    bool dangling = false;        // a link on the way names nothing that exists
    bool linked = false;          // the path itself is a link
};

// `folder` and `path` absolute. Follows links in every component, the last
// one too (as a write would), up to a bound, past which the path counts as
// outside (a loop).
PathLead leadOf(const std::filesystem::path& folder, const std::filesystem::path& path);

// "CA/ca5.dat is a link to /home/x/victim, outside the working folder" and the
// like; empty when a write through `path` stays inside.
std::string outsideWrite(const std::filesystem::path& folder, const std::filesystem::path& path);

} // namespace rca
