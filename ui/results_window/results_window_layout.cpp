#include "ui/results_window/results_window_layout.hpp"

#include <stdexcept>

namespace korvel::ui::results_layout {
namespace {

constexpr int kHeadingTop = 240;
constexpr int kHeadingHeight = 345;
constexpr int kMemberRowHeight = 285;
constexpr int kEmptyMemberResultWidth = 60;
constexpr int kReactionRowHeight = 195;
constexpr int kEmptyReactionResultWidth = 45;
constexpr int kButtonTop = 4800;
constexpr int kButtonHeight = 375;

constexpr ControlEntry heading(std::string_view name, std::string_view caption, int left, int width,
                               Background background, std::string_view description) {
    ControlEntry entry;
    entry.name = name;
    entry.box = {left, kHeadingTop, width, kHeadingHeight};
    entry.caption = caption;
    entry.sizing = Sizing::FitCaption;
    entry.background = background;
    entry.font = kHeadingFont;
    entry.heading = true;
    entry.accessible = {caption, description};
    return entry;
}

constexpr ControlEntry caption_label(std::string_view name, std::string_view caption, TwipRect box, FontEntry font,
                                     AccessibleText spoken) {
    ControlEntry entry;
    entry.name = name;
    entry.box = box;
    entry.caption = caption;
    entry.sizing = Sizing::FitCaption;
    entry.font = font;
    entry.accessible = spoken;
    return entry;
}

// Result labels start empty and grow to the right as the analysis writes them.
constexpr ControlEntry result_label(std::string_view name, TwipRect box, FontEntry font, AccessibleText spoken) {
    ControlEntry entry;
    entry.name = name;
    entry.box = box;
    entry.align = TextAlign::Left;
    entry.sizing = Sizing::FitCaption;
    entry.font = font;
    entry.accessible = spoken;
    return entry;
}

constexpr ControlEntry button(std::string_view name, std::string_view caption, int left, int width,
                              std::string_view tooltip, int tab_index, bool is_default, AccessibleText spoken) {
    ControlEntry entry;
    entry.kind = ControlKind::PushButton;
    entry.name = name;
    entry.box = {left, kButtonTop, width, kButtonHeight};
    entry.caption = caption;
    entry.tooltip = tooltip;
    entry.tab_index = tab_index;
    entry.is_default = is_default;
    entry.accessible = spoken;
    return entry;
}

constexpr std::array<ControlEntry, kControlCount> build_controls() {
    std::array<ControlEntry, kControlCount> controls{};
    std::size_t next = 0;
    const auto add = [&](const ControlEntry& entry) { controls[next++] = entry; };

    add(heading("Label94", engine::kReactionsHeading, 360, 1050, Background::Transparent,
                "Heading of the support reactions."));
    add(heading("Label1", engine::kMemberHeading, 2160, 900, Background::Transparent,
                "Heading of the members, left table."));
    add(heading("Label60", engine::kLengthHeading, 3600, 720, Background::Opaque,
                "Heading of the member lengths, left table."));
    add(heading("Label61", engine::kForceHeading, 4800, 1260, Background::Opaque,
                "Heading of the axial forces, left table."));
    add(heading("Label78", engine::kMemberHeading, 7320, 900, Background::Transparent,
                "Heading of the members, right table."));
    add(heading("Label77", engine::kLengthHeading, 8760, 720, Background::Opaque,
                "Heading of the member lengths, right table."));
    add(heading("Label76", engine::kForceHeading, 10200, 1260, Background::Opaque,
                "Heading of the axial forces, right table."));

    for_each_member_row([&](const MemberRow& row, BlockColumns columns, engine::Member member) {
        const std::string_view name = engine::member_name(member);
        add(caption_label(row.caption_label, engine::member_caption(member),
                          {columns.caption_left, row.top, member_caption_width(member), kMemberRowHeight}, kMemberFont,
                          {"Member %1", "Name of member %1.", name}));
        add(result_label(row.length_label, {columns.length_left, row.top, kEmptyMemberResultWidth, kMemberRowHeight},
                         kMemberFont, {"Length of %1", "Length of member %1, in the unit of the span.", name}));
        add(result_label(
            row.force_label, {columns.force_left, row.top, kEmptyMemberResultWidth, kMemberRowHeight}, kMemberFont,
            {"Axial force of %1", "Axial force in member %1: positive in tension, negative in compression.", name}));
    });

    for (std::size_t i = 0; i < kReactionRows.size(); ++i) {
        const ReactionRow& row = kReactionRows[i];
        const engine::ReactionRow& reaction = engine::kReactionRows[i];
        add(caption_label(
            row.caption_label, reaction.caption, {kReactionCaptionLeft, row.top, row.caption_width, kReactionRowHeight},
            FontEntry{},
            {"Reaction %1", "Name of the support reaction %1.", engine::reaction_name(reaction.reaction)}));
        add(result_label(row.result_label,
                         {kReactionResultLeft, row.top, kEmptyReactionResultWidth, kReactionRowHeight}, FontEntry{},
                         {row.spoken, "Support reaction, in the unit of the loads."}));
    }

    add(button("Command5", "&Start New", 6840, 855, "Start new Calculations.", 102, false,
               {"Start New", "Empties the span and all loads after asking, and returns to the truss."}));
    add(button("Command1", "&Back", 8040, 735, "", 1, false,
               {"Back", "Returns to the truss with the span and loads kept."}));
    add(button("Command3", "&Finish", 9120, 735, "", 0, true, {"Finish", "Ends the program after asking."}));
    if (next != controls.size()) throw std::logic_error("results window table is not full");
    return controls;
}

}  // namespace

// Built at compile time, so a table that does not fill exactly kControlCount entries does not compile.
constexpr std::array<ControlEntry, kControlCount> kControlsAtCompileTime = build_controls();
const std::array<ControlEntry, kControlCount> kControls = kControlsAtCompileTime;

}  // namespace korvel::ui::results_layout
