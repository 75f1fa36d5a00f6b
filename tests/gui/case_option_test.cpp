// `rcalab --case FILE:N`: the window opens with the case set up for 'GO',
// and a bad reference is shown as an error with the start-up trial kept.
#include "files/workdir.h"
#include "gui/case_option.h"
#include "gui/error_report.h"
#include "gui/main_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class CaseOptionTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(rca::initWorkdir(dir_.path().toStdString()).empty());
        QVERIFY(QDir::setCurrent(dir_.path()));
        QFile cases(dir_.filePath("cases.jsonl"));
        QVERIFY(cases.open(QIODevice::WriteOnly));
        cases.write("{\"length\": 9, \"line\": \"BAAAAAAAA\", \"verdict\": \"NOT\", \"mask\": "
                    "{\"left\": [1], \"right\": [1, 2]}, \"border\": \"circle\", \"stepLimit\": "
                    "1000000, \"endStep\": 9, \"row\": 1, \"column\": 7}\n"
                    "{\"length\": 7, \"line\": \"ABBAAAA\", \"verdict\": \"NOT\", \"mask\": "
                    "{\"left\": [2], \"right\": [3]}, \"border\": \"frozen\", \"stepLimit\": "
                    "50, \"endStep\": null, \"row\": null, \"column\": null}\n");
    }

    void caseIsSetUpInTheWidgets() {
        rcagui::MainWindow w;
        rcagui::openCaseFromArguments(w, {"rcalab", "--case", "cases.jsonl:2"});
        const rca::Model& m = w.workbench().model();
        QCOMPARE(m.lineLength, 7);
        QCOMPARE(m.lineI[1], rca::B);
        QCOMPARE(m.borderMode, 0);
        QCOMPARE(qobject_cast<QLineEdit*>(w.controlWidget("Edit1"))->text(), QString("7"));
        QVERIFY(qobject_cast<QCheckBox*>(w.controlWidget("CheckBox4"))->isChecked());
        QVERIFY(!qobject_cast<QCheckBox*>(w.controlWidget("CheckBox3"))->isChecked());
        QVERIFY(!qobject_cast<QCheckBox*>(w.controlWidget("CheckBox33"))->isChecked());
        QCOMPARE(w.workbench().form1().RadioGroup12.itemIndex(), 0);
    }

    void badReferenceIsShownAndTheStartUpTrialStays() {
        rcagui::MainWindow w;
        const rca::Line before = w.workbench().model().lineI;
        for (const char* reference : {"cases.jsonl:3", "cases.jsonl", "missing.jsonl:1"}) {
            const int errors = rcagui::errorCount();
            rcagui::openCaseFromArguments(w, {"rcalab", "--case", reference});
            QCOMPARE(rcagui::errorCount(), errors + 1);
        }
        QCOMPARE(w.workbench().model().lineI, before);
    }

  private:
    QTemporaryDir dir_;
};

QTEST_MAIN(CaseOptionTest)
#include "case_option_test.moc"
