// `rcalab --case FILE:N`: the window opens with the case set up for 'GO',
// and a bad reference is shown as an error with the start-up trial kept.
// The program itself is started too, so the option must reach the window
// through its command line.
#include "files/workdir.h"
#include "gui/case_option.h"
#include "gui/error_report.h"
#include "gui/main_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
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
        rcagui::openCase(w, "cases.jsonl:2");
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
            rcagui::openCase(w, reference);
            QCOMPARE(rcagui::errorCount(), errors + 1);
        }
        QCOMPARE(w.workbench().model().lineI, before);
    }

    // The screenshot hook prints the length field and the frozen-border box,
    // then quits; after a bad reference the window still opens.
    void programOpensTheCaseItsCommandLineNames() {
        struct Run {
            QStringList arguments;
            int exitCode;
            QString out, err;
        };
        const Run runs[] = {
            {{"--case", "cases.jsonl:2", "."}, 0, "Edit1=7\nCheckBox4=1\n", ""},
            {{".", "--case", "cases.jsonl:1"}, 0, "Edit1=9\nCheckBox4=0\n", ""},
            {{"--case", "cases.jsonl:3"}, 0, "Edit1=", "cases.jsonl has no case 3"},
            {{"--case", "cases.jsonl:x"}, 0, "Edit1=", "--case takes FILE:N"},
            {{"--case"}, 2, "", "--case needs a value"},
        };
        for (const Run& run : runs) {
            QProcess program;
            program.setWorkingDirectory(dir_.path());
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("QT_QPA_PLATFORM", "offscreen");
            env.insert("RCALAB_SCREENSHOT", dir_.filePath("shot.png"));
            env.insert("RCALAB_SCREENSHOT_CLICKS", "print:Edit1,print:CheckBox4");
            env.insert("RCALAB_SCREENSHOT_DELAY_MS", "0");
            program.setProcessEnvironment(env);
            program.start(RCALAB_PROGRAM, run.arguments);
            QVERIFY(program.waitForFinished(60000));
            const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
            const QString err = QString::fromLocal8Bit(program.readAllStandardError());
            const QString what = run.arguments.join(' ') + "\n" + out + err;
            QVERIFY2(program.exitCode() == run.exitCode, qPrintable(what));
            QVERIFY2(out.left(run.out.size()) == run.out, qPrintable(what));
            QVERIFY2(err.contains(run.err), qPrintable(what));
        }
    }

  private:
    QTemporaryDir dir_;
};

QTEST_MAIN(CaseOptionTest)
#include "case_option_test.moc"
