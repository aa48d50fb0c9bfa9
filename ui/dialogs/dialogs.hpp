#pragma once

#include <QString>
#include <array>
#include <optional>

#include "engine/truss_model.hpp"

namespace korvel::ui {

// The three message box styles the program uses; the numbers are the program's
// own style values (button set plus icon).
enum class MessageStyle : int {
    OkInformation = 64,
    OkExclamation = 48,
    YesNoQuestion = 36,
};

// The 23 load texts in load-map order, exactly as the load labels hold them.
using LoadTexts = std::array<QString, engine::kLoadCount>;

// What a message box returns.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// The modal dialogs both windows use. Texts of several lines are joined with
// "\r\n" at this interface. Tests replace it with a scripted fake.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows a modal message box and returns the button pressed (kAnswerOk, kAnswerYes or kAnswerNo).
    virtual int message(const QString& text, MessageStyle style, const QString& title) = 0;

    // Shows a modal line-input dialog; returns the edited text on OK (empty when the
    // line was left empty) and no text at all on Cancel, Escape or the close box.
    virtual std::optional<QString> input(const QString& prompt, const QString& title, const QString& default_text) = 0;

    // Asks for an existing file to open; returns its path, or the empty text when
    // the user cancels. `filter` lists the file types as QFileDialog takes them.
    virtual QString open_file_name(const QString& title, const QString& filter) = 0;

    // Asks where to save a file, offering `default_name` in the folder used last;
    // returns the chosen path, or the empty text when the user cancels.
    virtual QString save_file_name(const QString& title, const QString& default_name, const QString& filter) = 0;

    // Shows the table of all loads prefilled with `loads`; returns every text as
    // the user left it on OK, and nothing on Cancel.
    virtual std::optional<LoadTexts> edit_loads(const LoadTexts& loads) = 0;
};

}  // namespace korvel::ui
