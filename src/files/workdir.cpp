#include "files/workdir.h"

#include "files/frame_bmp.h"
#include "files/weight_profile_file.h"
#include "state/fixed_paths.h"

#include <fstream>
#include <functional>

namespace rca {

namespace {

namespace fs = std::filesystem;

// A square file: length 11 little-endian, then 100 cells of A.
bool writeDefaultSquare(const fs::path& file) {
    std::ofstream out(file, std::ios::binary);
    const unsigned char length[4] = {11, 0, 0, 0};
    out.write(reinterpret_cast<const char*>(length), 4);
    for (int i = 0; i < 100; ++i)
        out.put(2);
    return static_cast<bool>(out);
}

// Creates what the layout lacks and remembers what it made; after the first
// failure it does nothing more and keeps the reason.
class Maker {
  public:
    Maker(const fs::path& dir, std::vector<std::string>* made) : dir_(dir), made_(made) {}

    // "" is the working folder itself.
    void folder(const std::string& name) {
        if (!error_.empty()) return;
        std::error_code ec;
        const fs::path p = name.empty() ? dir_ : dir_ / name;
        const bool existed = fs::is_directory(p);
        fs::create_directories(p, ec);
        if (ec)
            error_ = "cannot create " + p.string() + ": " + ec.message();
        else if (!existed)
            note(name.empty() ? name : name + "/");
    }

    // Writes `name` with `write` unless it exists already.
    void file(const std::string& name, const std::function<bool(const fs::path&)>& write) {
        const fs::path p = dir_ / name;
        if (!error_.empty() || fs::exists(p)) return;
        if (!write(p) || !fs::exists(p))
            error_ = "cannot create " + p.string();
        else
            note(name);
    }

    const std::string& error() const { return error_; }

  private:
    void note(const std::string& what) {
        if (made_) made_->push_back(what);
    }

    fs::path dir_;
    std::vector<std::string>* made_;
    std::string error_;
};

} // namespace

std::string initWorkdir(const fs::path& dir, std::vector<std::string>* made) {
    Maker m(dir, made);
    m.folder("");
    for (const char* f : paths::folders)
        m.folder(f);
    for (const char* slot : paths::squareSlots)
        m.file(slot, [](const fs::path& p) { return writeDefaultSquare(p); });
    m.file(paths::squareByte, [](const fs::path& p) {
        std::ofstream out(p, std::ios::binary);
        return static_cast<bool>(out.put(2));
    });
    m.file(paths::weightProfiles, [](const fs::path& p) {
        ProfileValues start;
        start.fill(0.21);
        return writeProfileFile(p.string(), start, true);
    });
    // Frame templates: a header of the right size is all a template needs.
    for (const FrameSize& size : frameSizes())
        m.file(size.templatePath, [size](const fs::path& p) {
            const auto header = bmpHeader(size.width, size.height);
            std::ofstream out(p, std::ios::binary);
            return static_cast<bool>(out.write(reinterpret_cast<const char*>(header.data()),
                                               static_cast<std::streamsize>(header.size())));
        });
    // The mask file starts empty: 'Write mask' never creates it.
    m.file(paths::freezeMaskFile,
           [](const fs::path& p) { return static_cast<bool>(std::ofstream(p, std::ios::binary)); });
    // Two sample records of eight points each, inside a 51 x 51 square.
    m.file(fixedPath(paths::pointsFile), [](const fs::path& p) {
        std::ofstream out(p);
        return static_cast<bool>(out
                                 << "0  10 10  10 12  12 10  12 12  30 30  30 32  32 30  32 32\n"
                                 << "1  20 5  21 5  22 5  23 5  24 5  25 5  26 5  27 5\n");
    });
    return m.error();
}

bool isWorkdir(const fs::path& dir) {
    std::error_code ec;
    for (const char* f : paths::folders)
        if (!fs::is_directory(dir / f, ec)) return false;
    for (const char* slot : paths::squareSlots)
        if (!fs::is_regular_file(dir / slot, ec)) return false;
    return true;
}

} // namespace rca
