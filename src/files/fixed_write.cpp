#include "files/fixed_write.h"

#include "forms/bench.h"
#include "io/folder_boundary.h"

namespace rca {

std::string fixedWriteRefusal(const Bench& wb, std::string_view name) {
    const std::string outside = outsideWrite(wb.workdir(), wb.file(name));
    return outside.empty() ? outside : "cannot write " + fixedPath(name) + ": " + outside;
}

std::optional<std::filesystem::path> fixedWriteTarget(Bench& wb, std::string_view name) {
    if (const std::string refusal = fixedWriteRefusal(wb, name); !refusal.empty()) {
        wb.report(refusal);
        return std::nullopt;
    }
    return wb.file(name);
}

} // namespace rca
