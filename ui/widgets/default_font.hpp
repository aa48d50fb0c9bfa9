#pragma once

#include <QFont>

namespace korvel::ui {

// The font every caption without a font of its own uses: a sans serif face
// whose line is 13 pixels high, so one-line labels come out 195 twips high.
QFont default_font();

// The font with every attribute its own, so a font that a platform theme gives
// the application, before or after the widget holding it exists, changes none of it.
QFont pinned(QFont font);

// Makes default_font() the application-wide font. Call once after QApplication exists.
void install_default_font();

}  // namespace korvel::ui
