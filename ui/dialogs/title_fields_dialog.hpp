#pragma once

#include <QDialog>
#include <array>

#include "ui/dialogs/dialogs.hpp"

class QLineEdit;

namespace korvel::ui {

// The report's title block fields, one line each with an access key, every one
// optional. Enter accepts, Escape cancels; the first line has the keyboard with
// its text selected, so typing replaces what was offered.
class TitleFieldsDialog final : public QDialog {
    Q_OBJECT
public:
    // A field longer than this would crowd the title block.
    static constexpr int kFieldMaxLength = 80;

    explicit TitleFieldsDialog(const TitleFields& offered, QWidget* parent = nullptr);

    // The fields as the lines hold them now, trimmed of surrounding blanks.
    TitleFields fields() const;

private:
    std::array<QLineEdit*, 3> lines_{};
};

}  // namespace korvel::ui
