#pragma once

#include <QColor>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <span>
#include <string_view>

#include "ui/widgets/control_entry.hpp"
#include "ui/widgets/drawing.hpp"

namespace korvel::ui {

struct FormEntry {
    std::string_view name;   // object name, e.g. "Form1"
    std::string_view title;  // window caption
    int client_width_twips = 0;
    int client_height_twips = 0;
    QColor cursor_fill;              // colour of the window's arrow cursor
    std::string_view description{};  // what the window is for, for assistive technology
    QColor picture{};                // colour of a picture drawn over most of the background; invalid for none
    std::string_view spoken_name{};  // tells the windows apart to assistive technology; the titles are the same
};

// A top-level window of fixed layout: fixed client size and border, the
// default font whatever font a theme gives the application, the
// highlighted-text system colour as background, text and lines in a colour of
// the palette that stands out from that background and the picture (under a
// dark theme both are light, so its window text would vanish), the program icon, its own
// arrow cursor, centred on the screen when first shown. Enter presses the
// default button unless another button has the focus.
class FixedForm : public QWidget {
    Q_OBJECT
public:
    explicit FixedForm(const FormEntry& entry, QWidget* parent = nullptr);

    // Creates the window's controls and drawing from its layout tables; the
    // controls take their access keys in tab order (see AccessKeys).
    void build(std::span<const ControlEntry> controls, Drawing drawing = {});

    void set_default_button(QPushButton* button);
    QPushButton* default_button() const { return default_button_; }
    const DrawingSurface* drawing_surface() const { return surface_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QColor picture_;
    QPointer<QPushButton> default_button_;
    DrawingSurface* surface_ = nullptr;
    bool placed_ = false;
};

}  // namespace korvel::ui
