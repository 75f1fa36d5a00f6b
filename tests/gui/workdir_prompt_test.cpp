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
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

class WorkdirPromptTest : public QObject {
    Q_OBJECT

  private slots:
    void answersToThePrompt_data();
    void answersToThePrompt();
    void aWorkingFolderAsksNothing();
    void aFolderInUseSaysWhoHoldsIt();
};

namespace {

// Clicks `button` of the prompt once it is up; reports what it said.
void answerWith(const QString& button, QString* said,
                const QString& prompt = QStringLiteral("WorkdirPrompt")) {
    QTimer::singleShot(0, [button, said, prompt] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->objectName() != prompt) return;
        *said = box->text();
        if (auto* b = box->findChild<QPushButton*>(button)) b->click();
    });
}

// Another process holding the folder's lock as a program of rcalab does,
// until this one is dropped.
class Holder {
  public:
    explicit Holder(const QString& dir) {
        int ready[2], hold[2];
        if (pipe(ready) != 0 || pipe(hold) != 0) return;
        const std::string file = (dir + "/.rcalab.lock").toStdString();
        pid_ = fork();
        if (pid_ == 0) {
            close(hold[1]);
            const int fd = open(file.c_str(), O_RDWR | O_CREAT, 0644);
            const std::string line = std::to_string(getpid()) + " rcalab-test on here\n";
            char c = 'r';
            if (fd < 0 || flock(fd, LOCK_EX) != 0 || write(fd, line.data(), line.size()) < 0 ||
                write(ready[1], &c, 1) != 1)
                _exit(1);
            [[maybe_unused]] ssize_t n = read(hold[0], &c, 1); // until the test lets go
            _exit(0);
        }
        close(ready[1]);
        close(hold[0]);
        char c = 0;
        locked_ = pid_ > 0 && read(ready[0], &c, 1) == 1;
        close(ready[0]);
        release_ = hold[1];
    }
    ~Holder() {
        close(release_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }
    bool locked() const { return locked_; }
    pid_t pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool locked_ = false;
};

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

void WorkdirPromptTest::aFolderInUseSaysWhoHoldsIt() {
    QTemporaryDir dir;
    QVERIFY(rca::initWorkdir(dir.path().toStdString()).empty());
    {
        Holder other(dir.path());
        QVERIFY(other.locked());
        QString said;
        answerWith(QStringLiteral("Quit"), &said, QStringLiteral("FolderInUse"));
        QVERIFY(!rcagui::settleAndLockWorkdir(dir.path()));
        QVERIFY2(said.contains(
                     QStringLiteral("in use by rcalab-test on here (process %1)").arg(other.pid())),
                 qPrintable(said));
    }
    // Its end lets go of the folder.
    const auto locked = rcagui::settleAndLockWorkdir(dir.path());
    QVERIFY(locked && locked->lock.held());
    QCOMPARE(locked->path, QDir(dir.path()).absolutePath());
}

QTEST_MAIN(WorkdirPromptTest)
#include "workdir_prompt_test.moc"
