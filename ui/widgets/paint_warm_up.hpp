#pragma once

#include <QStringView>

class QWidget;

namespace korvel::ui {

// Makes a hidden window's first show quick: creates its platform window and
// backing store, and draws the window once into a scratch image and
// `characters` in every font its controls use, so the fonts, glyphs and style
// pictures its first paint needs are loaded beforehand. Nothing the user sees
// of the window changes.
void warm_up_painting(QWidget& window, QStringView characters);

}  // namespace korvel::ui
