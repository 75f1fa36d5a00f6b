#include "io/folder_boundary.h"

#include <system_error>

namespace fs = std::filesystem;

namespace rca {

namespace {

// Links followed before a path counts as a loop (the kernel's own bound).
constexpr int linkBound = 40;

bool within(const fs::path& folder, const fs::path& p) {
    auto f = folder.begin();
    auto q = p.begin();
    for (; f != folder.end(); ++f, ++q) {
        if (f->empty()) continue; // a trailing separator
        if (q == p.end() || *f != *q) return false;
    }
    return true;
}

fs::path canonicalFolder(const fs::path& folder) {
    std::error_code ec;
    fs::path c = fs::weakly_canonical(folder, ec);
    return ec ? folder.lexically_normal() : c;
}

} // namespace

PathLead leadOf(const fs::path& folder, const fs::path& path) {
    PathLead lead;
    std::error_code ec;
    fs::path p = path.lexically_normal();
    lead.linked = fs::is_symlink(fs::symlink_status(p, ec));
    for (int hops = 0;; ++hops) {
        // The folders on the way, resolved as the system would.
        fs::path parent = fs::weakly_canonical(p.parent_path(), ec);
        if (ec) parent = p.parent_path();
        p = parent / p.filename();
        if (!fs::is_symlink(fs::symlink_status(p, ec))) break;
        if (hops == linkBound) {
            lead.target = p;
            return lead; // a loop: never inside
        }
        fs::path next = fs::read_symlink(p, ec);
        if (ec) break;
        p = (next.is_absolute() ? next : parent / next).lexically_normal();
        if (!fs::exists(fs::symlink_status(p, ec)))
            lead.dangling = true;
        else
            lead.dangling = false;
    }
    lead.target = p;
    lead.inside = within(canonicalFolder(folder), p);
    return lead;
}

std::string outsideWrite(const fs::path& folder, const fs::path& path) {
    const PathLead lead = leadOf(folder, path);
    if (lead.inside) return {};
    const std::string name = path.lexically_relative(folder).empty()
                                 ? path.string()
                                 : path.lexically_relative(folder).string();
    if (lead.linked && lead.dangling)
        return name + " is a link to " + lead.target.string() +
               ", which does not exist and lies outside the working folder";
    if (lead.linked)
        return name + " is a link to " + lead.target.string() + ", outside the working folder";
    return name + " leads to " + lead.target.string() + ", outside the working folder";
}

} // namespace rca
