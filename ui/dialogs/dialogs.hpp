#pragma once

#include <QString>
#include <optional>

namespace korvel::ui {

// The three message box styles the program uses; the numbers are the program's
// own style values (button set plus icon).
enum class MessageStyle : int {
    OkInformation = 64,
    OkExclamation = 48,
    YesNoQuestion = 36,
};

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
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& default_text) = 0;
};

}  // namespace korvel::ui
