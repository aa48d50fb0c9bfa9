#include "ui/dialogs/load_table.hpp"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "ui/dialogs/dialogs_texts.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/table_headers.hpp"
#include "ui/widgets/typing_delegate.hpp"

namespace korvel::ui {
namespace {

// Where a cell keeps the place of its load in the load map.
constexpr int kLoadIndexRole = Qt::UserRole;

constexpr std::array<engine::Component, 2> kColumns{engine::Component::Horizontal, engine::Component::Vertical};
constexpr int kLeastColumnWidth = 160;

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
    LoadItem() { setData(Qt::EditRole, QString()); }

    QVariant data(int role) const override {
        if (role == Qt::DisplayRole)
            return AutoSizeLabel::shown_caption(QTableWidgetItem::data(Qt::EditRole).toString());
        return QTableWidgetItem::data(role);
    }
};

QString column_title(engine::Component component) {
    return to_qstring(component == engine::Component::Horizontal ? kHorizontalLoadColumn : kVerticalLoadColumn);
}

}  // namespace

// Cell editors take a text of any length, as the load labels hold one.
class LoadDelegate final : public TypingDelegate {
public:
    using TypingDelegate::TypingDelegate;

    // The next editor made starts empty: a typed key replaces the whole text anyway,
    // and filling a line edit with a huge text first would hold up the typing. Only
    // its first filling: where each keystroke is taken at once, the key that opened
    // the editor comes back as the cell's new text, which must stay.
    void set_start_empty(bool start_empty) { start_empty_ = start_empty; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = TypingDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(std::numeric_limits<int>::max());
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (line != nullptr && std::exchange(start_empty_, false)) {
            line->clear();
            return;
        }
        // A keystroke taken at once comes back as the cell's text: the editor keeps its cursor.
        if (line != nullptr && line->text() == index.data(Qt::EditRole).toString()) return;
        TypingDelegate::setEditorData(editor, index);
    }

protected:
    // Enter acts on the whole dialog even in the middle of typing: it takes the
    // cell's text and accepts. Where each keystroke is taken at once, it only ends
    // the cell's edit. Escape is left to the delegate, which undoes the cell being
    // edited only.
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(watched);
        if (editor != nullptr && event->type() == QEvent::KeyPress && !commits_while_typing()) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                return false;  // the key goes on to the window
            }
        }
        return TypingDelegate::eventFilter(watched, event);
    }

private:
    mutable bool start_empty_ = false;
};

LoadTable::LoadTable(QWidget* parent)
    : QTableWidget(static_cast<int>(load_nodes().size()), static_cast<int>(kColumns.size()), parent),
      delegate_(new LoadDelegate(this)) {
    setItemDelegate(delegate_);
    setObjectName(QStringLiteral("LoadTable"));
    setAccessibleName(to_qstring(kLoadTableName));
    // Typing, F2 or a double click edit a cell; moving over cells only moves.
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    use_readable_header(*this);

    const std::vector<engine::Node> nodes = load_nodes();
    for (std::size_t column = 0; column < kColumns.size(); ++column)
        setHorizontalHeaderItem(static_cast<int>(column), new QTableWidgetItem(column_title(kColumns[column])));
    for (std::size_t row = 0; row < nodes.size(); ++row) {
        const QString node = to_qstring(engine::node_name(nodes[row]));
        setVerticalHeaderItem(static_cast<int>(row), new QTableWidgetItem(node));
        for (std::size_t column = 0; column < kColumns.size(); ++column) {
            const auto index = engine::load_index(nodes[row], kColumns[column]);
            auto* item = new LoadItem;
            if (index) {
                item->setData(kLoadIndexRole, QVariant::fromValue(*index));
            } else {
                item->setFlags(Qt::NoItemFlags);
                // Shaded like the window around the table, so a cell that takes nothing looks it.
                item->setBackground(palette().brush(QPalette::Disabled, QPalette::Window));
                item->setToolTip(to_qstring(kCellTakesNothing).arg(node, column_title(kColumns[column]).toLower()));
            }
            setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    resizeRowsToContents();
    // Every row in sight at once: no load hides below a scroll bar.
    const int frame = 2 * frameWidth();
    // Each column at least as wide as its title in the theme's font; narrower, the title ends in "…".
    int columns = 0;
    for (int column = 0; column < columnCount(); ++column)
        columns += std::max(kLeastColumnWidth, horizontalHeader()->sectionSizeHint(column));
    setMinimumSize(verticalHeader()->sizeHint().width() + columns + frame,
                   verticalHeader()->length() + horizontalHeader()->sizeHint().height() + frame);
    setCurrentCell(0, 0);
    connect(this, &QTableWidget::itemChanged, this, &LoadTable::loads_edited);
}

LoadTexts LoadTable::loads() const {
    LoadTexts texts;
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem* cell = item(row, column);
            const QVariant index = cell->data(kLoadIndexRole);
            if (index.isValid()) texts[index.value<std::size_t>()] = cell->data(Qt::EditRole).toString();
        }
    }
    return texts;
}

void LoadTable::set_loads(const LoadTexts& loads) {
    const QSignalBlocker quiet(this);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            QTableWidgetItem* cell = item(row, column);
            const QVariant index = cell->data(kLoadIndexRole);
            if (index.isValid()) cell->setData(Qt::EditRole, loads[index.value<std::size_t>()]);
        }
    }
}

void LoadTable::commit_open_editor() {
    QWidget* editor = indexWidget(currentIndex());
    if (editor == nullptr) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void LoadTable::set_commit_while_typing(bool live) { delegate_->set_commit_while_typing(live); }

bool LoadTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    delegate_->set_start_empty(trigger == AnyKeyPressed);
    const QString before = index.data(Qt::EditRole).toString();
    const bool editing = QTableWidget::edit(index, trigger, event);
    delegate_->set_start_empty(false);
    if (editing) text_before_edit_ = before;
    // F2 goes on typing at the end of the text, as in spreadsheets.
    if (auto* line = qobject_cast<QLineEdit*>(indexWidget(index)); editing && trigger == EditKeyPressed && line) {
        line->deselect();
        line->end(false);
    }
    return editing;
}

void LoadTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Escape undoes the cell being edited, also where each keystroke was taken at once.
    const QModelIndex edited = currentIndex();
    QTableWidget::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::RevertModelCache && delegate_->commits_while_typing() && edited.isValid() &&
        edited.data(Qt::EditRole).toString() != text_before_edit_)
        model()->setData(edited, text_before_edit_, Qt::EditRole);
}

}  // namespace korvel::ui
