#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/truss_model.hpp"
#include "ui/results_window/results_window_layout.hpp"

namespace korvel::ui::results_layout {
namespace {

std::map<std::string_view, const ControlEntry*> controls_by_name() {
    std::map<std::string_view, const ControlEntry*> by_name;
    for (const ControlEntry& entry : kControls) by_name[entry.name] = &entry;
    return by_name;
}

// Each member row captions its member beside the labels of that member's results,
// and each reaction row its reaction.
TEST(ResultsWindowLayout, EveryRowCaptionsTheMemberOrReactionItsLabelsHold) {
    const auto by_name = controls_by_name();
    std::set<engine::Member> members;
    for_each_member_row([&](const MemberRow& row, BlockColumns columns, engine::Member member) {
        SCOPED_TRACE(std::string(engine::member_name(member)));
        members.insert(member);
        const ControlEntry& caption = *by_name.at(row.caption_label);
        EXPECT_EQ(caption.caption, std::string(engine::member_name(member)) + "=");
        EXPECT_EQ(caption.box.left, columns.caption_left);
        EXPECT_EQ(by_name.at(row.length_label)->box.left, columns.length_left);
        EXPECT_EQ(by_name.at(row.force_label)->box.left, columns.force_left);
        EXPECT_EQ(by_name.at(row.length_label)->accessible.subject, engine::member_name(member));
        EXPECT_EQ(by_name.at(row.force_label)->accessible.subject, engine::member_name(member));
        for (const std::string_view label : {row.length_label, row.force_label})
            EXPECT_EQ(by_name.at(label)->box.top, row.top);
    });
    EXPECT_EQ(members.size(), engine::kMemberCount);

    const std::map<std::string_view, std::string_view> reaction_of_caption{
        {"RL0 (Up) =", "RL0"}, {"RL6 (Up) =", "RL6"}, {"HL0(Left)=", "HL0"}};
    for (std::size_t i = 0; i < kReactionRows.size(); ++i) {
        const std::string_view caption = by_name.at(kReactionRows[i].caption_label)->caption;
        SCOPED_TRACE(std::string(caption));
        EXPECT_EQ(reaction_of_caption.at(caption), engine::reaction_name(engine::kReactionRows[i].reaction));
        EXPECT_EQ(by_name.at(kReactionRows[i].result_label)->box.top, kReactionRows[i].top);
    }
}

// Member captions are as wide as their letters need: two L nodes 645, one L 675, two U nodes 705.
TEST(ResultsWindowLayout, MemberCaptionWidthsFollowTheirNodeLetters) {
    const auto by_name = controls_by_name();
    for_each_member_row([&](const MemberRow& row, BlockColumns, engine::Member) {
        const ControlEntry& caption = *by_name.at(row.caption_label);
        const auto bottom_chord_nodes = std::count(caption.caption.begin(), caption.caption.end(), 'L');
        const int expected = bottom_chord_nodes == 2 ? 645 : bottom_chord_nodes == 1 ? 675 : 705;
        EXPECT_EQ(caption.box.width, expected) << caption.caption;
    });
}

TEST(ResultsWindowLayout, TableHoldsHundredLabelsAndThreeButtonsUnderDistinctNames) {
    std::set<std::string_view> names;
    int labels = 0;
    int buttons = 0;
    for (const ControlEntry& entry : kControls) {
        EXPECT_TRUE(names.insert(entry.name).second) << "duplicate " << entry.name;
        (entry.kind == ControlKind::Label ? labels : buttons) += 1;
    }
    EXPECT_EQ(labels, 100);
    EXPECT_EQ(buttons, 3);
    for (int n = 1; n <= 100; ++n) EXPECT_TRUE(names.contains("Label" + std::to_string(n))) << n;
}

TEST(ResultsWindowLayout, ResultLabelsStartEmptyFittedAndLeftAligned) {
    const auto by_name = controls_by_name();
    std::vector<std::pair<std::string_view, bool>> result_labels;  // name, whether a reaction
    for_each_member_row([&](const MemberRow& row, BlockColumns, engine::Member) {
        result_labels.emplace_back(row.length_label, false);
        result_labels.emplace_back(row.force_label, false);
    });
    for (const ReactionRow& row : kReactionRows) result_labels.emplace_back(row.result_label, true);
    ASSERT_EQ(result_labels.size(), 61u);
    for (const auto& [name, reaction] : result_labels) {
        SCOPED_TRACE(std::string(name));
        ASSERT_TRUE(by_name.contains(name));
        const ControlEntry& entry = *by_name.at(name);
        EXPECT_TRUE(entry.caption.empty());
        EXPECT_EQ(entry.sizing, Sizing::FitCaption);
        EXPECT_EQ(entry.align, TextAlign::Left);
        EXPECT_EQ(entry.background, Background::Transparent);
        EXPECT_EQ(entry.box.width, reaction ? 45 : 60);
        EXPECT_EQ(entry.box.height, reaction ? 195 : 285);
        EXPECT_EQ(entry.font.family, reaction ? std::string_view{} : kMemberFont.family);
    }
}

}  // namespace
}  // namespace korvel::ui::results_layout
