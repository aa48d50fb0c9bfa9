#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "engine/result_table.hpp"
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

// One row of the member table: the labels of the member's caption ("L0L1=")
// and of its length and axial force.
struct MemberRow {
    int top;
    std::string_view caption_label;
    std::string_view length_label;
    std::string_view force_label;
};

// Where the three columns of one block of the member table start.
struct BlockColumns {
    int caption_left;
    int length_left;
    int force_left;
};

inline constexpr BlockColumns kLeftBlock{2160, 3840, 5040};
inline constexpr BlockColumns kRightBlock{7320, 8880, 10440};

// The rows of both blocks hold the members of engine::kMembersInTableOrder, in
// that order: the left block the first ones, the right block, half a row lower, the rest.
inline constexpr std::array<MemberRow, engine::kLeftBlockMemberCount> kLeftBlockRows{{
    {720, "Label2", "Label59", "Label62"},
    {960, "Label7", "Label54", "Label67"},
    {1200, "Label24", "Label36", "Label88"},
    {1440, "Label15", "Label46", "Label75"},
    {1680, "Label8", "Label53", "Label68"},
    {1920, "Label3", "Label58", "Label63"},
    {2160, "Label4", "Label57", "Label64"},
    {2400, "Label10", "Label51", "Label70"},
    {2640, "Label12", "Label49", "Label72"},
    {2880, "Label14", "Label47", "Label74"},
    {3120, "Label13", "Label48", "Label73"},
    {3360, "Label11", "Label50", "Label71"},
    {3600, "Label9", "Label52", "Label69"},
    {3840, "Label5", "Label56", "Label65"},
    {4080, "Label6", "Label55", "Label66"},
}};

inline constexpr std::array<MemberRow, engine::kMemberCount - engine::kLeftBlockMemberCount> kRightBlockRows{{
    {840, "Label19", "Label41", "Label83"},
    {1080, "Label21", "Label39", "Label85"},
    {1320, "Label18", "Label42", "Label82"},
    {1560, "Label22", "Label38", "Label86"},
    {1800, "Label31", "Label43", "Label81"},
    {2040, "Label30", "Label17", "Label93"},
    {2280, "Label16", "Label45", "Label79"},
    {2520, "Label28", "Label44", "Label80"},
    {2760, "Label23", "Label37", "Label87"},
    {3000, "Label27", "Label33", "Label91"},
    {3240, "Label20", "Label40", "Label84"},
    {3480, "Label29", "Label32", "Label92"},
    {3720, "Label26", "Label34", "Label90"},
    {3960, "Label25", "Label35", "Label89"},
}};

// Calls visit(row, columns, member) for every member row, the left block first.
template <typename Visit>
constexpr void for_each_member_row(Visit visit) {
    for (std::size_t i = 0; i < kLeftBlockRows.size(); ++i)
        visit(kLeftBlockRows[i], kLeftBlock, engine::kMembersInTableOrder[i]);
    for (std::size_t i = 0; i < kRightBlockRows.size(); ++i)
        visit(kRightBlockRows[i], kRightBlock, engine::kMembersInTableOrder[kLeftBlockRows.size() + i]);
}

// Member captions are as wide as their letters need: two L nodes 645, one L 675, two U nodes 705.
constexpr int member_caption_width(engine::Member member) {
    const std::string_view name = engine::member_name(member);
    const int bottom_chord_nodes = (name[0] == 'L' ? 1 : 0) + (name[2] == 'L' ? 1 : 0);
    return bottom_chord_nodes == 2 ? 645 : bottom_chord_nodes == 1 ? 675 : 705;
}

// One row of the reactions block, in the order of engine::kReactionRows: the
// labels of its caption and of the value, and the way a screen reader speaks it.
struct ReactionRow {
    int top;
    std::string_view caption_label;
    int caption_width;
    std::string_view result_label;
    std::string_view spoken;
};

inline constexpr int kReactionCaptionLeft = 240;
inline constexpr int kReactionResultLeft = 1080;

inline constexpr std::array<ReactionRow, engine::kReactionCount> kReactionRows{{
    {840, "Label95", 780, "Label98", "RL0, upward reaction at L0"},
    {1080, "Label96", 780, "Label99", "RL6, upward reaction at L6"},
    {1320, "Label97", 750, "Label100", "HL0, horizontal reaction at L0, to the left"},
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
