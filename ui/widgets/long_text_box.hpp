#pragma once

#include <QLineEdit>

namespace korvel::ui {

// An edit line that stays quick and small however much is pasted into it.
// text() is always the whole text. A text longer than kLongTextLength
// characters is neither laid out, measured nor kept in the undo history: laying
// out or measuring a megabyte takes a large part of a second at every keystroke,
// and the history keeps a record for every character ever inserted or removed,
// which Reset does not give back. Such a text is drawn by its beginning
// followed by "…".
class LongTextBox : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kLongTextLength = 16384;

    explicit LongTextBox(QWidget* parent);

    bool holds_long_text() const { return echoMode() == QLineEdit::NoEcho; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void on_text_changed(const QString& text);
};

}  // namespace korvel::ui
