#pragma once

namespace korvel::app {

// Names the running application as the command line and the desktop know it:
// its name, the version it shows, and its desktop entry. Call once after the
// QCoreApplication exists.
void name_the_program();

// Names the application, gives it its icon and makes the captions' font the
// default, as every start of the windowed program does. Call once after the
// QApplication exists.
void set_up_application();

}  // namespace korvel::app
