#include "ui/load_cases_window/envelope_view.hpp"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/envelope_table.hpp"
#include "engine/result_table.hpp"
#include "ui/force_diagram/diagram_pane.hpp"
#include "ui/force_diagram/envelope_diagram_texts.hpp"
#include "ui/force_diagram/force_diagram_texts.hpp"
#include "ui/load_cases_window/load_cases_window_texts.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/table_headers.hpp"

namespace korvel::ui {
namespace {

// How many failed combinations the status names before it only counts the rest.
constexpr std::size_t kNamedFailures = 3;

QString text_of(engine::Fixed4 value) { return QString::fromStdString(value.to_text()); }

QTableWidget* envelope_table(QWidget* parent, const char* name, const QString& spoken, int rows,
                             std::string_view first_heading) {
    auto* table = new QTableWidget(rows, static_cast<int>(engine::kEnvelopeValueHeadings.size() + 1), parent);
    table->setObjectName(QString::fromLatin1(name));
    // The names of the governing combinations give way; the member, the values and the note stay whole.
    use_readable_header(*table, ColumnFit::WithinWidth).keep_whole({0, 1, 3});
    table->setAccessibleName(spoken);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() * 4 / 3);
    table->setHorizontalHeaderItem(0, new QTableWidgetItem(to_qstring(first_heading)));
    for (std::size_t c = 0; c < engine::kEnvelopeValueHeadings.size(); ++c)
        table->setHorizontalHeaderItem(static_cast<int>(c + 1),
                                       new QTableWidgetItem(to_qstring(engine::kEnvelopeValueHeadings[c])));
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// The rows of one block of the envelope table; a row with a note is bold.
void fill_rows(QTableWidget& table, const std::vector<engine::EnvelopeRow>& rows) {
    table.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto cells = rows[r].cells();
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* cell = new QTableWidgetItem(to_qstring(cells[c]));
            cell->setToolTip(cell->text());  // whole where a narrow column cuts it
            if (!rows[r].note.empty()) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
            }
            table.setItem(static_cast<int>(r), static_cast<int>(c), cell);
        }
    }
    table.resizeColumnsToContents();
}

// The diagram of the envelope, at any size and in the window's colours.
std::optional<FittedForceDiagram> lay_out_envelope(const std::optional<ProjectEnvelope>& shown, const QRectF& area,
                                                   const QFont& font, const QPaintDevice* device) {
    const std::optional<AnalysisRecord> record = shown ? governing_record(*shown) : std::nullopt;
    if (!record) return std::nullopt;
    const engine::Envelope& envelope = shown->envelope;
    return lay_out_fitted_force_diagram(
        *record, area, font, device,
        [&envelope](engine::Member member) { return member_diagram_text(envelope.force(member)); },
        envelope_reaction_texts(envelope));
}

}  // namespace

QString member_diagram_text(const engine::Extremes& extremes) {
    if (extremes.reverses()) return text_of(extremes.max.value) + QStringLiteral(" / ") + text_of(extremes.min.value);
    return text_of(engine::governing(extremes));
}

EnvelopeView::EnvelopeView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EnvelopeView"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("EnvelopeStatus"));
    status_->setAccessibleName(QStringLiteral("Envelope status"));
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    status_->setFocusPolicy(Qt::StrongFocus);

    // Made in the order they stand, which Tab follows.
    reactions_ = envelope_table(this, "EnvelopeReactions", QStringLiteral("Envelope of the reactions"),
                                static_cast<int>(engine::kReactionCount), engine::kReactionsHeading);
    members_ = envelope_table(this, "EnvelopeMembers", QStringLiteral("Envelope of the member forces"),
                              static_cast<int>(engine::kMemberCount), engine::kMemberHeading);
    // All three rows in sight, with room for a scroll bar when the names are wide.
    reactions_->setFixedHeight(reactions_->horizontalHeader()->sizeHint().height() +
                               3 * reactions_->verticalHeader()->defaultSectionSize() +
                               reactions_->horizontalScrollBar()->sizeHint().height() + 2 * reactions_->frameWidth());
    diagram_ =
        new DiagramPane([this](const QRectF& area, const QFont& font,
                               const QPaintDevice* device) { return lay_out_envelope(shown_, area, font, device); },
                        to_qstring(force_diagram_texts::kEnvelopeTitle), this);
    diagram_->setObjectName(QStringLiteral("EnvelopeDiagram"));
    diagram_->setAccessibleName(QStringLiteral("Force diagram of the envelope"));

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setChildrenCollapsible(false);
    split->addWidget(members_);
    split->addWidget(diagram_);
    split->setStretchFactor(1, 2);  // the table scrolls; the diagram needs the room
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(status_);
    layout->addWidget(reactions_);
    layout->addWidget(split, 1);
}

QString EnvelopeView::status() const { return status_->text(); }

void EnvelopeView::show_project(const load_case::Project& project) {
    auto outcome = load_case::envelope_of(project);
    engine::EnvelopeTable table;
    if (const auto* fault = std::get_if<load_case::ProjectError>(&outcome)) {
        shown_.reset();
        status_->setText(to_qstring(kNoEnvelopeYet).arg(QString::fromStdString(fault->message)));
    } else {
        shown_ = std::get<ProjectEnvelope>(std::move(outcome));
        table = engine::envelope_table(shown_->envelope, shown_->names);
        QString status = QString::fromStdString(table.status);
        const auto named = std::min(table.failures.size(), kNamedFailures);
        for (std::size_t i = 0; i < named; ++i) {
            status += QStringLiteral(" \"%1\": %2")
                          .arg(to_qstring(table.failures[i].name), QString::fromStdString(table.failures[i].message));
        }
        if (table.failures.size() > named) status += QStringLiteral(" And %1 more.").arg(table.failures.size() - named);
        status_->setText(status);
    }
    fill_rows(*reactions_, table.reactions);
    fill_rows(*members_, table.members);
    static_cast<DiagramPane*>(diagram_)->forget_layout();
}

void EnvelopeView::show_refusal(const QString& why) {
    shown_.reset();
    status_->setText(to_qstring(kNoEnvelopeYet).arg(why));
    fill_rows(*reactions_, {});
    fill_rows(*members_, {});
    static_cast<DiagramPane*>(diagram_)->forget_layout();
}

}  // namespace korvel::ui
