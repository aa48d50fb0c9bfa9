#include "ui/working_window/working_window.hpp"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "engine/working_text.hpp"
#include "ui/working_window/step_sketch.hpp"
#include "ui/working_window/working_window_texts.hpp"

namespace korvel::ui {
namespace {

constexpr QSize kFirstSize(1000, 640);
constexpr int kSketchHeight = 170;

QString qt(const std::string& text) { return QString::fromStdString(text); }
QString qt(const char* text) { return QString::fromUtf8(text); }

QString lines_html(const std::vector<std::string>& lines) {
    QString out;
    for (const std::string& line : lines)
        out += QStringLiteral("<p>") + qt(line).toHtmlEscaped() + QStringLiteral("</p>");
    return out;
}

QString joined(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out << qt(line);
    return out.join(QStringLiteral(". "));
}

}  // namespace

// The drawing of the current step, painted at any size and screen scale.
class WorkingWindow::Sketch : public QWidget {
public:
    explicit Sketch(QWidget* parent) : QWidget(parent) {
        setMinimumHeight(kSketchHeight);
        setAccessibleName(qt(working_texts::kSketchName));
    }
    void set_step(const engine::WorkingStep* step) {
        step_ = step;
        setAccessibleDescription(step ? step_sketch_description(*step) : QString());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const DiagramPalette colours = palette_for(palette());
        painter.fillRect(rect(), colours.background);
        if (step_) paint_step_sketch(painter, QRectF(rect()), *step_, colours);
    }

private:
    const engine::WorkingStep* step_ = nullptr;
};

WorkingWindow::WorkingWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      steps_(new QListWidget(this)),
      detail_(new QTextBrowser(this)),
      sketch_(new Sketch(this)),
      study_(new QCheckBox(qt(working_texts::kStudyMode), this)),
      reveal_(new QPushButton(qt(working_texts::kReveal), this)) {
    setObjectName(QStringLiteral("WorkingWindow"));
    setWindowTitle(qt(working_texts::kTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAccessibleName(qt(working_texts::kWindowName));
    setAccessibleDescription(qt(working_texts::kWindowDescription));
    resize(kFirstSize);

    steps_->setAccessibleName(qt(working_texts::kStepsName));
    steps_->setAccessibleDescription(qt(working_texts::kStepsDescription));
    steps_->setWordWrap(true);
    steps_->installEventFilter(this);
    detail_->setAccessibleName(qt(working_texts::kDetailName));
    detail_->setOpenLinks(false);
    reveal_->setEnabled(false);

    auto* right = new QWidget(this);
    auto* right_layout = new QVBoxLayout(right);
    right_layout->setContentsMargins(0, 0, 0, 0);
    right_layout->addWidget(sketch_);
    right_layout->addWidget(detail_, 1);
    auto* controls = new QHBoxLayout;
    controls->addWidget(study_);
    controls->addStretch();
    controls->addWidget(reveal_);
    right_layout->addLayout(controls);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(steps_);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    setTabOrder(steps_, detail_);
    setTabOrder(detail_, study_);
    setTabOrder(study_, reveal_);

    connect(steps_, &QListWidget::currentRowChanged, this, &WorkingWindow::show_step);
    connect(study_, &QCheckBox::toggled, this, &WorkingWindow::set_study_mode);
    connect(reveal_, &QPushButton::clicked, this, &WorkingWindow::reveal_current);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    detail_->setPlainText(qt(working_texts::kNoAnalysis));
}

void WorkingWindow::show_analysis(const AnalysisRecord& record) {
    pending_ = record.input;
    // Worked out when the window is shown, so the results never wait for it.
    if (isVisible()) work_out_pending();
}

QSize WorkingWindow::sizeHint() const { return kFirstSize; }

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
        sketch_->set_step(nullptr);
        detail_->setPlainText(qt(error->message()));
        return;
    }
    working_ = std::get<engine::Working>(std::move(outcome));
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

bool WorkingWindow::answer_shown(int row) const { return !study_->isChecked() || is_revealed(row); }

bool WorkingWindow::is_revealed(int step) const {
    return step >= 0 && static_cast<std::size_t>(step) < revealed_.size() && revealed_[static_cast<std::size_t>(step)];
}

void WorkingWindow::update_item(int row) {
    const engine::WorkingStep& step = working_->steps[static_cast<std::size_t>(row)];
    const engine::StepText text = engine::step_text(step);
    QListWidgetItem* item = steps_->item(row);
    item->setText(QString::number(row + 1) + QStringLiteral(". ") + qt(text.heading));
    const QString number =
        QString::fromLatin1(working_texts::kStepNumber).arg(row + 1).arg(static_cast<int>(working_->steps.size()));
    const QString answer = answer_shown(row) ? joined(text.terms) + QStringLiteral(". ") + joined(text.answer)
                                             : qt(working_texts::kHidden);
    item->setData(Qt::AccessibleTextRole,
                  number + qt(std::string(engine::stage_title(step.stage))) + QStringLiteral(". ") + qt(text.heading));
    item->setData(Qt::AccessibleDescriptionRole, joined(text.question) + QStringLiteral(". ") + answer);
}

void WorkingWindow::show_step(int row) {
    if (!working_ || row < 0 || static_cast<std::size_t>(row) >= working_->steps.size()) return;
    const engine::WorkingStep& step = working_->steps[static_cast<std::size_t>(row)];
    const engine::StepText text = engine::step_text(step);
    sketch_->set_step(&step);
    QString html =
        QStringLiteral("<h3>") + qt(text.heading).toHtmlEscaped() + QStringLiteral("</h3>") + lines_html(text.question);
    if (answer_shown(row)) {
        html += lines_html(text.terms) + lines_html(text.answer);
    } else {
        html += QStringLiteral("<p><i>") + qt(working_texts::kHidden).toHtmlEscaped() + QStringLiteral("</i></p>");
    }
    detail_->setHtml(html);
    reveal_->setEnabled(!answer_shown(row));
}

void WorkingWindow::set_study_mode(bool on) {
    if (study_->isChecked() != on) study_->setChecked(on);
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
    return QWidget::eventFilter(watched, event);
}

}  // namespace korvel::ui
