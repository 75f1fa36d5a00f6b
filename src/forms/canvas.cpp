#include "forms/canvas.h"

#include "io/replace_file.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>

namespace rca {

QColor toQColor(uint32_t packed) {
    return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

uint32_t fromQColor(QColor c) {
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

Canvas::Canvas(int width, int height) : image_(width, height, QImage::Format_RGB32) {
    image_.fill(toQColor(clBtnFace));
}

namespace {

QPen qpen(const Pen& p) {
    if (p.style == PenStyle::Clear) return QPen(Qt::NoPen);
    QPen q(toQColor(p.color));
    q.setWidth(std::max(p.width, 1));
    q.setJoinStyle(Qt::MiterJoin);
    return q;
}

QBrush qbrush(const Brush& b) {
    return b.style == BrushStyle::Clear ? QBrush(Qt::NoBrush) : QBrush(toQColor(b.color));
}

QRect box(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}

} // namespace

void Canvas::touched(int x1, int y1, int x2, int y2) {
    if (!onChanged) return;
    int pad = std::max(pen.width, 1) + 1;
    int l = std::min(x1, x2) - pad, t = std::min(y1, y2) - pad;
    onChanged(l, t, std::abs(x2 - x1) + 2 * pad, std::abs(y2 - y1) + 2 * pad);
}

void Canvas::fillRect(int x1, int y1, int x2, int y2, uint32_t color) {
    if (x1 == x2 || y1 == y2) return;
    QPainter p(&image_);
    p.fillRect(box(x1, y1, x2, y2), toQColor(color));
    touched(x1, y1, x2, y2);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    QPainter p(&image_);
    p.setPen(qpen(pen));
    p.setBrush(qbrush(brush));
    QRect r = box(x1, y1, x2, y2);
    if (pen.style == PenStyle::Clear) {
        if (brush.style == BrushStyle::Solid) p.fillRect(r, toQColor(brush.color));
    } else {
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    touched(x1, y1, x2, y2);
}

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(qpen(pen));
    p.setBrush(qbrush(brush));
    QRect r = box(x1, y1, x2, y2);
    p.drawEllipse(pen.style == PenStyle::Clear ? r : r.adjusted(0, 0, -1, -1));
    touched(x1, y1, x2, y2);
}

void Canvas::line(int x1, int y1, int x2, int y2) {
    if (pen.style == PenStyle::Clear) return;
    QPainter p(&image_);
    p.setPen(qpen(pen));
    p.drawLine(x1, y1, x2, y2);
    touched(x1, y1, x2, y2);
}

void Canvas::setPixel(int x, int y, uint32_t color) {
    if (!image_.rect().contains(x, y)) return;
    image_.setPixel(x, y, toQColor(color).rgb());
    touched(x, y, x + 1, y + 1);
}

uint32_t Canvas::pixel(int x, int y) const {
    if (!image_.rect().contains(x, y)) return 0;
    return fromQColor(QColor(image_.pixel(x, y)));
}

void Canvas::drawImage(int x, int y, const QImage& img) {
    QPainter p(&image_);
    p.drawImage(x, y, img);
    touched(x, y, x + img.width(), y + img.height());
}

std::string Canvas::savePng(const std::string& path) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image_.save(&buffer, "PNG")) return "the picture could not be encoded";
    return replaceFile(path, bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace rca
