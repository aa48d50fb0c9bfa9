#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "ui/force_diagram/force_diagram_layout.hpp"

class QLabel;
class QPushButton;

namespace korvel::ui {

// A force diagram filling a pane of a window, laid out again only when its size,
// font or diagram changes. Where the pane is too small for every text to be read
// whole, it says so and offers the diagram in a window of its own, beside the
// pane's window; that window is a pane too and follows the same diagram.
class DiagramPane final : public QWidget {
public:
    // The layout of the diagram in an area and a font, or nothing when there is none to show.
    using LayOut = std::function<std::optional<FittedForceDiagram>(const QRectF& area, const QFont& font,
                                                                   const QPaintDevice* device)>;

    // Without a parent, the pane is a window of its own, titled `window_title`; in a
    // window, `window_title` names the window it offers.
    DiagramPane(LayOut lay_out, QString window_title, QWidget* parent);
    ~DiagramPane() override;

    // The diagram changed: the next paint lays it out again, here and in its own window.
    void forget_layout();
    // Whether the pane shows the diagram, rather than that it is too small for it.
    bool shows_diagram() const;
    // The diagram's own window, once opened.
    DiagramPane* own_window() const { return own_window_.get(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const std::optional<FittedForceDiagram>& laid_out();
    void open_own_window();

    LayOut lay_out_;
    QString window_title_;
    QLabel* too_small_;
    QPushButton* open_own_ = nullptr;
    std::unique_ptr<DiagramPane> own_window_;
    std::optional<FittedForceDiagram> laid_out_;
    bool laid_out_valid_ = false;
    QSize laid_out_size_;
    QFont laid_out_font_;
};

}  // namespace korvel::ui
