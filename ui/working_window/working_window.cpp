#include "ui/working_window/working_window.hpp"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextTable>
#include <QToolTip>
#include <QVBoxLayout>

#include "engine/working_text.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/working_drawing/step_sketch.hpp"
#include "ui/working_window/working_window_texts.hpp"

namespace korvel::ui {
namespace {

// Sizes in the window font's average characters and lines, so they follow the font.
constexpr int kPreferredColumns = 120, kPreferredLines = 34;
constexpr int kStepListColumns = 26;
constexpr int kSketchLines = 6;

// Writes lines of a step as paragraphs; a number written shorter than the program holds
// it is underlined dotted and shows its full value on hover.
void write_lines(QTextCursor& cursor, const std::vector<std::string>& lines, engine::NumberMark::Part part,
                 const std::vector<engine::NumberMark>& marks) {
    const QTextCharFormat plain;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        cursor.insertBlock();
        const std::string_view line = lines[i];
        std::size_t at = 0;
        for (const engine::NumberMark& mark : marks) {
            if (mark.part != part || mark.line != i) continue;
            cursor.insertText(to_qstring(line.substr(at, mark.begin - at)), plain);
            QTextCharFormat number;
            number.setToolTip(to_qstring(mark.full));
            number.setUnderlineStyle(QTextCharFormat::DotLine);
            cursor.insertText(to_qstring(line.substr(mark.begin, mark.end - mark.begin)), number);
            at = mark.end;
        }
        cursor.insertText(to_qstring(line.substr(at)), plain);
    }
}

QString joined(const std::vector<std::string>& lines) { return to_qstring_list(lines).join(QStringLiteral(". ")); }

// A table with a bold heading row repeated on every page; numbers to the right.
void insert_table(QTextCursor& cursor, const QStringList& headings, const std::vector<QStringList>& rows) {
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    QTextTable* table =
        cursor.insertTable(static_cast<int>(rows.size()) + 1, static_cast<int>(headings.size()), format);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int c = 0; c < headings.size(); ++c) table->cellAt(0, c).firstCursorPosition().insertText(headings[c], bold);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size() && c < headings.size(); ++c) {
            QTextCursor cell = table->cellAt(static_cast<int>(r) + 1, c).firstCursorPosition();
            if (c > 0) cell.setBlockFormat(right);
            cell.insertText(rows[r][c]);
        }
    }
    cursor.movePosition(QTextCursor::End);
}

}  // namespace

// A frame around the current step while the list has the focus, which not every style draws.
class WorkingWindow::FocusMark : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!option.state.testFlag(QStyle::State_HasFocus)) return;
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->setPen(
            QPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Highlight), 2, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5));
        painter->restore();
    }
};

// The drawing of the current step, painted at any size and screen scale.
class WorkingWindow::Sketch : public QWidget {
public:
    explicit Sketch(QWidget* parent) : QWidget(parent) {
        setMinimumHeight(fontMetrics().height() * kSketchLines);
        setAccessibleName(to_qstring(working_texts::kSketchName));
    }
    void set_step(const engine::WorkingStep* step, double tangent) {
        step_ = step;
        tangent_ = tangent;
        setAccessibleDescription(step ? step_sketch_description(*step) : QString());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const DiagramPalette colours = palette_for(palette());
        painter.fillRect(rect(), colours.background);
        if (step_) paint_step_sketch(painter, QRectF(rect()), *step_, colours, tangent_);
    }

private:
    const engine::WorkingStep* step_ = nullptr;
    double tangent_ = 0.5;
};

WorkingWindow::WorkingWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      steps_(new QListWidget(this)),
      detail_(new QTextBrowser(this)),
      sketch_(new Sketch(this)),
      study_(new QCheckBox(to_qstring(working_texts::kStudyMode), this)),
      full_precision_(new QCheckBox(to_qstring(working_texts::kFullPrecision), this)),
      reveal_(new QPushButton(to_qstring(working_texts::kReveal), this)) {
    setObjectName(QStringLiteral("WorkingWindow"));
    setWindowTitle(to_qstring(working_texts::kTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAccessibleName(to_qstring(working_texts::kWindowName));
    setAccessibleDescription(to_qstring(working_texts::kWindowDescription));

    steps_->setAccessibleName(to_qstring(working_texts::kStepsName));
    steps_->setAccessibleDescription(to_qstring(working_texts::kStepsDescription));
    steps_->setWordWrap(true);
    steps_->setMinimumWidth(fontMetrics().averageCharWidth() * kStepListColumns);
    steps_->setItemDelegate(new FocusMark(steps_));
    steps_->installEventFilter(this);
    detail_->setAccessibleName(to_qstring(working_texts::kDetailName));
    detail_->setOpenLinks(false);
    detail_->viewport()->installEventFilter(this);
    full_precision_->setToolTip(to_qstring(working_texts::kFullPrecisionTip));
    reveal_->setEnabled(false);
    // Up and Down move through the steps from the controls below them too.
    for (QWidget* control :
         {static_cast<QWidget*>(study_), static_cast<QWidget*>(full_precision_), static_cast<QWidget*>(reveal_)})
        control->installEventFilter(this);

    auto* right = new QWidget(this);
    auto* right_layout = new QVBoxLayout(right);
    right_layout->setContentsMargins(0, 0, 0, 0);
    right_layout->addWidget(sketch_);
    right_layout->addWidget(detail_, 1);
    right_layout->addWidget(study_);
    auto* controls = new QHBoxLayout;
    controls->addWidget(full_precision_);
    controls->addStretch();
    controls->addWidget(reveal_);
    right_layout->addLayout(controls);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(steps_);
    splitter->addWidget(right);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    setTabOrder(steps_, detail_);
    setTabOrder(detail_, study_);
    setTabOrder(study_, full_precision_);
    setTabOrder(full_precision_, reveal_);

    connect(steps_, &QListWidget::currentRowChanged, this, &WorkingWindow::show_step);
    connect(study_, &QCheckBox::toggled, this, &WorkingWindow::set_study_mode);
    connect(full_precision_, &QCheckBox::toggled, this, &WorkingWindow::set_full_precision);
    connect(reveal_, &QPushButton::clicked, this, &WorkingWindow::reveal_current);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    detail_->setPlainText(to_qstring(working_texts::kNoAnalysis));
}

void WorkingWindow::show_analysis(const AnalysisRecord& record) {
    pending_ = record.input;
    plain_.clear();
    const engine::RoofPitch& pitch = record.input.pitch;
    setWindowTitle(pitch.is_default()
                       ? to_qstring(working_texts::kTitle)
                       : to_qstring(working_texts::kTitleAtPitch).arg(QString::fromStdString(pitch.text)));
    // Worked out when the window is shown, so the results never wait for it.
    if (isVisible()) work_out_pending();
}

void WorkingWindow::show_plain_working(const QString& title, const std::vector<PlainStep>& steps) {
    pending_.reset();
    working_.reset();
    plain_ = steps;
    setWindowTitle(to_qstring(working_texts::kTitle) + QStringLiteral(" - ") + title);
    sketch_->set_step(nullptr, 0.5);
    sketch_->hide();
    const QSignalBlocker blocker(steps_);
    steps_->clear();
    for (std::size_t i = 0; i < plain_.size(); ++i)
        steps_->addItem(QString::number(i + 1) + QStringLiteral(". ") + plain_[i].title);
    steps_->setCurrentRow(0);
    show_step(0);
}

QSize WorkingWindow::sizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.averageCharWidth() * kPreferredColumns, metrics.height() * kPreferredLines)
        .expandedTo(minimumSizeHint());
}

void WorkingWindow::showEvent(QShowEvent* event) {
    work_out_pending();
    QWidget::showEvent(event);
}

void WorkingWindow::work_out_pending() {
    if (!pending_) return;
    engine::WorkingOutcome outcome = engine::work_out(*pending_);
    pending_.reset();
    if (auto* error = std::get_if<engine::AnalysisError>(&outcome)) {
        working_.reset();
        steps_->clear();
        sketch_->set_step(nullptr, 0.5);
        detail_->setPlainText(to_qstring(error->message()));
        return;
    }
    working_ = std::get<engine::Working>(std::move(outcome));
    sketch_->show();
    revealed_.assign(working_->steps.size(), false);
    fill_steps();
}

void WorkingWindow::fill_steps() {
    const QSignalBlocker blocker(steps_);
    steps_->clear();
    for (std::size_t i = 0; i < working_->steps.size(); ++i) {
        steps_->addItem(QString());
        update_item(static_cast<int>(i));
    }
    steps_->setCurrentRow(0);
    show_step(0);
}

engine::Precision WorkingWindow::precision() const {
    return full_precision_->isChecked() ? engine::Precision::Full : engine::Precision::Readable;
}

bool WorkingWindow::answer_shown(int row) const { return !study_->isChecked() || is_revealed(row); }

bool WorkingWindow::is_revealed(int step) const {
    return step >= 0 && static_cast<std::size_t>(step) < revealed_.size() && revealed_[static_cast<std::size_t>(step)];
}

void WorkingWindow::update_item(int row) {
    const engine::WorkingStep& step = working_->steps[static_cast<std::size_t>(row)];
    const engine::StepText text = engine::step_text(step, precision());
    QListWidgetItem* item = steps_->item(row);
    item->setText(QString::number(row + 1) + QStringLiteral(". ") + to_qstring(text.heading));
    const QString number =
        to_qstring(working_texts::kStepNumber).arg(row + 1).arg(static_cast<int>(working_->steps.size()));
    const QString answer = answer_shown(row) ? joined(text.terms) + QStringLiteral(". ") + joined(text.answer)
                                             : to_qstring(working_texts::kHidden);
    item->setData(Qt::AccessibleTextRole, number + to_qstring(std::string(engine::stage_title(step.stage))) +
                                              QStringLiteral(". ") + to_qstring(text.heading));
    item->setData(Qt::AccessibleDescriptionRole, joined(text.question) + QStringLiteral(". ") + answer);
}

void WorkingWindow::show_step(int row) {
    if (!plain_.empty() && row >= 0 && static_cast<std::size_t>(row) < plain_.size()) {
        const PlainStep& step = plain_[static_cast<std::size_t>(row)];
        detail_->clear();
        QTextCursor cursor(detail_->document());
        QTextCharFormat heading;
        heading.setFontWeight(QFont::Bold);
        heading.setProperty(QTextFormat::FontSizeAdjustment, 1);
        cursor.insertText(step.title, heading);
        if (!step.rows.empty()) insert_table(cursor, step.headings, step.rows);
        for (const QString& line : step.lines) {
            cursor.insertBlock();
            cursor.insertText(line, QTextCharFormat());
        }
        detail_->moveCursor(QTextCursor::Start);
        reveal_->setEnabled(false);
        return;
    }
    if (!working_ || row < 0 || static_cast<std::size_t>(row) >= working_->steps.size()) return;
    const engine::WorkingStep& step = working_->steps[static_cast<std::size_t>(row)];
    const engine::StepText text = engine::step_text(step, precision());
    sketch_->set_step(&step, working_->tangent);
    detail_->clear();
    QTextCursor cursor(detail_->document());
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setProperty(QTextFormat::FontSizeAdjustment, 1);  // one step larger, whatever the font's unit
    cursor.insertText(to_qstring(text.heading), heading);
    write_lines(cursor, text.question, engine::NumberMark::Part::Question, text.marks);
    if (answer_shown(row)) {
        write_lines(cursor, text.terms, engine::NumberMark::Part::Terms, text.marks);
        write_lines(cursor, text.answer, engine::NumberMark::Part::Answer, text.marks);
    } else {
        QTextCharFormat hidden;
        hidden.setFontItalic(true);
        cursor.insertBlock();
        cursor.insertText(to_qstring(working_texts::kHidden), hidden);
    }
    detail_->moveCursor(QTextCursor::Start);
    reveal_->setEnabled(!answer_shown(row));
}

void WorkingWindow::set_study_mode(bool on) {
    if (study_->isChecked() != on) study_->setChecked(on);
    if (!working_) return;
    for (int row = 0; row < steps_->count(); ++row) update_item(row);
    show_step(steps_->currentRow());
}

void WorkingWindow::set_full_precision(bool on) {
    if (full_precision_->isChecked() != on) full_precision_->setChecked(on);
    if (!working_) return;
    for (int row = 0; row < steps_->count(); ++row) update_item(row);
    show_step(steps_->currentRow());
}

void WorkingWindow::reveal_current() {
    const int row = steps_->currentRow();
    if (!working_ || row < 0 || answer_shown(row)) return;
    revealed_[static_cast<std::size_t>(row)] = true;
    update_item(row);
    show_step(row);
}

bool WorkingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == steps_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            reveal_current();
            return true;
        }
    }
    if (watched != steps_ && watched != detail_->viewport() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            steps_->setFocus(Qt::OtherFocusReason);
            QCoreApplication::sendEvent(steps_, event);
            return true;
        }
    }
    if (watched == detail_->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        // The character under the pointer is the one after the nearest cursor position, or the one before it.
        QTextCursor at = detail_->cursorForPosition(help->pos());
        QString full = at.charFormat().toolTip();
        if (at.movePosition(QTextCursor::NextCharacter) && !at.charFormat().toolTip().isEmpty()) {
            full = at.charFormat().toolTip();
        }
        if (full.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), full, detail_->viewport());
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace korvel::ui
