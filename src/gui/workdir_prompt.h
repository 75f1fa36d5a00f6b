#pragma once
// The window needs a working folder (CA/, MA/, data/ … and the square slots).
// Started anywhere else it says so and offers to make one or to choose
// another, instead of failing on its first write.
#include "io/folder_lock.h"

#include <QString>
#include <optional>

class QWidget;

namespace rcagui {

// `dir` when it is a working folder; otherwise asks (object name
// "WorkdirPrompt", buttons "MakeHere", "ChooseAnother", "Quit") until the
// folder made or chosen is one. Nothing when the user quits.
std::optional<QString> settleWorkdir(const QString& dir, QWidget* parent = nullptr);

struct LockedWorkdir {
    QString path;
    rca::FolderLock lock; // held as long as this is
};

// settleWorkdir(), then the folder's lock for the window. While another
// program holds the folder, says which (object name "FolderInUse", buttons
// "ChooseAnother", "Quit") and settles the folder chosen instead.
std::optional<LockedWorkdir> settleAndLockWorkdir(const QString& dir, QWidget* parent = nullptr);

} // namespace rcagui
