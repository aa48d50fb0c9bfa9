#pragma once

namespace korvel::app {

// Names the running application as the desktop knows it: its name, the
// version it shows, and its desktop entry (which Wayland uses as the app id,
// so the window gets the entry's icon and name). Call after QApplication exists.
void declare_application_identity();

}  // namespace korvel::app
