#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "ui/widgets/control_entry.hpp"

namespace korvel::ui::results_layout {

inline constexpr int kClientWidth = 11865;
inline constexpr int kClientHeight = 5490;

// The white picture behind the tables, in pixels at 96 dpi from the top-left
// corner; the strip to its right shows the window's background colour.
inline constexpr int kPictureWidthPixels = 765;
inline constexpr int kPictureHeightPixels = 441;

inline constexpr FontEntry kHeadingFont{"Comic Sans MS", 12};
inline constexpr FontEntry kMemberFont{"Times New Roman", 12};

// One row of the member table: the caption "L0L1=" and the two labels the
// analysis writes the member's length and axial force into.
struct MemberRow {
    int top;
    std::string_view caption_label;
    std::string_view caption;
    int caption_width;
    std::string_view length_label;
    std::string_view force_label;
};

// The member a row's caption names: "L0L1=" names L0L1.
constexpr std::string_view member_of(const MemberRow& row) {
    return row.caption.ends_with('=') ? row.caption.substr(0, row.caption.size() - 1) : row.caption;
}

// Where the three columns of one block of the member table start.
struct BlockColumns {
    int caption_left;
    int length_left;
    int force_left;
};

inline constexpr BlockColumns kLeftBlock{2160, 3840, 5040};
inline constexpr BlockColumns kRightBlock{7320, 8880, 10440};

// The left block holds the chords and L3U4; the right block, half a row lower, the other webs.
inline constexpr std::array<MemberRow, 15> kLeftBlockRows{{
    {720, "Label2", "L0L1=", 645, "Label59", "Label62"},
    {960, "Label7", "L3L4=", 645, "Label54", "Label67"},
    {1200, "Label24", "L3U4=", 675, "Label36", "Label88"},
    {1440, "Label15", "U4U5=", 705, "Label46", "Label75"},
    {1680, "Label8", "L0U1=", 675, "Label53", "Label68"},
    {1920, "Label3", "L1L2=", 645, "Label58", "Label63"},
    {2160, "Label4", "L2L3=", 645, "Label57", "Label64"},
    {2400, "Label10", "U1U2=", 705, "Label51", "Label70"},
    {2640, "Label12", "U2U3=", 705, "Label49", "Label72"},
    {2880, "Label14", "U3U4=", 705, "Label47", "Label74"},
    {3120, "Label13", "U5U6=", 705, "Label48", "Label73"},
    {3360, "Label11", "U6U7=", 705, "Label50", "Label71"},
    {3600, "Label9", "L6U7=", 675, "Label52", "Label69"},
    {3840, "Label5", "L5L6=", 645, "Label56", "Label65"},
    {4080, "Label6", "L4L5=", 645, "Label55", "Label66"},
}};

inline constexpr std::array<MemberRow, 14> kRightBlockRows{{
    {840, "Label19", "L1U2=", 675, "Label41", "Label83"},
    {1080, "Label21", "L2U8=", 675, "Label39", "Label85"},
    {1320, "Label18", "L5U6=", 675, "Label42", "Label82"},
    {1560, "Label22", "U4U9=", 705, "Label38", "Label86"},
    {1800, "Label31", "L5U7=", 675, "Label43", "Label81"},
    {2040, "Label30", "L4U6=", 675, "Label17", "Label93"},
    {2280, "Label16", "L1U1=", 675, "Label45", "Label79"},
    {2520, "Label28", "L2U2=", 675, "Label44", "Label80"},
    {2760, "Label23", "U4U8=", 705, "Label37", "Label87"},
    {3000, "Label27", "U2U8=", 705, "Label33", "Label91"},
    {3240, "Label20", "L4U9=", 675, "Label40", "Label84"},
    {3480, "Label29", "U6U9=", 705, "Label32", "Label92"},
    {3720, "Label26", "U3U8=", 705, "Label34", "Label90"},
    {3960, "Label25", "U5U9=", 705, "Label35", "Label89"},
}};

// One row of the reactions block: caption and the label the reaction is written
// into, with the reaction's short name and the way a screen reader speaks it.
struct ReactionRow {
    int top;
    std::string_view caption_label;
    std::string_view caption;
    int caption_width;
    std::string_view result_label;
    std::string_view reaction;
    std::string_view spoken;
};

inline constexpr int kReactionCaptionLeft = 240;
inline constexpr int kReactionResultLeft = 1080;

inline constexpr std::array<ReactionRow, 3> kReactionRows{{
    {840, "Label95", "RL0 (Up) =", 780, "Label98", "RL0", "RL0, upward reaction at L0"},
    {1080, "Label96", "RL6 (Up) =", 780, "Label99", "RL6", "RL6, upward reaction at L6"},
    {1320, "Label97", "HL0(Left)=", 750, "Label100", "HL0", "HL0, horizontal reaction at L0, to the left"},
}};

inline constexpr std::size_t kControlCount = 103;

// Every control of the results window: 7 headings, 29 member rows of three
// labels, 3 reaction rows of two labels and the 3 buttons.
extern const std::array<ControlEntry, kControlCount> kControls;

inline constexpr std::string_view kWindowSpokenName = "KORVEL results";
inline constexpr std::string_view kMemberTableName = "Member table";
inline constexpr std::string_view kMemberTableDescription =
    "Every member's length and axial force, one row per member: the left block, then the right block.";

inline constexpr std::string_view kWindowDescription =
    "Results: the length and axial force of every member and the three support reactions. "
    "Ctrl+C copies them as a table.";

}  // namespace korvel::ui::results_layout
