#pragma once
// Developer hooks for scripts/screenshot.sh, driven by the environment:
//   RCALAB_SCREENSHOT=path.png       grab the window to this file and quit
//   RCALAB_SCREENSHOT_CLICKS=a,b,... click these controls or menu items
//                                    first ("Edit7=12" types into a field,
//                                    "TForm6@x:y[:r]" clicks a form's surface,
//                                    "TForm6@x:y>x2:y2" drags on it); an open
//                                    modal window is saved as path-TFormN.png;
//                                    "print:Edit1" writes a control's value
//                                    to standard output
//   RCALAB_SCREENSHOT_DELAY_MS=n     wait this long after the clicks (500)
// Without RCALAB_SCREENSHOT nothing happens.
namespace rcagui {

class MainWindow;

void installDevHooks(MainWindow& window);

} // namespace rcagui
