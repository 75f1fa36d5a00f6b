// The window started outside a working folder asks what to do, and does it.
#include "files/workdir.h"
#include "gui/workdir_prompt.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class WorkdirPromptTest : public QObject {
    Q_OBJECT

  private slots:
    void answersToThePrompt_data();
    void answersToThePrompt();
    void aWorkingFolderAsksNothing();
};

namespace {

// Clicks `button` of the prompt once it is up; reports what it said.
void answerWith(const QString& button, QString* said) {
    QTimer::singleShot(0, [button, said] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->objectName() != QStringLiteral("WorkdirPrompt")) return;
        *said = box->text();
        if (auto* b = box->findChild<QPushButton*>(button)) b->click();
    });
}

} // namespace

void WorkdirPromptTest::answersToThePrompt_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("madeOne");
    QTest::newRow("make one here") << QStringLiteral("MakeHere") << true;
    QTest::newRow("quit") << QStringLiteral("Quit") << false;
}

void WorkdirPromptTest::answersToThePrompt() {
    QFETCH(QString, button);
    QFETCH(bool, madeOne);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!rca::isWorkdir(dir.path().toStdString()));
    QString said;
    answerWith(button, &said);
    const std::optional<QString> got = rcagui::settleWorkdir(dir.path());
    QVERIFY2(said.contains(QDir::toNativeSeparators(dir.path())), qPrintable(said));
    QVERIFY(said.contains(QStringLiteral("not a working folder")));
    QCOMPARE(got.has_value(), madeOne);
    QCOMPARE(rca::isWorkdir(dir.path().toStdString()), madeOne);
    if (madeOne) QCOMPARE(*got, QDir(dir.path()).absolutePath());
}

void WorkdirPromptTest::aWorkingFolderAsksNothing() {
    QTemporaryDir dir;
    QVERIFY(rca::initWorkdir(dir.path().toStdString()).empty());
    QString said;
    answerWith(QStringLiteral("Quit"), &said);
    QCOMPARE(rcagui::settleWorkdir(dir.path()), std::optional(QDir(dir.path()).absolutePath()));
    QVERIFY(said.isEmpty());
    QCoreApplication::processEvents(); // the unused answer
}

QTEST_MAIN(WorkdirPromptTest)
#include "workdir_prompt_test.moc"
