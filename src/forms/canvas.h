#pragma once
// The drawing surface: an off-screen 24-bit image with a GDI-like pen and
// brush. Colours are packed as red + green * 256 + blue * 65536.
#include <QImage>
#include <cstdint>
#include <functional>
#include <string>

namespace rca {

constexpr uint32_t clBlack = 0x000000;
constexpr uint32_t clRed = 0x0000FF;
constexpr uint32_t clBlue = 0xFF0000;
constexpr uint32_t clWhite = 0xFFFFFF;
constexpr uint32_t clGreen = 0x00FF00;
constexpr uint32_t clGray = 0x808080;
constexpr uint32_t clYellow = 0x00FFFF;
// The button-face colour of the window background, also used to erase.
constexpr uint32_t clBtnFace = 0xF0F0F0;
// The system highlight colour.
constexpr uint32_t clHighlight = 0xD77800;

enum class PenStyle { Solid, Clear };
enum class BrushStyle { Solid, Clear };

struct Pen {
    uint32_t color = clBlack;
    PenStyle style = PenStyle::Solid;
    int width = 1;
};

struct Brush {
    uint32_t color = clWhite;
    BrushStyle style = BrushStyle::Solid;
};

class Canvas {
  public:
    Canvas(int width, int height);

    Pen pen;
    Brush brush;

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // Boxes are (x1, y1)-(x2, y2) with the right and bottom edges excluded.
    void fillRect(int x1, int y1, int x2, int y2, uint32_t color);
    void rectangle(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    void line(int x1, int y1, int x2, int y2);
    void setPixel(int x, int y, uint32_t color);
    // 0 outside the surface.
    uint32_t pixel(int x, int y) const;
    void drawImage(int x, int y, const QImage& img);

    const QImage& image() const { return image_; }
    // Why the picture could not be written, or empty once it was.
    std::string savePng(const std::string& path) const;

    // Called after every drawing operation with the dirty box, so a view can repaint.
    std::function<void(int x, int y, int w, int h)> onChanged;

  private:
    void touched(int x1, int y1, int x2, int y2);
    QImage image_;
};

QColor toQColor(uint32_t packed);
uint32_t fromQColor(QColor c);

} // namespace rca
