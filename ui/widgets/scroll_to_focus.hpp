#pragma once

class QScrollArea;

namespace korvel::ui {

// Brings the control that takes the focus inside the scroll area into sight,
// whatever took it there: Tab scrolls on its own, an access key or a click on a
// caption does not.
void scroll_to_focus(QScrollArea& scroll);

}  // namespace korvel::ui
