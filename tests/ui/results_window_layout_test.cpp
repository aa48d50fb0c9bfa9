#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "engine/truss_model.hpp"
#include "ui/results_window/results_window_layout.hpp"

namespace korvel::ui::results_layout {
namespace {

std::string_view member_of(std::string_view caption) {
    EXPECT_EQ(caption.back(), '=') << caption;
    return caption.substr(0, caption.size() - 1);
}

// The analysis addresses result labels by name, so each row of the table must
// put the engine's label for that member beside the member's caption.
TEST(ResultsWindowLayout, EveryMemberRowHoldsTheEnginesLabelsForItsMember) {
    std::set<std::string_view> members;
    const auto check_block = [&](const auto& rows) {
        for (const MemberRow& row : rows) {
            const std::string_view member = member_of(row.caption);
            SCOPED_TRACE(std::string(member));
            members.insert(member);
            const auto length = engine::result_index(member, engine::ResultKind::Length);
            const auto force = engine::result_index(member, engine::ResultKind::Force);
            ASSERT_TRUE(length && force);
            EXPECT_EQ(engine::kResultSlots[*length].label, row.length_label);
            EXPECT_EQ(engine::kResultSlots[*force].label, row.force_label);
        }
    };
    check_block(kLeftBlockRows);
    check_block(kRightBlockRows);
    EXPECT_EQ(members.size(), engine::kMemberCount);
}

TEST(ResultsWindowLayout, ReactionRowsHoldTheEnginesReactionLabels) {
    const std::map<std::string_view, std::string_view> reaction_of_caption{
        {"RL0 (Up) =", "RL0"}, {"RL6 (Up) =", "RL6"}, {"HL0(Left)=", "HL0"}};
    for (const ReactionRow& row : kReactionRows) {
        SCOPED_TRACE(std::string(row.caption));
        const auto index = engine::result_index(reaction_of_caption.at(row.caption), engine::ResultKind::Reaction);
        ASSERT_TRUE(index);
        EXPECT_EQ(engine::kResultSlots[*index].label, row.result_label);
    }
}

// Member captions are as wide as their letters need: two L nodes 645, one L 675, two U nodes 705.
TEST(ResultsWindowLayout, MemberCaptionWidthsFollowTheirNodeLetters) {
    const auto check_block = [](const auto& rows) {
        for (const MemberRow& row : rows) {
            const auto bottom_chord_nodes = std::count(row.caption.begin(), row.caption.end(), 'L');
            const int expected = bottom_chord_nodes == 2 ? 645 : bottom_chord_nodes == 1 ? 675 : 705;
            EXPECT_EQ(row.caption_width, expected) << row.caption;
        }
    };
    check_block(kLeftBlockRows);
    check_block(kRightBlockRows);
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
    std::map<std::string_view, const ControlEntry*> by_name;
    for (const ControlEntry& entry : kControls) by_name[entry.name] = &entry;
    for (const engine::ResultSlot& slot : engine::kResultSlots) {
        SCOPED_TRACE(std::string(slot.label));
        ASSERT_TRUE(by_name.contains(slot.label));
        const ControlEntry& entry = *by_name.at(slot.label);
        EXPECT_TRUE(entry.caption.empty());
        EXPECT_EQ(entry.sizing, Sizing::FitCaption);
        EXPECT_EQ(entry.align, TextAlign::Left);
        EXPECT_EQ(entry.background, Background::Transparent);
        const bool reaction = slot.kind == engine::ResultKind::Reaction;
        EXPECT_EQ(entry.box.width, reaction ? 45 : 60);
        EXPECT_EQ(entry.box.height, reaction ? 195 : 285);
        EXPECT_EQ(entry.font.family, reaction ? std::string_view{} : kMemberFont.family);
    }
}

}  // namespace
}  // namespace korvel::ui::results_layout
