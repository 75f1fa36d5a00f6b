#pragma once
// `rcalab --case FILE:N`: the window opens with case N of a cases file of
// `rcalab-cli verdicts` set up as a trial ready for 'GO'.
#include <QString>

namespace rcagui {

class MainWindow;

// Sets up the case `reference` ("FILE:N") names; a bad reference or file is
// shown as an error and the start-up trial stays.
void openCase(MainWindow& window, const QString& reference);

} // namespace rcagui
