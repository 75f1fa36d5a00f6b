#include "gui/chart_widget.h"

#include "forms/canvas.h"
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
    double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
    bool first = true;
    for (const rca::ChartSeries& s : c.series()) {
        for (const rca::ChartPoint& p : s.points) {
            x0 = first ? p.x : std::min(x0, p.x);
            x1 = first ? p.x : std::max(x1, p.x);
            y0 = first ? p.y : std::min(y0, p.y);
            y1 = first ? p.y : std::max(y1, p.y);
            first = false;
        }
        QXYSeries* series = makeSeries(s);
        chart->addSeries(series);
        series->attachAxis(ax);
        series->attachAxis(ay);
    }
    ax->setRange(x0, x1 > x0 ? x1 : x0 + 1);
    ay->setRange(std::min(0.0, y0), y1 > y0 ? y1 : y0 + 1);
}

} // namespace

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
