#include "ui/main_window/main_window_layout.hpp"

#include <string_view>

#include "ui/widgets/artwork.hpp"

namespace korvel::ui {

namespace {

constexpr std::string_view kTwoComponentHint = "Click to Enter Horizontal & Vertical Loads.";
constexpr std::string_view kVerticalOnlyHint = "Click to Enter Vertical Load.";

constexpr AccessibleText kTwoComponentHotspot{"Loads at %1, horizontal and vertical",
                                              "Asks for the horizontal and then the vertical load at %1."};
constexpr AccessibleText kVerticalOnlyHotspot{"Loads at %1, vertical", "Asks for the vertical load at %1."};
constexpr AccessibleText kHorizontalLoad{"Horizontal load at %1",
                                         "The horizontal load at %1, positive to the right; empty means none."};
constexpr AccessibleText kVerticalLoad{"Vertical load at %1",
                                       "The vertical load at %1, positive downward; empty means none."};

constexpr AccessibleText about(AccessibleText pattern, std::string_view subject) {
    pattern.subject = subject;
    return pattern;
}

constexpr ControlEntry node_name(std::string_view name, std::string_view caption, TwipRect box) {
    return {.kind = ControlKind::Label,
            .name = name,
            .box = box,
            .caption = caption,
            .sizing = Sizing::FitCaption,
            .accessible = {"Node %1", "Name of node %1 in the truss diagram.", caption}};
}

// Load labels start empty, 45 x 195, and fit their caption from the edge their alignment keeps.
constexpr ControlEntry load_label(std::string_view name, int left, int top, TextAlign align, AccessibleText load,
                                  std::string_view node) {
    return {.kind = ControlKind::Label,
            .name = name,
            .box = {left, top, 45, 195},
            .align = align,
            .sizing = Sizing::FitCaption,
            .accessible = about(load, node)};
}

constexpr ControlEntry hotspot(std::string_view name, TwipRect box, std::string_view hint, AccessibleText loads,
                               std::string_view node, Sizing sizing = Sizing::Fixed) {
    return {.kind = ControlKind::Label,
            .name = name,
            .box = box,
            .tooltip = hint,
            .sizing = sizing,
            .cursor = ControlCursor::Hotspot,
            .clickable = true,
            .accessible = about(loads, node)};
}

constexpr ControlEntry button(std::string_view name, std::string_view caption, int left, std::string_view hint,
                              int tab_index, AccessibleText spoken, bool is_default = false) {
    return {.kind = ControlKind::PushButton,
            .name = name,
            .box = {left, 4800, 735, 375},
            .caption = caption,
            .tooltip = hint,
            .tab_index = tab_index,
            .is_default = is_default,
            .accessible = spoken};
}

constexpr TextAlign kRight = TextAlign::Right;
constexpr TextAlign kLeft = TextAlign::Left;

// A load arrow: a 480-twip shaft from tail to tip and two head strokes running
// from the tip 120 twips back along the shaft and 120 twips to either side.
struct ArrowEntry {
    std::string_view shaft;
    std::string_view head_a;
    std::string_view head_b;
    TwipPoint tail;
    TwipPoint tip;
};

constexpr int kArrowHead = 120;

constexpr int sign(int value) { return (value > 0) - (value < 0); }

constexpr std::array<LineEntry, 3> arrow_lines(const ArrowEntry& arrow) {
    const int dx = sign(arrow.tip.x - arrow.tail.x);
    const int dy = sign(arrow.tip.y - arrow.tail.y);
    const TwipPoint back{arrow.tip.x - dx * kArrowHead, arrow.tip.y - dy * kArrowHead};
    const TwipPoint side{-dy * kArrowHead, -dx * kArrowHead};
    return {{
        {arrow.shaft, arrow.tail, arrow.tip},
        {arrow.head_a, arrow.tip, {back.x + side.x, back.y + side.y}},
        {arrow.head_b, arrow.tip, {back.x - side.x, back.y - side.y}},
    }};
}

constexpr std::array<LineEntry, 16> kMemberLines{{
    {"Line1", {960, 3720}, {11040, 3720}},   // bottom chord L0..L6
    {"Line75", {960, 3720}, {6000, 1320}},   // left top chord L0..U4
    {"Line2", {6000, 1320}, {11040, 3720}},  // right top chord U4..L6
    {"Line8", {2040, 3120}, {2520, 3720}},   // L1U1
    {"Line7", {3480, 2520}, {2520, 3720}},   // L1U2
    {"Line9", {3480, 2520}, {4080, 3720}},   // L2U2
    {"Line5", {6000, 1320}, {4080, 3720}},   // L2U8, U4U8
    {"Line6", {3480, 2520}, {5040, 2520}},   // U2U8
    {"Line10", {4680, 1920}, {5040, 2520}},  // U3U8
    {"Line4", {6000, 1320}, {6000, 3720}},   // L3U4
    {"Line11", {6000, 1320}, {7920, 3720}},  // U4U9, L4U9
    {"Line13", {6960, 2520}, {7320, 1920}},  // U5U9
    {"Line12", {6960, 2520}, {8520, 2520}},  // U6U9
    {"Line16", {8520, 2520}, {7920, 3720}},  // L4U6
    {"Line14", {8520, 2520}, {9360, 3720}},  // L5U6
    {"Line15", {9720, 3000}, {9360, 3720}},  // L5U7
}};

constexpr std::array<ArrowEntry, 23> kLoadArrows{{
    // vertical loads, pointing down
    {"Line17", "Line18", "Line19", {840, 3120}, {840, 3600}},      // L0
    {"Line20", "Line21", "Line22", {2040, 2640}, {2040, 3120}},    // U1
    {"Line44", "Line42", "Line43", {3480, 1920}, {3480, 2400}},    // U2
    {"Line47", "Line45", "Line46", {4680, 1320}, {4680, 1800}},    // U3
    {"Line50", "Line48", "Line49", {6000, 720}, {6000, 1200}},     // U4
    {"Line53", "Line51", "Line52", {7320, 1440}, {7320, 1920}},    // U5
    {"Line56", "Line54", "Line55", {8520, 1920}, {8520, 2400}},    // U6
    {"Line71", "Line69", "Line70", {9720, 2520}, {9720, 3000}},    // U7
    {"Line98", "Line96", "Line97", {11040, 3120}, {11040, 3600}},  // L6
    {"Line59", "Line57", "Line58", {2520, 3720}, {2520, 4200}},    // L1
    {"Line62", "Line60", "Line61", {4080, 3720}, {4080, 4200}},    // L2
    {"Line65", "Line63", "Line64", {6000, 3720}, {6000, 4200}},    // L3
    {"Line68", "Line66", "Line67", {7920, 3720}, {7920, 4200}},    // L4
    {"Line74", "Line72", "Line73", {9360, 3720}, {9360, 4200}},    // L5
    // horizontal loads, pointing right
    {"Line78", "Line76", "Line77", {360, 3720}, {840, 3720}},      // L0
    {"Line36", "Line3", "Line35", {1440, 3120}, {1920, 3120}},     // U1
    {"Line40", "Line38", "Line39", {2880, 2400}, {3360, 2400}},    // U2
    {"Line80", "Line41", "Line79", {4080, 1800}, {4560, 1800}},    // U3
    {"Line83", "Line81", "Line82", {5400, 1200}, {5880, 1200}},    // U4
    {"Line86", "Line84", "Line85", {7440, 1920}, {7920, 1920}},    // U5
    {"Line89", "Line87", "Line88", {8640, 2520}, {9120, 2520}},    // U6
    {"Line92", "Line90", "Line91", {9840, 3000}, {10320, 3000}},   // U7
    {"Line95", "Line93", "Line94", {11160, 3720}, {11640, 3720}},  // L6
}};

constexpr std::array<LineEntry, 17> kSupportAndSpanLines{{
    // pin support under L0 and its hatching
    {"Line24", {960, 3720}, {1080, 3840}},
    {"Line25", {840, 3840}, {960, 3720}},
    {"Line23", {1080, 3840}, {840, 3840}},
    {"Line26", {840, 3840}, {720, 3960}},
    {"Line27", {960, 3840}, {840, 3960}},
    {"Line28", {1080, 3840}, {960, 3960}},
    // roller support under L6, its ground line and hatching
    {"Line30", {11040, 3720}, {11160, 3840}},
    {"Line31", {10920, 3840}, {11040, 3720}},
    {"Line29", {11160, 3840}, {10920, 3840}},
    {"Line37", {11280, 3960}, {10800, 3960}},
    {"Line32", {11160, 3960}, {11040, 4080}},
    {"Line33", {11040, 3960}, {10920, 4080}},
    {"Line34", {10920, 3960}, {10800, 4080}},
    // span dimension line with a gap for the span box, and its end ticks
    {"Line99", {960, 4440}, {5640, 4440}},
    {"Line100", {6600, 4440}, {11040, 4440}},
    {"Line102", {960, 4320}, {960, 4560}},
    {"Line101", {11040, 4320}, {11040, 4560}},
}};

constexpr std::array<LineEntry, kMainWindowLineCount> all_lines() {
    std::array<LineEntry, kMainWindowLineCount> lines{};
    std::size_t next = 0;
    for (const LineEntry& line : kMemberLines) lines[next++] = line;
    for (const ArrowEntry& arrow : kLoadArrows)
        for (const LineEntry& line : arrow_lines(arrow)) lines[next++] = line;
    for (const LineEntry& line : kSupportAndSpanLines) lines[next++] = line;
    return lines;
}

}  // namespace

FormEntry main_window_form() {
    return {"Form1",
            "KORVEL",
            11865,
            5490,
            kMainWindowArrowColour,
            "Fink truss: type the span, click the nodes to enter their loads, then press Results.",
            QColor(),
            "KORVEL truss and loads"};
}

// Captions first, hotspots above them so a grown caption never hides a node from
// the mouse, then the focusable controls.
const std::array<ControlEntry, kMainWindowControlCount> kMainWindowControls{{
    node_name("Label1", "L0", {1080, 3360, 180, 195}),
    node_name("Label50", "L1", {2280, 3840, 180, 195}),
    node_name("Label51", "L2", {3840, 3840, 180, 195}),
    node_name("Label52", "L3", {5760, 3840, 180, 195}),
    node_name("Label53", "L4", {7680, 3840, 180, 195}),
    node_name("Label54", "L5", {9120, 3840, 180, 195}),
    node_name("Label55", "L6", {10680, 3360, 180, 195}),
    node_name("Label43", "U1", {2160, 2760, 210, 195}),
    node_name("Label44", "U2", {3600, 2040, 210, 195}),
    node_name("Label45", "U3", {4800, 1440, 210, 195}),
    node_name("Label46", "U4", {6120, 1080, 210, 195}),
    node_name("Label47", "U5", {6960, 1560, 210, 195}),
    node_name("Label48", "U6", {8160, 2160, 210, 195}),
    node_name("Label49", "U7", {9360, 2760, 210, 195}),
    node_name("Label7", "U8", {5040, 2520, 210, 195}),
    node_name("Label16", "U9", {6720, 2520, 210, 195}),
    {.kind = ControlKind::Label,
     .name = "Label18",
     .box = {5640, 4320, 225, 195},
     .caption = " L=",
     .sizing = Sizing::FitCaption,
     .accessible = {"Span", "Caption of the span length box."}},

    load_label("Label20", 600, 3360, kRight, kHorizontalLoad, "L0"),
    load_label("Label21", 720, 3000, kRight, kVerticalLoad, "L0"),
    load_label("Label22", 1800, 2760, kRight, kHorizontalLoad, "U1"),
    load_label("Label23", 1920, 2400, kRight, kVerticalLoad, "U1"),
    load_label("Label24", 3120, 2160, kRight, kHorizontalLoad, "U2"),
    load_label("Label25", 3360, 1800, kRight, kVerticalLoad, "U2"),
    load_label("Label26", 4320, 1440, kRight, kHorizontalLoad, "U3"),
    load_label("Label27", 4560, 1200, kRight, kVerticalLoad, "U3"),
    load_label("Label28", 5640, 840, kRight, kHorizontalLoad, "U4"),
    load_label("Label29", 5880, 600, kRight, kVerticalLoad, "U4"),
    load_label("Label34", 7560, 1560, kLeft, kHorizontalLoad, "U5"),
    load_label("Label33", 7440, 1200, kLeft, kVerticalLoad, "U5"),
    load_label("Label36", 8880, 2160, kLeft, kHorizontalLoad, "U6"),
    load_label("Label35", 8640, 1800, kLeft, kVerticalLoad, "U6"),
    load_label("Label40", 10200, 2640, kLeft, kHorizontalLoad, "U7"),
    load_label("Label42", 9840, 2400, kLeft, kVerticalLoad, "U7"),
    load_label("Label39", 11280, 3360, kLeft, kHorizontalLoad, "L6"),
    load_label("Label41", 11160, 3000, kLeft, kVerticalLoad, "L6"),
    load_label("Label30", 2640, 3840, kLeft, kVerticalLoad, "L1"),
    load_label("Label31", 4200, 3840, kLeft, kVerticalLoad, "L2"),
    load_label("Label32", 6120, 3840, kLeft, kVerticalLoad, "L3"),
    load_label("Label38", 8040, 3840, kLeft, kVerticalLoad, "L4"),
    load_label("Label37", 9480, 3840, kLeft, kVerticalLoad, "L5"),

    hotspot("Label11", {840, 3600, 255, 255}, kTwoComponentHint, kTwoComponentHotspot, "L0"),
    hotspot("Label12", {1920, 3000, 255, 255}, kTwoComponentHint, kTwoComponentHotspot, "U1"),
    hotspot("Label13", {3360, 2400, 255, 255}, kTwoComponentHint, kTwoComponentHotspot, "U2"),
    hotspot("Label14", {4560, 1800, 255, 255}, kTwoComponentHint, kTwoComponentHotspot, "U3"),
    hotspot("Label15", {5880, 1200, 255, 255}, kTwoComponentHint, kTwoComponentHotspot, "U4"),
    hotspot("Label10", {7200, 1800, 255, 255}, kTwoComponentHint, kTwoComponentHotspot, "U5"),
    hotspot("Label9", {8400, 2400, 255, 255}, kTwoComponentHint, kTwoComponentHotspot, "U6"),
    hotspot("Label8", {9600, 3000, 255, 255}, kTwoComponentHint, kTwoComponentHotspot, "U7"),
    hotspot("Label17", {10920, 3600, 165, 195}, kTwoComponentHint, kTwoComponentHotspot, "L6", Sizing::FitCaption),
    hotspot("Label6", {2400, 3600, 285, 195}, kVerticalOnlyHint, kVerticalOnlyHotspot, "L1"),
    hotspot("Label5", {3960, 3600, 255, 255}, kVerticalOnlyHint, kVerticalOnlyHotspot, "L2"),
    hotspot("Label4", {5880, 3600, 255, 255}, kVerticalOnlyHint, kVerticalOnlyHotspot, "L3"),
    hotspot("Label3", {7800, 3600, 255, 255}, kVerticalOnlyHint, kVerticalOnlyHotspot, "L4"),
    hotspot("Label2", {9240, 3600, 255, 255}, kVerticalOnlyHint, kVerticalOnlyHotspot, "L5"),

    {.kind = ControlKind::TextBox,
     .name = "Text1",
     .box = {6000, 4320, 495, 285},
     .tooltip = "Enter Span Length",
     .tab_index = 0,
     .accessible = {"Span length", "The span of the truss, a positive number; the lengths come out in its unit."}},
    button("Command4", "&About", 4800, "About The Developer.", 5, {"About", "Tells who made the program."}),
    button("Command2", "&Help!!!", 5880, "Using Help.", 4, {"Help", "Explains how to use the program."}),
    button("Command3", "E&xit", 6960, "Terminnation!", 3, {"Exit", "Ends the program after asking."}),
    button("Command5", "&Reset", 8040, "Reset all Loads.", 2,
           {"Reset", "Empties the span and all loads after asking."}),
    button("Command1", "&Results", 9120, "Perform The Analysis.", 1,
           {"Results", "Analyses the truss and shows every member's length and axial force."}, true),
}};

const std::array<LineEntry, kMainWindowLineCount> kMainWindowLines = all_lines();

Drawing main_window_drawing() {
    return {kMainWindowLines, kMainWindowCircles, "Truss diagram",
            "The Fink truss with its members, supports, load arrows and span dimension line."};
}

const std::array<CircleEntry, kMainWindowCircleCount> kMainWindowCircles{{
    {"Shape1", {10920, 3840, 135, 135}},
    {"Shape2", {11040, 3840, 135, 135}},
}};

}  // namespace korvel::ui
