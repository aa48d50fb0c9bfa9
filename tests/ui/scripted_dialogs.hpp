#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

#include "ui/dialogs/dialogs.hpp"

namespace korvel::ui::testing {

// A Dialogs that answers from a script and records every call, so tests can check
// which dialogs a command shows, in which order, with which texts.
class ScriptedDialogs : public Dialogs {
public:
    struct Call {
        enum class Kind { Message, Input } kind;
        QString text;  // message text, or input prompt
        QString title;
        MessageStyle style = MessageStyle::OkInformation;  // messages only
        QString default_text;                             // inputs only
    };

    // Queues the answer of the next message box (kAnswerYes, kAnswerNo; OK boxes need none).
    void answer_message(int button) { message_answers_.push_back(button); }
    // Queues the text the next line-input dialog returns on OK.
    void answer_input(const QString& text) { input_answers_.push_back(text); }
    // Queues a Cancel of the next line-input dialog.
    void cancel_input() { input_answers_.push_back(std::nullopt); }

    int message(const QString& text, MessageStyle style, const QString& title) override {
        calls.push_back({Call::Kind::Message, text, title, style, {}});
        if (style != MessageStyle::YesNoQuestion) return kAnswerOk;
        if (message_answers_.empty()) throw std::logic_error("unscripted question: " + title.toStdString());
        const int answer = message_answers_.front();
        message_answers_.pop_front();
        return answer;
    }

    std::optional<QString> input(const QString& prompt, const QString& title, const QString& default_text) override {
        calls.push_back({Call::Kind::Input, prompt, title, MessageStyle::OkInformation, default_text});
        if (input_answers_.empty()) throw std::logic_error("unscripted input: " + title.toStdString());
        const std::optional<QString> answer = input_answers_.front();
        input_answers_.pop_front();
        return answer;
    }

    bool script_used_up() const { return message_answers_.empty() && input_answers_.empty(); }

    std::vector<Call> calls;

private:
    std::deque<int> message_answers_;
    std::deque<std::optional<QString>> input_answers_;
};

}  // namespace korvel::ui::testing
