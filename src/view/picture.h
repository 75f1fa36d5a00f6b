#pragma once
// The space-time picture as pure functions over the model: where each cell
// of a row goes, which mark it leaves, and the shapes to draw. The command
// in picture_commands.cpp reads the VIEW boxes and paints the shapes.
#include "model/model.h"
#include "state/picture_state.h"

#include <cstdint>
#include <vector>

namespace rca {

// The VIEW boxes and hidden selectors the picture reads.
struct ViewBoxes {
    bool ordinary = true;
    bool showLineI = true;  // CheckBox34
    bool showLineII = true; // CheckBox35
    bool mA = true, mB = true, mC = true;
    bool mdA = true, mdB = true, mdC = true;
    int side = 0;      // side selector item (RadioGroup9)
    bool rise = false; // rise selector on "verh" (RadioGroup11)
};

// A box (x1, y1)-(x2, y2), right and bottom edges excluded. 64-bit, so huge
// typed cell sizes cannot overflow.
struct Box {
    int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const Box&) const = default;
};

struct Shape {
    enum class Kind {
        Square, // filled box, no outline
        Ring,   // hollow ellipse, pen of `color` and `penWidth`
        Disc    // filled ellipse of `color`, no outline
    };
    Kind kind = Kind::Square;
    Box box;
    uint32_t color = 0;
    int penWidth = 0;
};

// Ordinary view: the square of cell i of line I and the ring box of line II.
Box ordinarySquare(const PictureState& p, int i, int32_t stepTime, int side);
Box ordinaryRingBox(const PictureState& p, int i, int32_t stepTime);

// Clock view: the pixel offset of a clock value below the picture top,
// 0.75 rows per clock unit above `clockOrigin`.
int64_t clockOffset(const PictureState& p, int32_t clock);
// Ellipse boxes of the clock view. Line I's are narrowed (C one pixel less),
// line II's flattened.
Box clockBoxI(const PictureState& p, int i, int32_t clock, const ViewBoxes& v, CellState s);
Box clockBoxII(const PictureState& p, int i, int32_t clock, const ViewBoxes& v);

// The mark row of a cell: clock / 2 for C, one row higher for A and B.
int32_t markRow(CellState s, int32_t clock);
// Sets a mark; a row or column outside the grid is skipped. True when set.
bool setMark(MarkGrid& grid, int32_t row, int column);

// One call of the picture routine: appends the shapes of the current row,
// writes the clock view's marks and lastCRowI, and advances the done
// markers of the lines it drew.
void pictureRow(Model& m, const ViewBoxes& v, std::vector<Shape>& out);

} // namespace rca
