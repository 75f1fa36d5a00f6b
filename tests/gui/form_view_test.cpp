// The generic binding of a form's controls to widgets, on a small form.
#include "forms/canvas.h"
#include "gui/chart_widget.h"
#include "gui/form_view.h"
#include "gui/menu_binding.h"
#include "gui/timer_driver.h"

#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QValueAxis>
#include <memory>

namespace {

class TestForm : public rca::Form {
  public:
    explicit TestForm(const std::string& name = "TestForm") : Form(name, "Test", 400, 300) {}
    template <class T, class... Args> T& make(Args&&... args) {
        return add<T>(std::forward<Args>(args)...);
    }
};

} // namespace

class FormViewTest : public QObject {
    Q_OBJECT

  private slots:
    void groupsTakeTheirColourAndFollowIt();
    void hiddenControlsGetAWidgetWhenShown();
    void controlsWithoutHandlerShowDisabled();
    void typingRunsTheChangeHandlerPerEdit();
    void radioGroupShowsNoSelectionAndTakesClicks();
    void upDownArrowsMoveThePosition();
    void menuMarkIsTheCoresAndEmptyMenusAreDisabled();
    void timerFollowsCoreAndIntervalZeroNeverRuns();
    void chartAxesCarryTitlesAndWholeNumberTicks();
};

void FormViewTest::groupsTakeTheirColourAndFollowIt() {
    TestForm form;
    auto& group = form.make<rca::GroupBox>("Group", "Manage", 0x0000FF); // red
    group.place("", {10, 10, 200, 100});
    QWidget surface;
    rcagui::FormView view(form, &surface);

    auto* box = qobject_cast<QGroupBox*>(view.widget("Group"));
    QVERIFY(box);
    QCOMPARE(box->title(), QStringLiteral("Manage"));
    QCOMPARE(box->geometry(), QRect(10, 10, 200, 100));
    QCOMPARE(box->palette().color(QPalette::Window), QColor(255, 0, 0));
    QVERIFY(box->autoFillBackground());

    group.setColor(0x00FF00); // green
    QCOMPARE(box->palette().color(QPalette::Window), QColor(0, 255, 0));
}

void FormViewTest::hiddenControlsGetAWidgetWhenShown() {
    TestForm form;
    auto& group = form.make<rca::GroupBox>("Group", "G", rca::clBtnFace);
    auto& inGroup = form.make<rca::Label>("Inner", "inner");
    auto& loose = form.make<rca::Label>("Loose", "loose");
    group.place("", {0, 0, 100, 100});
    inGroup.place("Group", {5, 20, 40, 16});
    loose.place("", {150, 5, 40, 16});
    group.setVisible(false);
    loose.setVisible(false);
    QWidget surface;
    rcagui::FormView view(form, &surface);

    QVERIFY(!view.widget("Group"));
    QVERIFY(!view.widget("Inner")); // its group has no widget yet
    QVERIFY(!view.widget("Loose"));

    loose.setVisible(true);
    QVERIFY(view.widget("Loose"));
    QCOMPARE(view.widget("Loose")->parentWidget(), &surface);

    group.setVisible(true);
    QVERIFY(view.widget("Group"));
    QVERIFY(view.widget("Inner"));
    QCOMPARE(view.widget("Inner")->parentWidget(), view.widget("Group"));
    QCOMPARE(view.widget("Inner")->pos(), QPoint(5, 20));

    // Once built, a widget follows the control's visibility.
    loose.setVisible(false);
    QVERIFY(view.widget("Loose")->isHidden());
    inGroup.setCaption("changed");
    QCOMPARE(qobject_cast<QLabel*>(view.widget("Inner"))->text(), QStringLiteral("changed"));
}

void FormViewTest::controlsWithoutHandlerShowDisabled() {
    TestForm form;
    auto& wired = form.make<rca::Button>("Wired", "go");
    form.make<rca::Button>("Unwired", "later");
    auto& box = form.make<rca::CheckBox>("Box", "b");
    int clicks = 0;
    wired.onClick = [&] { ++clicks; };
    box.onClick = [] {};
    QWidget surface;
    rcagui::FormView view(form, &surface);

    QVERIFY(view.widget("Wired")->isEnabled());
    QVERIFY(!view.widget("Unwired")->isEnabled());
    QVERIFY(view.widget("Box")->isEnabled());

    qobject_cast<QPushButton*>(view.widget("Wired"))->click();
    QCOMPARE(clicks, 1);

    wired.setEnabled(false);
    QVERIFY(!view.widget("Wired")->isEnabled());
    box.setEnabled(false);
    QVERIFY(!view.widget("Box")->isEnabled());
}

void FormViewTest::typingRunsTheChangeHandlerPerEdit() {
    TestForm form;
    auto& edit = form.make<rca::Edit>("Edit", "5");
    edit.place("", {0, 0, 80, 22});
    std::vector<std::string> seen;
    edit.onChange = [&] { seen.push_back(edit.text()); };
    QWidget surface;
    rcagui::FormView view(form, &surface);
    auto* line = qobject_cast<QLineEdit*>(view.widget("Edit"));
    QVERIFY(line);
    QCOMPARE(line->text(), QStringLiteral("5"));

    line->setFocus();
    line->end(false);
    QTest::keyClicks(line, "12");
    QCOMPARE(edit.text(), std::string("512"));
    QCOMPARE(seen, (std::vector<std::string>{"51", "512"}));

    // From code: the widget follows, and nothing runs twice.
    QSignalSpy edited(line, &QLineEdit::textEdited);
    edit.setText("7");
    QCOMPARE(line->text(), QStringLiteral("7"));
    QCOMPARE(seen.size(), size_t(3));
    QCOMPARE(edited.count(), 0);
}

void FormViewTest::radioGroupShowsNoSelectionAndTakesClicks() {
    TestForm form;
    auto& group = form.make<rca::RadioGroup>("Pick", "Pick", std::vector<std::string>{"Yes", "No"});
    group.place("", {0, 0, 110, 32}); // too low for two rows: one row of two
    int runs = 0;
    group.onClick = [&] { ++runs; };
    QWidget surface;
    rcagui::FormView view(form, &surface);
    auto* yes = view.widget("Pick")->findChild<QRadioButton*>("Pick_0");
    auto* no = view.widget("Pick")->findChild<QRadioButton*>("Pick_1");
    QVERIFY(yes && no);
    QVERIFY(!yes->isChecked() && !no->isChecked());
    QCOMPARE(yes->y(), no->y());
    QVERIFY(no->x() > yes->x());

    no->click();
    QCOMPARE(group.itemIndex(), 1);
    QCOMPARE(runs, 1);
    QVERIFY(no->isChecked() && !yes->isChecked());

    group.setItemIndex(-1);
    QVERIFY(!yes->isChecked() && !no->isChecked());

    // Clicking the selected item again changes nothing in the core; the
    // button, which Qt would untick, shows the core's selection again.
    group.setItemIndex(0);
    runs = 0;
    yes->click();
    QCOMPARE(group.itemIndex(), 0);
    QCOMPARE(runs, 0);
    QVERIFY(yes->isChecked() && !no->isChecked());
}

void FormViewTest::upDownArrowsMoveThePosition() {
    TestForm form;
    auto& ud = form.make<rca::UpDown>("Spin", 0, 1000, 20, 10);
    ud.place("", {0, 0, 18, 26});
    std::vector<int> seen;
    ud.onClick = [&] { seen.push_back(ud.position()); };
    QWidget surface;
    rcagui::FormView view(form, &surface);
    auto* up = view.widget("Spin")->findChild<QToolButton*>("Spin_up");
    auto* down = view.widget("Spin")->findChild<QToolButton*>("Spin_down");
    QVERIFY(up && down);
    up->click();
    down->click();
    down->click();
    QCOMPARE(seen, (std::vector<int>{30, 20, 10}));
}

void FormViewTest::menuMarkIsTheCoresAndEmptyMenusAreDisabled() {
    TestForm form;
    auto& keep = form.make<rca::MenuItem>("Keep", "Keep", "One", true);
    auto& flip = form.make<rca::MenuItem>("Flip", "Flip", "One", true);
    auto& hidden = form.make<rca::MenuItem>("Hidden", "Hidden", "Two", false);
    keep.onClick = [] {}; // leaves the mark alone
    flip.onClick = [&] { flip.setChecked(!flip.checked()); };
    hidden.onClick = [] {};
    hidden.setVisible(false);
    QMenuBar bar;
    rcagui::MenuBinding menus(&bar, {"One", "Empty", "Two"}, {&keep, &flip, &hidden});

    QCOMPARE(bar.actions().size(), 3);
    QCOMPARE(bar.actions()[1]->text(), QStringLiteral("Empty"));
    QVERIFY(!bar.actions()[1]->isEnabled());
    QVERIFY(!bar.actions()[2]->isEnabled()); // its only item is hidden
    QVERIFY(bar.actions()[0]->isEnabled());

    QAction* keepAction = menus.action("Keep");
    QVERIFY(keepAction->isCheckable());
    keepAction->trigger(); // Qt would tick it; the core says no
    QVERIFY(!keep.checked());
    QVERIFY(!keepAction->isChecked());

    menus.action("Flip")->trigger();
    QVERIFY(flip.checked());
    QVERIFY(menus.action("Flip")->isChecked());

    keep.setChecked(true); // from code, no handler
    QVERIFY(keepAction->isChecked());

    hidden.setVisible(true);
    QVERIFY(menus.action("Hidden")->isVisible());
    QVERIFY(bar.actions()[2]->isEnabled());
}

void FormViewTest::timerFollowsCoreAndIntervalZeroNeverRuns() {
    TestForm form;
    auto& t = form.make<rca::Timer>("Tick", 0);
    int ticks = 0;
    t.onTimer = [&] { ++ticks; };
    rcagui::TimerDriver driver({&t});
    const QTimer* q = driver.timer("Tick");
    QVERIFY(q);

    t.setEnabled(true);
    QVERIFY(!q->isActive());
    QTest::qWait(30);
    QCOMPARE(ticks, 0);

    t.setInterval(5);
    QVERIFY(q->isActive());
    QCOMPARE(q->interval(), 5);
    QTRY_VERIFY(ticks > 0);

    t.setInterval(0);
    QVERIFY(!q->isActive());
    t.setInterval(5);
    t.setEnabled(false);
    QVERIFY(!q->isActive());
}

void FormViewTest::chartAxesCarryTitlesAndWholeNumberTicks() {
    TestForm form("TForm6"); // its Chart1 counts the uses of rule entries by column
    auto& chart = form.make<rca::Chart>(
        "Chart1", "Counts",
        std::vector<rca::ChartSeries>{{"s", rca::ChartSeries::Style::Point, 0, {}}});
    chart.place("", {0, 0, 300, 200});
    for (int k = 0; k <= 11; ++k)
        chart.addPoint(0, k, k * 3, "", 0);
    QWidget surface;
    rcagui::FormView view(form, &surface);
    auto* chartView = qobject_cast<QChartView*>(view.widget("Chart1"));
    QVERIFY(chartView);
    auto axis = [chartView](Qt::Orientation o) {
        const auto axes = chartView->chart()->axes(o);
        return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.front());
    };
    QVERIFY(axis(Qt::Horizontal) && axis(Qt::Vertical));
    QCOMPARE(axis(Qt::Horizontal)->titleText(), QStringLiteral("column"));
    QCOMPARE(axis(Qt::Vertical)->titleText(), QStringLiteral("uses"));
    // Indices 0 .. 11: ticks 0, 2, 4 … printed without decimals.
    QCOMPARE(axis(Qt::Horizontal)->tickType(), QValueAxis::TicksDynamic);
    QCOMPARE(axis(Qt::Horizontal)->tickInterval(), 2.0);
    QCOMPARE(axis(Qt::Vertical)->tickInterval(), 10.0);
    QCOMPARE(axis(Qt::Horizontal)->labelFormat(), QStringLiteral("%.0f"));

    // A fraction among the values keeps the axis' own ticks.
    chart.addPoint(0, 2.5, 1, "", 0);
    QTRY_COMPARE(axis(Qt::Horizontal)->tickType(), QValueAxis::TicksFixed);
    QCOMPARE(axis(Qt::Vertical)->tickType(), QValueAxis::TicksDynamic);

    // Never more than six intervals, never a step under 1.
    const std::pair<double, double> steps[] = {{0, 1},  {1, 1},  {6, 1},   {7, 2},
                                               {12, 2}, {13, 5}, {31, 10}, {100000, 20000}};
    for (const auto& [span, step] : steps)
        QCOMPARE(rcagui::wholeTickStep(span), step);
}

QTEST_MAIN(FormViewTest)
#include "form_view_test.moc"
