#include "gui/chart_widget.h"

#include "forms/canvas.h"
#include "forms/chart_axes.h"
#include "gui/qt_text.h"

#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace rcagui {

namespace {

void placeAt(QWidget* w, const rca::Control& c) {
    const auto& g = c.geometry();
    w->setGeometry(g.x, g.y, g.w, g.h);
}

QXYSeries* makeSeries(const rca::ChartSeries& s) {
    QXYSeries* out = nullptr;
    if (s.style == rca::ChartSeries::Style::Point) {
        auto* scatter = new QScatterSeries;
        scatter->setMarkerSize(6);
        out = scatter;
    } else {
        out = new QLineSeries; // bars are drawn as a line of their tops
    }
    out->setName(qs(s.title));
    out->setColor(rca::toQColor(s.color));
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(s.points.size()));
    for (const rca::ChartPoint& p : s.points)
        points.append(QPointF(p.x, p.y));
    out->replace(points);
    return out;
}

struct Span {
    double lo = 0, hi = 1;
    bool whole = true;
};

// Indices and counts get whole-number ticks ("11", never "11.0"), at most
// about six of them; other values keep the axis' own ticks.
void setAxis(QValueAxis* axis, Span s, const std::string& title) {
    axis->setTitleText(qs(title));
    if (s.hi <= s.lo) s.hi = s.lo + 1;
    if (!s.whole) {
        axis->setRange(s.lo, s.hi);
        return;
    }
    s.lo = std::floor(s.lo);
    s.hi = std::ceil(s.hi);
    axis->setRange(s.lo, s.hi);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(wholeTickStep(s.hi - s.lo));
}

void include(Span& s, double v, bool first) {
    s.lo = first ? v : std::min(s.lo, v);
    s.hi = first ? v : std::max(s.hi, v);
    s.whole = s.whole && std::isfinite(v) && v == std::floor(v);
}

void rebuild(QChart* chart, const rca::Chart& c) {
    chart->removeAllSeries();
    // A removed axis is the caller's to delete.
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    auto* ax = new QValueAxis;
    auto* ay = new QValueAxis;
    chart->addAxis(ax, Qt::AlignBottom);
    chart->addAxis(ay, Qt::AlignLeft);
    Span x, y;
    bool first = true;
    for (const rca::ChartSeries& s : c.series()) {
        for (const rca::ChartPoint& p : s.points) {
            include(x, p.x, first);
            include(y, p.y, first);
            first = false;
        }
        QXYSeries* series = makeSeries(s);
        chart->addSeries(series);
        series->attachAxis(ax);
        series->attachAxis(ay);
    }
    y.lo = std::min(0.0, y.lo);
    const rca::AxisTitles titles = rca::axisTitles(c);
    setAxis(ax, x, titles.x);
    setAxis(ay, y, titles.y);
}

} // namespace

double wholeTickStep(double span) {
    double step = 1;
    // 1, 2, 5, 10, 20, 50 … until at most six intervals fill the span.
    for (int k = 0; span / step > 6 && step < 1e15; ++k)
        step *= (k % 3 == 1) ? 2.5 : 2;
    return step;
}

ControlWidget makePanel(rca::Panel& p, QWidget* parent) {
    auto* w = new QLabel(parent);
    placeAt(w, p);
    w->setAutoFillBackground(true);
    w->setAlignment(Qt::AlignCenter);
    auto refresh = [w, &p] {
        w->setText(qs(p.caption()));
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, rca::toQColor(p.color()));
        w->setPalette(pal);
    };
    return {w, refresh};
}

ControlWidget makeChart(rca::Chart& c, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(qs(c.caption()));
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    auto* view = new QChartView(chart, parent);
    placeAt(view, c);
    auto* pending = new QTimer(view);
    pending->setSingleShot(true);
    pending->setInterval(0);
    QObject::connect(pending, &QTimer::timeout, view, [chart, &c] { rebuild(chart, c); });
    auto refresh = [pending] { pending->start(); };
    rebuild(chart, c);
    return {view, refresh};
}

} // namespace rcagui
