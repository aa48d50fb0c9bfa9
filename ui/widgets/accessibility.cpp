#include "ui/widgets/accessibility.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <utility>

#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/drawing.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/table_area.hpp"

namespace korvel::ui {

namespace {

constexpr std::string_view kCutDescription = "%1 Shown shortened; in full: %2.";

// A caption label as assistive technology sees it. Its value and text are the
// caption as shown, so a screen reader speaks what a sighted user reads; a
// caption drawn cut for want of room is spoken whole.
class LabelAccessible final : public QAccessibleWidget,
                              public QAccessibleTextInterface,
                              public QAccessibleTableCellInterface {
public:
    explicit LabelAccessible(AutoSizeLabel* label) : QAccessibleWidget(label, role_of(*label)) {}

    // A hotspot has no caption to read; it is only a button.
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && !label().is_clickable())
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::TableCellInterface && table_area() != nullptr)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        switch (type) {
            case QAccessible::Name: return label().accessibleName().isEmpty() ? shown() : label().accessibleName();
            case QAccessible::Value: return shown();
            case QAccessible::Description:
                // A caption drawn cut is spoken whole.
                if (label().drawn_text() != shown())
                    return to_qstring(kCutDescription).arg(label().accessibleDescription(), shown());
                return QAccessibleWidget::text(type);
            default: return QAccessibleWidget::text(type);
        }
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label().is_clickable()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && label().is_clickable()) {
            // The click opens modal dialogs; queued, it lets the caller's request return first.
            QMetaObject::invokeMethod(&label(), &AutoSizeLabel::click, Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    // A label's text cannot be selected and has no cursor.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }

    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    QRect characterRect(int offset) const override {
        const QString text = shown();
        if (offset < 0 || offset >= text.size()) return {};
        const QFontMetrics metrics(label().drawn_font());
        const int x = label().text_left() + metrics.horizontalAdvance(text.left(offset));
        const int width = metrics.horizontalAdvance(text.mid(offset, 1));
        return {label().mapToGlobal(QPoint(x, 0)), QSize(width, metrics.height())};
    }

    int offsetAtPoint(const QPoint& point) const override {
        const QString text = shown();
        const QFontMetrics metrics(label().drawn_font());
        const int x = label().mapFromGlobal(point).x() - label().text_left();
        for (int offset = 0; offset < text.size(); ++offset) {
            if (x < metrics.horizontalAdvance(text.left(offset + 1))) return x < 0 ? -1 : offset;
        }
        return -1;
    }

    // A label of a table area is one cell of its table.
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return position().second; }
    int rowIndex() const override { return position().first; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return QAccessible::queryAccessibleInterface(table_area()); }

private:
    TableArea* table_area() const { return qobject_cast<TableArea*>(label().parentWidget()); }
    std::pair<int, int> position() const {
        const TableArea* area = table_area();
        return area == nullptr ? std::pair{-1, -1} : area->position_of(&label()).value_or(std::pair{-1, -1});
    }

    static QAccessible::Role role_of(const AutoSizeLabel& label) {
        if (label.is_clickable()) return QAccessible::Button;
        if (label.is_heading()) return QAccessible::Heading;
        return QAccessible::StaticText;
    }

    AutoSizeLabel& label() const { return *static_cast<AutoSizeLabel*>(widget()); }
    QString shown() const { return label().shown_text(); }
};

// A table area as a table: its labels are the cells, row by row.
class TableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableAccessible(TableArea* area) : QAccessibleWidget(area, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        QWidget* cell = area().cell(row, column);
        return cell == nullptr ? nullptr : QAccessible::queryAccessibleInterface(cell);
    }
    int columnCount() const override { return area().column_count(); }
    int rowCount() const override { return area().row_count(); }
    QString columnDescription(int column) const override { return area().column_names().value(column); }
    // A row is named by the caption in its first cell.
    QString rowDescription(int row) const override {
        QAccessibleInterface* first = cellAt(row, 0);
        return first == nullptr ? QString() : first->text(QAccessible::Value);
    }

    // The table shows results; nothing in it can be selected.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    TableArea& area() const { return *static_cast<TableArea*>(widget()); }
};

QAccessibleInterface* program_widget_accessible(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(AutoSizeLabel::staticMetaObject.className())) {
        if (auto* label = qobject_cast<AutoSizeLabel*>(object)) return new LabelAccessible(label);
    }
    if (class_name == QLatin1String(TableArea::staticMetaObject.className())) {
        if (auto* area = qobject_cast<TableArea*>(object)) return new TableAccessible(area);
    }
    if (class_name == QLatin1String(DrawingSurface::staticMetaObject.className())) {
        if (auto* surface = qobject_cast<DrawingSurface*>(object))
            return new QAccessibleWidget(surface, QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void install_accessibility() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(program_widget_accessible);
        return true;
    }();
}

QString spoken_text(std::string_view pattern, std::string_view subject) {
    QString text = to_qstring(pattern);
    text.replace(QLatin1String("%1"), to_qstring(subject));
    return text;
}

}  // namespace korvel::ui
