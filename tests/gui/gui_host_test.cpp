// What the desktop does for the core: modal forms, notices, dialog filters.
#include "forms/form.h"
#include "gui/canvas_view.h"
#include "gui/file_filter.h"
#include "gui/gui_host.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class SmallForm : public rca::Form {
  public:
    SmallForm()
        : Form("TForm3", "Show initial", 403, 437), button(add<rca::Button>("Button1", "DO")),
          hidden(add<rca::Button>("Button2", "hidden")) {
        button.place("", {20, 30, 60, 26});
        hidden.setVisible(false);
        makeSurface(403, 437).setPixel(200, 300, 0x0000FF);
    }
    rca::Button& button;
    rca::Button& hidden;
};

} // namespace

class GuiHostTest : public QObject {
    Q_OBJECT

  private slots:
    void modalFormShowsItsControlsAndLetsGo();
    void noticesDoNotBlockAndKeepRecentOnes();
    void filtersBecomeQtFilters();
};

void GuiHostTest::modalFormShowsItsControlsAndLetsGo() {
    rcagui::GuiHost host;
    QWidget window;
    host.attach(&window, nullptr);
    SmallForm form;
    int clicks = 0;
    form.button.onClick = [&] { ++clicks; };

    QString title;
    QSize size;
    bool hiddenHasWidget = true;
    std::vector<rca::MouseEvent> mouse;
    form.onMouse = [&](const rca::MouseEvent& e) { mouse.push_back(e); };
    QColor drawn;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        title = dialog->windowTitle();
        size = dialog->size();
        hiddenHasWidget = dialog->findChild<QPushButton*>("Button2") != nullptr;
        if (auto* b = dialog->findChild<QPushButton*>("Button1")) b->click();
        if (auto* surface = dialog->findChild<rcagui::CanvasView*>()) {
            drawn = surface->grab().toImage().pixelColor(200, 300);
            QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(150, 250));
        }
        form.close(); // a handler closing its own window ends the dialog
    });
    host.showModal(form);

    QCOMPARE(drawn, QColor(255, 0, 0)); // the form's own surface is shown
    QCOMPARE(mouse.size(), size_t(2));
    QCOMPARE(mouse[0].button, rca::MouseButton::Right);
    QCOMPARE(mouse[0].x, 150);
    QVERIFY(!form.isShowing());
    QCOMPARE(title, QStringLiteral("Show initial"));
    QCOMPARE(size, QSize(403, 437));
    QVERIFY(!hiddenHasWidget);
    QCOMPARE(clicks, 1);
    // The dialog is gone; changes to its controls reach no dead widget.
    form.button.setCaption("again");
    form.hidden.setVisible(true);
}

void GuiHostTest::noticesDoNotBlockAndKeepRecentOnes() {
    rcagui::GuiHost host;
    QLabel line;
    host.attach(nullptr, &line);
    host.message("first");
    host.message("second");
    QVERIFY(line.text().endsWith(QStringLiteral("second")));
    QVERIFY(line.toolTip().contains(QStringLiteral("first")));
    QVERIFY(!QApplication::activeModalWidget());
}

void GuiHostTest::filtersBecomeQtFilters() {
    using rcagui::toQtFilter;
    QCOMPARE(toQtFilter("RCA (*.dat)|*.dat"), QStringLiteral("RCA (*.dat)"));
    // An empty pattern hides nothing.
    QCOMPARE(toQtFilter("*.dat|"), QStringLiteral("*.dat (*)"));
    QCOMPARE(toQtFilter("Pictures|*.bmp;*.BMP|All|*.*"),
             QStringLiteral("Pictures (*.bmp *.BMP);;All (*.*)"));
    QCOMPARE(toQtFilter("Frames (*.bmp)|*.png"), QStringLiteral("Frames (*.bmp) (*.png)"));
    QCOMPARE(toQtFilter(""), QString());
}

QTEST_MAIN(GuiHostTest)
#include "gui_host_test.moc"
