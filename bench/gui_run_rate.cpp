// How many batches per second the continuous run reaches in the desktop
// window, drawing every row. Shows the window, sets up an endless trial,
// clicks GO and counts Timer1 ticks and paint events over a span of real time.
//
//   gui_run_rate [seconds=5] [length=11] [ordinary=1] [stepsPerPress=1]
//                [paint=1] [precise=0]
//
// paint=0 checks 'not paint', so no row is drawn; precise=1 switches the
// QTimer behind Timer1 to Qt::PreciseTimer, to see what the timer costs.
// Run under a display (xvfb-run -a bench/gui_run_rate).
#include "gui/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int argument(int argc, char** argv, int index, int fallback) {
    return argc > index ? std::atoi(argv[index]) : fallback;
}

// No mask box: A stays A, C and B swap, so both lines keep a C and the
// trial never ends by itself.
void endlessTrial(rca::Workbench& wb, int length, bool ordinary, int steps) {
    rca::TForm1& f = wb.form1();
    f.Edit1.setText(std::to_string(length));
    f.Edit2.setText(std::to_string(steps));
    for (int d = 1; d <= rca::maxDistance; ++d) {
        f.maskLeft[d]->setChecked(false);
        f.maskRight[d]->setChecked(false);
    }
    f.CheckBox33.setChecked(ordinary);
    rca::Model& m = wb.model();
    for (int i = 0; i < m.lineLength; ++i) {
        m.lineI[i] = i % 4 == 0 ? rca::C : i % 4 == 1 ? rca::B : rca::A;
        m.lineII[i] = m.lineI[i] == rca::A ? rca::B : m.lineI[i] == rca::B ? rca::A : rca::C;
    }
    m.stepTime = 0;
    m.lineIDone = m.lineIIDone = 0;
    m.cellWidth = m.cellHeight = std::max(1, 500 / std::max(1, length));
}

class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(o, e);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argument(argc, argv, 1, 5);
    const int length = argument(argc, argv, 2, 11);
    const bool ordinary = argument(argc, argv, 3, 1) != 0;
    const int steps = argument(argc, argv, 4, 1);
    const bool paint = argument(argc, argv, 5, 1) != 0;
    const bool precise = argument(argc, argv, 6, 0) != 0;

    rcagui::MainWindow window;
    window.show();
    rca::Workbench& wb = window.workbench();
    wb.form1().notpaint1.setChecked(!paint);
    if (precise) {
        if (auto* q = const_cast<QTimer*>(window.timerDriving("Timer1")))
            q->setTimerType(Qt::PreciseTimer);
    }
    PaintCounter counter;
    app.installEventFilter(&counter);

    int ticks = 0;
    const auto countTick = [&ticks, &wb] {
        ++ticks;
        wb.run("Button2Click");
    };
    wb.commands().replace("Timer1Timer", countTick);

    QElapsedTimer clock;
    int32_t startTime = 0;
    QTimer::singleShot(500, [&] {
        endlessTrial(wb, length, ordinary, steps);
        startTime = wb.model().stepTime;
        counter.paints = 0;
        clock.start();
        wb.form1().Button6.userClick();
    });
    QTimer::singleShot(500 + seconds * 1000, [&] {
        wb.form1().Button7.userClick();
        const double s = clock.nsecsElapsed() / 1e9;
        std::printf("L=%d %s view, %d step(s) per batch, %s, %s timer, %.2f s\n", length,
                    ordinary ? "ordinary" : "clock", steps, paint ? "drawing" : "not paint",
                    precise ? "precise" : "coarse", s);
        std::printf("batches: %d (%.0f/s), stepTime advanced %d, paint events: %d (%.0f/s)\n",
                    ticks, ticks / s, wb.model().stepTime - startTime, counter.paints,
                    counter.paints / s);
        app.quit();
    });
    return app.exec();
}
