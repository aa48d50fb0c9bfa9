#include "ui/dialogs/load_table_dialog.hpp"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "ui/dialogs/dialogs_texts.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

// Where a cell keeps the place of its load in the load map.
constexpr int kLoadIndexRole = Qt::UserRole;

constexpr std::array<engine::Component, 2> kColumns{engine::Component::Horizontal, engine::Component::Vertical};

// The nodes that take a load, in the order the load map first names them.
std::vector<engine::Node> load_nodes() {
    std::vector<engine::Node> nodes;
    for (const engine::LoadSlot& slot : engine::kLoadMap)
        if (std::find(nodes.begin(), nodes.end(), slot.node) == nodes.end()) nodes.push_back(slot.node);
    return nodes;
}

// A load cell: the editor gets the whole text, the view draws its bounded beginning.
class LoadItem final : public QTableWidgetItem {
public:
    explicit LoadItem(const QString& text) { setData(Qt::EditRole, text); }

    QVariant data(int role) const override {
        if (role == Qt::DisplayRole)
            return AutoSizeLabel::shown_caption(QTableWidgetItem::data(Qt::EditRole).toString());
        return QTableWidgetItem::data(role);
    }
};

// Cell editors take a text of any length, as the load labels hold one.
class LoadDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Editors made while this is set start empty: a typed key replaces the whole
    // text anyway, and filling a line edit with a huge text first would hold up the typing.
    void set_start_empty(bool start_empty) { start_empty_ = start_empty; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(std::numeric_limits<int>::max());
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (line != nullptr && start_empty_) {
            line->clear();
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

protected:
    // Enter acts on the whole dialog even in the middle of typing: it takes the
    // cell's text and accepts. Escape is left to the delegate, which undoes the
    // cell being edited only.
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(watched);
        if (editor != nullptr && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                return false;  // the key goes on to the dialog
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

private:
    bool start_empty_ = false;
};

// A table whose typed keys replace a cell's text, and which can hand over the
// text of the cell being edited on demand.
class LoadTable final : public QTableWidget {
public:
    LoadTable(int rows, int columns, QWidget* parent)
        : QTableWidget(rows, columns, parent), delegate_(new LoadDelegate(this)) {
        setItemDelegate(delegate_);
    }

    void commit_open_editor() {
        QWidget* editor = indexWidget(currentIndex());
        if (editor == nullptr) return;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override {
        delegate_->set_start_empty(trigger == AnyKeyPressed);
        const bool editing = QTableWidget::edit(index, trigger, event);
        delegate_->set_start_empty(false);
        // F2 goes on typing at the end of the text, as in spreadsheets.
        if (auto* line = qobject_cast<QLineEdit*>(indexWidget(index)); editing && trigger == EditKeyPressed && line) {
            line->deselect();
            line->end(false);
        }
        return editing;
    }

private:
    LoadDelegate* delegate_;
};

QString column_title(engine::Component component) {
    return to_qstring(component == engine::Component::Horizontal ? kHorizontalLoadColumn : kVerticalLoadColumn);
}

}  // namespace

LoadTableDialog::LoadTableDialog(const LoadTexts& loads, std::function<bool()> confirm_discarding, QWidget* parent)
    : QDialog(parent), offered_(loads), confirm_discarding_(std::move(confirm_discarding)) {
    setWindowTitle(to_qstring(kLoadTableTitle));

    const std::vector<engine::Node> nodes = load_nodes();
    table_ = new LoadTable(static_cast<int>(nodes.size()), static_cast<int>(kColumns.size()), this);
    table_->setObjectName(QStringLiteral("LoadTable"));
    table_->setAccessibleName(to_qstring(kLoadTableName));
    // Typing, F2 or a double click edit a cell; moving over cells only moves.
    table_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(true);

    for (std::size_t column = 0; column < kColumns.size(); ++column)
        table_->setHorizontalHeaderItem(static_cast<int>(column), new QTableWidgetItem(column_title(kColumns[column])));
    for (std::size_t row = 0; row < nodes.size(); ++row) {
        const QString node = to_qstring(engine::node_name(nodes[row]));
        table_->setVerticalHeaderItem(static_cast<int>(row), new QTableWidgetItem(node));
        for (std::size_t column = 0; column < kColumns.size(); ++column) {
            const auto index = engine::load_index(nodes[row], kColumns[column]);
            auto* item = new LoadItem(index ? loads[*index] : QString());
            if (index) {
                item->setData(kLoadIndexRole, QVariant::fromValue(*index));
            } else {
                item->setFlags(Qt::NoItemFlags);
                // Shaded like the window around the table, so a cell that takes nothing looks it.
                item->setBackground(table_->palette().brush(QPalette::Disabled, QPalette::Window));
                item->setToolTip(to_qstring(kCellTakesNothing).arg(node, column_title(kColumns[column]).toLower()));
            }
            table_->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->resizeRowsToContents();
    // Every row in sight at once: no load hides below a scroll bar.
    const int frame = 2 * table_->frameWidth();
    table_->setMinimumSize(
        table_->verticalHeader()->sizeHint().width() + 2 * 160 + frame,
        table_->verticalHeader()->length() + table_->horizontalHeader()->sizeHint().height() + frame);
    table_->setCurrentCell(0, 0);

    auto* hint = new QLabel(to_qstring(kLoadTableHint), this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &LoadTableDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LoadTableDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    table_->setFocus(Qt::OtherFocusReason);
}

LoadTexts LoadTableDialog::loads() const {
    LoadTexts texts;
    for (int row = 0; row < table_->rowCount(); ++row) {
        for (int column = 0; column < table_->columnCount(); ++column) {
            const QTableWidgetItem* item = table_->item(row, column);
            const QVariant index = item->data(kLoadIndexRole);
            if (index.isValid()) texts[index.value<std::size_t>()] = item->data(Qt::EditRole).toString();
        }
    }
    return texts;
}

void LoadTableDialog::accept() {
    static_cast<LoadTable*>(table_)->commit_open_editor();
    QDialog::accept();
}

void LoadTableDialog::reject() {
    static_cast<LoadTable*>(table_)->commit_open_editor();
    if (loads() != offered_ && !confirm_discarding_()) return;
    QDialog::reject();
}

}  // namespace korvel::ui
