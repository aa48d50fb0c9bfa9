#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "load_case/project.hpp"
#include "ui/load_cases_window/project_envelope.hpp"

class QLabel;
class QTableWidget;

namespace korvel::ui {

// The envelope of a project's combinations: the 29 members and the three
// reactions with their largest and smallest values and the combinations that
// give them, each reversal and uplift in words, and the force diagram with each
// member in the colour of its governing sign and both values where it reverses.
class EnvelopeView final : public QWidget {
    Q_OBJECT
public:
    explicit EnvelopeView(QWidget* parent = nullptr);

    // Analyses every combination of the project and shows their envelope, or why there is none.
    void show_project(const load_case::Project& project);
    // Shows no envelope, and why: a part of the project the window holds back, such as a refused pitch.
    void show_refusal(const QString& why);
    // The envelope shown; nothing while the project cannot be analysed.
    const std::optional<ProjectEnvelope>& shown() const { return shown_; }
    // What stands above the tables: the count of combinations, the failed ones, or what to correct.
    QString status() const;

private:
    std::optional<ProjectEnvelope> shown_;
    QLabel* status_ = nullptr;
    QTableWidget* members_ = nullptr;
    QTableWidget* reactions_ = nullptr;
    QWidget* diagram_ = nullptr;
};

// The text the diagram writes at a member: its governing value, or "max / min" where it reverses.
QString member_diagram_text(const engine::Extremes& extremes);

}  // namespace korvel::ui
