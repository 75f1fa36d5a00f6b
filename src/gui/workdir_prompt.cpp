#include "gui/workdir_prompt.h"

#include "files/workdir.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace rcagui {

namespace {

enum class Choice { MakeHere, ChooseAnother, Quit };

// Tests and scripts press a prompt's buttons by these names.
QPushButton* addButton(QMessageBox& box, const QString& text, QMessageBox::ButtonRole role,
                       const QString& name) {
    QPushButton* b = box.addButton(text, role);
    b->setObjectName(name);
    return b;
}

QPushButton* addQuit(QMessageBox& box) {
    return addButton(box, QStringLiteral("Quit"), QMessageBox::RejectRole, QStringLiteral("Quit"));
}

Choice ask(const QString& dir, QWidget* parent) {
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("rcalab"),
        QStringLiteral("%1 is not a working folder of rcalab.").arg(QDir::toNativeSeparators(dir)),
        QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("WorkdirPrompt"));
    box.setInformativeText(
        QStringLiteral("The workbench reads and writes its files in folders of its working folder"
                       " (CA/, MA/, examp/, data/, video/ …). Make them here — the layout of"
                       " 'rcalab-cli init-workdir' — or choose another folder."));
    QPushButton* make = addButton(box, QStringLiteral("Make a working folder here"),
                                  QMessageBox::AcceptRole, QStringLiteral("MakeHere"));
    QPushButton* choose = addButton(box, QStringLiteral("Choose another folder…"),
                                    QMessageBox::ActionRole, QStringLiteral("ChooseAnother"));
    addQuit(box);
    box.setDefaultButton(make);
    box.exec();
    if (box.clickedButton() == make) return Choice::MakeHere;
    if (box.clickedButton() == choose) return Choice::ChooseAnother;
    return Choice::Quit;
}

// True when the user wants another folder.
bool askAnother(const rca::FolderInUse& inUse, QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("rcalab"),
                    QString::fromStdString(inUse.what()), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("FolderInUse"));
    QPushButton* choose = addButton(box, QStringLiteral("Choose another folder…"),
                                    QMessageBox::AcceptRole, QStringLiteral("ChooseAnother"));
    addQuit(box);
    box.setDefaultButton(choose);
    box.exec();
    return box.clickedButton() == choose;
}

} // namespace

std::optional<LockedWorkdir> settleAndLockWorkdir(const QString& dir, QWidget* parent) {
    QString next = dir;
    for (;;) {
        const std::optional<QString> settled = settleWorkdir(next, parent);
        if (!settled) return std::nullopt;
        try {
            return LockedWorkdir{*settled, rca::FolderLock::take(settled->toStdString(), "rcalab")};
        } catch (const rca::FolderInUse& inUse) {
            if (!askAnother(inUse, parent)) return std::nullopt;
            const QString chosen = QFileDialog::getExistingDirectory(
                parent, QStringLiteral("Choose a working folder"), *settled);
            next = chosen.isEmpty() ? *settled : chosen;
        }
    }
}

std::optional<QString> settleWorkdir(const QString& dir, QWidget* parent) {
    QString current = QDir(dir).absolutePath();
    while (!rca::isWorkdir(current.toStdString())) {
        switch (ask(current, parent)) {
        case Choice::MakeHere: {
            const std::string error = rca::initWorkdir(current.toStdString());
            if (!error.empty())
                QMessageBox::warning(parent, QStringLiteral("rcalab"),
                                     QString::fromStdString(error));
            break;
        }
        case Choice::ChooseAnother: {
            const QString chosen = QFileDialog::getExistingDirectory(
                parent, QStringLiteral("Choose a working folder"), current);
            if (!chosen.isEmpty()) current = chosen;
            break;
        }
        case Choice::Quit:
            return std::nullopt;
        }
    }
    return current;
}

} // namespace rcagui
