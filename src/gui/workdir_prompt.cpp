#include "gui/workdir_prompt.h"

#include "files/workdir.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace rcagui {

namespace {

enum class Choice { MakeHere, ChooseAnother, Quit };

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
    QPushButton* make =
        box.addButton(QStringLiteral("Make a working folder here"), QMessageBox::AcceptRole);
    make->setObjectName(QStringLiteral("MakeHere"));
    QPushButton* choose =
        box.addButton(QStringLiteral("Choose another folder…"), QMessageBox::ActionRole);
    choose->setObjectName(QStringLiteral("ChooseAnother"));
    QPushButton* quit = box.addButton(QStringLiteral("Quit"), QMessageBox::RejectRole);
    quit->setObjectName(QStringLiteral("Quit"));
    box.setDefaultButton(make);
    box.exec();
    if (box.clickedButton() == make) return Choice::MakeHere;
    if (box.clickedButton() == choose) return Choice::ChooseAnother;
    return Choice::Quit;
}

} // namespace

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
