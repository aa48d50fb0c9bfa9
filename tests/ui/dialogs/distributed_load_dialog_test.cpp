#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "ui/dialogs/distributed_load_dialog.hpp"

namespace korvel::ui {
namespace {

using load_case::DistributedLoadKind;
using load_case::Slopes;

TEST(DistributedLoadDialog, GivesTheChosenLoadAndKeepsTheBottomChordOnTheWholeSpan) {
    DistributedLoadDialog dialog({});
    auto* kind = dialog.findChild<QComboBox*>(QStringLiteral("DistributedKind"));
    auto* slopes = dialog.findChild<QComboBox*>(QStringLiteral("DistributedSlopes"));
    dialog.findChild<QLineEdit*>(QStringLiteral("DistributedIntensity"))->setText(QStringLiteral(" -0.6 "));
    kind->setCurrentIndex(1);
    slopes->setCurrentIndex(2);
    EXPECT_EQ(dialog.load(), (load_case::DistributedLoad{DistributedLoadKind::SlopeNormal, Slopes::Right, "-0.6"}));
    kind->setCurrentIndex(2);
    EXPECT_EQ(dialog.load().kind, DistributedLoadKind::BottomChord);
    EXPECT_FALSE(slopes->isEnabled());
}

TEST(DistributedLoadDialog, OffersAMistypedLoadAgainWithItsIntensitySelected) {
    const load_case::DistributedLoad offered{DistributedLoadKind::BottomChord, Slopes::Both, "heavy"};
    DistributedLoadDialog dialog({offered, true});
    EXPECT_EQ(dialog.load(), offered);
    EXPECT_FALSE(dialog.findChild<QComboBox*>(QStringLiteral("DistributedSlopes"))->isEnabled());
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("DistributedIntensity"))->selectedText(),
              QStringLiteral("heavy"));
}

}  // namespace
}  // namespace korvel::ui
