#include "ui/load_cases_window/envelope_view.hpp"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

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
    auto* table = new QTableWidget(rows, static_cast<int>(kEnvelopeColumns.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    use_readable_header(*table, ColumnFit::WithinWidth);
    table->setAccessibleName(spoken);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() * 4 / 3);
    for (std::size_t c = 0; c < kEnvelopeColumns.size(); ++c)
        table->setHorizontalHeaderItem(static_cast<int>(c),
                                       new QTableWidgetItem(to_qstring(c == 0 ? first_heading : kEnvelopeColumns[c])));
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void fill_row(QTableWidget& table, int row, const QString& item, const engine::Extremes& extremes,
              const std::vector<std::string>& names, const QString& note) {
    const QStringList cells{item,
                            text_of(extremes.max.value),
                            QString::fromStdString(names.at(extremes.max.by)),
                            text_of(extremes.min.value),
                            QString::fromStdString(names.at(extremes.min.by)),
                            note};
    for (int c = 0; c < cells.size(); ++c) {
        auto* cell = new QTableWidgetItem(cells[c]);
        if (!note.isEmpty()) {
            QFont bold = cell->font();
            bold.setBold(true);
            cell->setFont(bold);
        }
        table.setItem(row, c, cell);
    }
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

QString member_note(const engine::Extremes& extremes) {
    return extremes.reverses() ? to_qstring(kReversesNote) : QString();
}

QString reaction_note(engine::Reaction reaction, const engine::Envelope& envelope) {
    for (const UpliftWords& uplift : kUpliftWords)
        if (uplift.reaction == reaction && envelope.uplifts(reaction)) return to_qstring(uplift.words);
    if (reaction == engine::Reaction::HL0 && envelope.reaction(reaction).reverses())
        return to_qstring(kHorizontalReversesNote);
    return {};
}

QString member_diagram_text(const engine::Extremes& extremes) {
    if (extremes.reverses()) return text_of(extremes.max.value) + QStringLiteral(" / ") + text_of(extremes.min.value);
    return text_of(governing(extremes));
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
    if (const auto* fault = std::get_if<load_case::ProjectError>(&outcome)) {
        shown_.reset();
        status_->setText(QStringLiteral("No envelope yet: %1").arg(QString::fromStdString(fault->message)));
    } else {
        shown_ = std::get<ProjectEnvelope>(std::move(outcome));
        const engine::Envelope& envelope = shown_->envelope;
        QString status = envelope.complete() ? QStringLiteral("Envelope of %1 combinations.").arg(shown_->names.size())
                         : envelope.has_values()
                             ? QStringLiteral("Incomplete: the envelope leaves out %1 of %2 combinations.")
                                   .arg(envelope.failed().size())
                                   .arg(shown_->names.size())
                             : QStringLiteral("No combination could be analysed.");
        const auto named = std::min(envelope.failed().size(), kNamedFailures);
        for (std::size_t i = 0; i < named; ++i) {
            const engine::FailedCombination& failed = envelope.failed()[i];
            status += QStringLiteral(" \"%1\": %2")
                          .arg(QString::fromStdString(shown_->names.at(failed.combination)),
                               QString::fromStdString(failed.error.message()));
        }
        if (envelope.failed().size() > named)
            status += QStringLiteral(" And %1 more.").arg(envelope.failed().size() - named);
        status_->setText(status);
    }
    fill_tables();
    static_cast<DiagramPane*>(diagram_)->forget_layout();
}

void EnvelopeView::fill_tables() {
    const bool values = shown_ && shown_->envelope.has_values();
    members_->setRowCount(values ? static_cast<int>(engine::kMemberCount) : 0);
    reactions_->setRowCount(values ? static_cast<int>(engine::kReactionCount) : 0);
    if (!values) return;
    const engine::Envelope& envelope = shown_->envelope;
    int row = 0;
    for (const engine::Member member : engine::kMembersInTableOrder) {
        fill_row(*members_, row++, to_qstring(engine::member_name(member)), envelope.force(member), shown_->names,
                 member_note(envelope.force(member)));
    }
    row = 0;
    for (const engine::ReactionRow& reaction : engine::kReactionRows) {
        fill_row(*reactions_, row++, to_qstring(engine::reaction_name(reaction.reaction)),
                 envelope.reaction(reaction.reaction), shown_->names, reaction_note(reaction.reaction, envelope));
    }
    members_->resizeColumnsToContents();
    reactions_->resizeColumnsToContents();
}

}  // namespace korvel::ui
