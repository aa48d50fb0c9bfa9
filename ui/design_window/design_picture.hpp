#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>

#include "design/design_picture.hpp"
#include "ui/force_diagram/analysis_record.hpp"

namespace korvel::ui {

// The colour of a utilisation band, after the colour-blind-safe set the force
// diagram takes its pair from: darker on a light background, lighter on a dark one.
QColor utilisation_colour(design::UtilisationBand band, bool dark);

// The picture of a design: the truss at the project's span and pitch, each
// member in the colour of its utilisation's band and labelled with its number,
// a legend of the bands in words, and where a serviceability combination is
// shown, its deformed shape over the truss at a stated exaggeration.
class DesignPicture final : public QWidget {
public:
    explicit DesignPicture(QWidget* parent = nullptr);

    // The design to draw: the unloaded truss analysed at the project's span and
    // pitch (for its geometry), each member's design, and the shape, if any.
    void show_design(const AnalysisRecord& truss, const design::DesignResult& result,
                     std::optional<design::DeformedShape> shape, std::string_view length_unit);
    void clear();

    // Every text the picture draws, for a test and a screen reader's description.
    const QStringList& texts() const { return texts_; }

    QSize minimumSizeHint() const override { return {240, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<AnalysisRecord> truss_;
    std::array<design::UtilisationBand, engine::kMemberCount> bands_{};
    std::array<QString, engine::kMemberCount> labels_;
    std::optional<design::DeformedShape> shape_;
    QString largest_text_;
    QString scale_text_;
    QStringList texts_;
};

}  // namespace korvel::ui
