#include "ui/load_cases_window/distributed_load_dialog.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <array>
#include <string_view>

#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

struct KindWords {
    load_case::DistributedLoadKind kind;
    std::string_view words;
};
inline constexpr std::array<KindWords, 3> kKinds{{
    {load_case::DistributedLoadKind::TopChordVertical, "Top chord, downward per horizontal length (roofing, snow)"},
    {load_case::DistributedLoadKind::SlopeNormal, "At right angles to the slope, per slope length (wind)"},
    {load_case::DistributedLoadKind::BottomChord, "Bottom chord, downward per length (ceiling)"},
}};

struct SlopesWords {
    load_case::Slopes slopes;
    std::string_view words;
};
inline constexpr std::array<SlopesWords, 3> kSlopes{{
    {load_case::Slopes::Both, "Both slopes"},
    {load_case::Slopes::Left, "Left slope only (L0 to U4)"},
    {load_case::Slopes::Right, "Right slope only (U4 to L6)"},
}};

}  // namespace

DistributedLoadDialog::DistributedLoadDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Add distributed load"));
    kind_box_ = new QComboBox(this);
    kind_box_->setObjectName(QStringLiteral("DistributedKind"));
    for (const KindWords& kind : kKinds) kind_box_->addItem(to_qstring(kind.words));
    slopes_box_ = new QComboBox(this);
    slopes_box_->setObjectName(QStringLiteral("DistributedSlopes"));
    for (const SlopesWords& slopes : kSlopes) slopes_box_->addItem(to_qstring(slopes.words));
    intensity_box_ = new QLineEdit(this);
    intensity_box_->setObjectName(QStringLiteral("DistributedIntensity"));
    // The bottom chord load always runs over the whole span.
    connect(kind_box_, &QComboBox::currentIndexChanged, this, [this](int index) {
        slopes_box_->setEnabled(kKinds[static_cast<std::size_t>(index)].kind !=
                                load_case::DistributedLoadKind::BottomChord);
    });

    auto* hint = new QLabel(QStringLiteral("The load is shared to the nodes by tributary lengths and added to the "
                                           "case's loads. Wind: positive presses on the roof, negative is suction."),
                            this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(hint);
    layout->addRow(QStringLiteral("&Acts:"), kind_box_);
    layout->addRow(QStringLiteral("&On:"), slopes_box_);
    layout->addRow(QStringLiteral("&Intensity w:"), intensity_box_);
    layout->addRow(buttons);
    intensity_box_->setFocus(Qt::OtherFocusReason);
}

load_case::DistributedLoad DistributedLoadDialog::load() const {
    return {kKinds[static_cast<std::size_t>(kind_box_->currentIndex())].kind,
            kSlopes[static_cast<std::size_t>(slopes_box_->currentIndex())].slopes,
            intensity_box_->text().trimmed().toStdString()};
}

void DistributedLoadDialog::select_intensity() {
    intensity_box_->setFocus(Qt::OtherFocusReason);
    intensity_box_->selectAll();
}

}  // namespace korvel::ui
