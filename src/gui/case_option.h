#pragma once
// `rcalab --case FILE:N`: the window opens with case N of a cases file of
// `rcalab-cli verdicts` set up as a trial ready for 'GO'.
#include <QStringList>

namespace rcagui {

class MainWindow;

// Sets up the case the arguments name, if any; a bad reference or file is
// shown as an error and the start-up trial stays.
void openCaseFromArguments(MainWindow& window, const QStringList& arguments);

} // namespace rcagui
