#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "design/units.hpp"
#include "ui/dialogs/dialogs_texts.hpp"
#include "ui/dialogs/distributed_load_dialog.hpp"
#include "ui/widgets/qt_text.hpp"

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
    EXPECT_EQ(dialog.entry().load,
              (load_case::DistributedLoad{DistributedLoadKind::SlopeNormal, Slopes::Right, "-0.6"}));
    kind->setCurrentIndex(2);
    EXPECT_EQ(dialog.entry().load.kind, DistributedLoadKind::BottomChord);
    EXPECT_FALSE(slopes->isEnabled());
}

TEST(DistributedLoadDialog, OffersAMistypedLoadAgainWithItsIntensitySelected) {
    const load_case::DistributedLoad offered{DistributedLoadKind::BottomChord, Slopes::Both, "heavy"};
    DistributedLoadDialog dialog({{offered, std::nullopt}, true, std::nullopt});
    EXPECT_EQ(dialog.entry(), (load_case::DistributedLoadEntry{offered, std::nullopt}));
    EXPECT_FALSE(dialog.findChild<QComboBox*>(QStringLiteral("DistributedSlopes"))->isEnabled());
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("DistributedIntensity"))->selectedText(),
              QStringLiteral("heavy"));
}

TEST(DistributedLoadDialog, ShowsTheLineLoadOfALoadPerAreaBeforeOk) {
    DistributedLoadDialog dialog({{}, false, design::area_load_unit({"lbf", "ft"})});
    auto* per_area = dialog.findChild<QLineEdit*>(QStringLiteral("AreaLoad"));
    auto* spacing = dialog.findChild<QLineEdit*>(QStringLiteral("TrussSpacing"));
    auto* words = dialog.findChild<QLabel*>(QStringLiteral("LineLoadWords"));
    auto* intensity = dialog.findChild<QLineEdit*>(QStringLiteral("DistributedIntensity"));
    ASSERT_TRUE(per_area != nullptr && spacing != nullptr && words != nullptr);
    EXPECT_EQ(words->text(), to_qstring(kAreaLoadHint));
    per_area->setText(QStringLiteral(" 20 "));
    spacing->setText(QStringLiteral("2"));
    EXPECT_EQ(words->text(), to_qstring(kLineLoadWords).arg("20", "psf", "2", "ft", "40", "lbf/ft"));
    EXPECT_FALSE(intensity->isEnabled()) << "the load per area gives the intensity";
    EXPECT_EQ(dialog.entry().area, (load_case::AreaLoad{"20", "2"}));
    spacing->setText(QStringLiteral("two"));
    EXPECT_TRUE(words->text().contains(QStringLiteral("\"two\""))) << words->text().toStdString();
    per_area->clear();
    EXPECT_TRUE(intensity->isEnabled());
    EXPECT_EQ(dialog.entry().area, std::nullopt);
}

TEST(DistributedLoadDialog, WithoutUnitsAsksForTheIntensityAlone) {
    DistributedLoadDialog dialog({});
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("AreaLoad")), nullptr);
}

}  // namespace
}  // namespace korvel::ui
