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
        enum class Kind {
            Message,
            SaveQuestion,
            Input,
            OpenFile,
            SaveFile,
            LoadTable,
            TitleFields,
            DistributedLoad
        } kind;
        QString text;  // message text, or input prompt
        QString title;
        MessageStyle style = MessageStyle::OkInformation;  // messages only
        QString default_text;                              // inputs, and the offered name of a save
        QString filter{};                                  // file dialogs only
        bool default_no = false;                           // a question whose Yes deletes
    };

    // Queues the answer of the next message box (Answer::Yes, Answer::No; OK boxes need none).
    void answer_message(Answer button) { message_answers_.push_back(button); }
    // Queues the text the next line-input dialog returns on OK.
    void answer_input(const QString& text) { input_answers_.push_back(text); }
    // Queues a Cancel of the next line-input dialog.
    void cancel_input() { input_answers_.push_back(std::nullopt); }

    Answer message(const QString& text, MessageStyle style, const QString& title) override {
        calls.push_back({Call::Kind::Message, text, title, style, {}, {}});
        if (style != MessageStyle::YesNoQuestion) return Answer::Ok;
        if (message_answers_.empty()) throw std::logic_error("unscripted question: " + title.toStdString());
        const Answer answer = message_answers_.front();
        message_answers_.pop_front();
        return answer;
    }

    // A question that deletes is scripted and recorded as any Yes/No question.
    // Unscripted, it is answered Yes, as by a user who meant the command.
    Answer ask_before_deleting(const QString& text, const QString& title) override {
        if (message_answers_.empty()) message_answers_.push_back(Answer::Yes);
        const Answer answer = message(text, MessageStyle::YesNoQuestion, title);
        calls.back().default_no = true;
        return answer;
    }

    // Queues the answer of the next question about unsaved changes. Unscripted, it
    // is Discard, which loses nothing: the windows keep their project in memory.
    void answer_save_question(SaveAnswer answer) { save_answers_.push_back(answer); }

    SaveAnswer ask_to_save(const QString& text, const QString& title) override {
        calls.push_back({Call::Kind::SaveQuestion, text, title, MessageStyle::YesNoQuestion, {}, {}});
        if (save_answers_.empty()) return SaveAnswer::Discard;
        const SaveAnswer answer = save_answers_.front();
        save_answers_.pop_front();
        return answer;
    }

    std::optional<QString> input(const QString& prompt, const QString& title, const QString& default_text) override {
        calls.push_back({Call::Kind::Input, prompt, title, MessageStyle::OkInformation, default_text, {}});
        if (input_answers_.empty()) throw std::logic_error("unscripted input: " + title.toStdString());
        const std::optional<QString> answer = input_answers_.front();
        input_answers_.pop_front();
        return answer;
    }

    // Queues the path the next file dialog returns (empty for Cancel).
    void answer_file_name(const QString& path) { file_answers_.push_back(path); }

    QString open_file_name(const QString& title, const QString& filter) override {
        calls.push_back({Call::Kind::OpenFile, {}, title, MessageStyle::OkInformation, {}, filter});
        return next_file_name(title);
    }

    QString save_file_name(const QString& title, const QString& default_name, const QString& filter) override {
        calls.push_back({Call::Kind::SaveFile, {}, title, MessageStyle::OkInformation, default_name, filter});
        return next_file_name(title);
    }

    // Queues what the next load table returns: every text on OK, nothing for Cancel.
    void answer_load_table(const std::optional<LoadTexts>& loads) { load_table_answers_.push_back(loads); }

    std::optional<LoadTexts> edit_loads(const LoadTexts& loads) override {
        calls.push_back({Call::Kind::LoadTable, {}, {}, MessageStyle::OkInformation, {}, {}});
        load_tables_offered.push_back(loads);
        if (load_table_answers_.empty()) throw std::logic_error("unscripted load table");
        const std::optional<LoadTexts> answer = load_table_answers_.front();
        load_table_answers_.pop_front();
        return answer;
    }

    // Queues what the next title block question returns: the fields on OK, nothing for Cancel.
    // Unscripted, it keeps the fields offered, as OK would.
    void answer_title_fields(const std::optional<TitleFields>& fields) { title_field_answers_.push_back(fields); }

    std::optional<TitleFields> title_fields(const TitleFields& offered) override {
        calls.push_back({Call::Kind::TitleFields, {}, {}, MessageStyle::OkInformation, {}, {}});
        title_fields_offered.push_back(offered);
        if (title_field_answers_.empty()) return offered;
        const std::optional<TitleFields> answer = title_field_answers_.front();
        title_field_answers_.pop_front();
        return answer;
    }

    // Queues what the next distributed-load dialog returns: the load on OK, nothing for Cancel.
    void answer_distributed_load(const std::optional<load_case::DistributedLoadEntry>& load) {
        distributed_load_answers_.push_back(load);
    }

    std::optional<load_case::DistributedLoadEntry> distributed_load(const DistributedLoadQuestion& question) override {
        calls.push_back({Call::Kind::DistributedLoad, {}, {}, MessageStyle::OkInformation, {}, {}});
        distributed_loads_asked.push_back(question);
        if (distributed_load_answers_.empty()) throw std::logic_error("unscripted distributed load");
        const auto answer = distributed_load_answers_.front();
        distributed_load_answers_.pop_front();
        return answer;
    }

    bool script_used_up() const {
        return message_answers_.empty() && save_answers_.empty() && input_answers_.empty() && file_answers_.empty() &&
               load_table_answers_.empty() && title_field_answers_.empty() && distributed_load_answers_.empty();
    }

    std::vector<Call> calls;
    // The texts each load table was prefilled with.
    std::vector<LoadTexts> load_tables_offered;
    std::vector<TitleFields> title_fields_offered;
    std::vector<DistributedLoadQuestion> distributed_loads_asked;

private:
    QString next_file_name(const QString& title) {
        if (file_answers_.empty()) throw std::logic_error("unscripted file dialog: " + title.toStdString());
        const QString answer = file_answers_.front();
        file_answers_.pop_front();
        return answer;
    }

    std::deque<Answer> message_answers_;
    std::deque<SaveAnswer> save_answers_;
    std::deque<QString> file_answers_;
    std::deque<std::optional<QString>> input_answers_;
    std::deque<std::optional<LoadTexts>> load_table_answers_;
    std::deque<std::optional<TitleFields>> title_field_answers_;
    std::deque<std::optional<load_case::DistributedLoadEntry>> distributed_load_answers_;
};

}  // namespace korvel::ui::testing
