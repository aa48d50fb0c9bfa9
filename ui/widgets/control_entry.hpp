#pragma once

#include <string_view>

#include "ui/widgets/twips.hpp"

namespace korvel::ui {

enum class ControlKind { Label, PushButton, TextBox };

enum class TextAlign { Left, Right, Center };

// A fitted label takes the size of its caption whenever the caption is set;
// a fixed one keeps its laid-out box.
enum class Sizing { Fixed, FitCaption };

enum class Background { Transparent, Opaque };

// Labels show the window's cursor unless they are node hotspots.
enum class ControlCursor { Inherit, Hotspot };

// An empty family means the application's default font.
struct FontEntry {
    std::string_view family{};
    int point_size = 0;

    constexpr bool is_default() const { return family.empty(); }
};

// What assistive technology says of a control: its name and description, in
// which "%1" stands for the subject (the node, member or reaction it belongs to).
struct AccessibleText {
    std::string_view name{};
    std::string_view description{};
    std::string_view subject{};
};

// One control of a fixed window layout. Push buttons and the text box take the
// keyboard focus in tab_index order; labels never take it.
struct ControlEntry {
    ControlKind kind = ControlKind::Label;
    std::string_view name{};
    TwipRect box{};
    std::string_view caption{};  // label caption, button caption with '&' access key, or text box text
    std::string_view tooltip{};
    TextAlign align = TextAlign::Left;
    Sizing sizing = Sizing::Fixed;
    Background background = Background::Transparent;
    FontEntry font{};
    ControlCursor cursor = ControlCursor::Inherit;
    int tab_index = -1;
    bool is_default = false;  // the button Enter presses
    bool clickable = false;   // a label that takes clicks (a node hotspot)
    bool heading = false;     // a label that heads a table column or block
    AccessibleText accessible{};
};

}  // namespace korvel::ui
