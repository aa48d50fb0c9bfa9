#pragma once

namespace korvel::app {

// Names the application, gives it its icon and makes the captions' font the
// default, as every start of the windowed program does. Call once after the
// QApplication exists.
void set_up_application();

}  // namespace korvel::app
