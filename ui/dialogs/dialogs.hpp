#pragma once

#include <QString>
#include <array>
#include <optional>

#include "engine/truss_model.hpp"
#include "load_case/distributed_load.hpp"

namespace korvel::ui {

// The three kinds of message box the program shows. Only ui/dialogs knows the
// icon and the buttons each stands for on the platform.
enum class MessageStyle { OkInformation, OkExclamation, YesNoQuestion };

// The button that answered a message box.
enum class Answer { Ok, Yes, No };

// What to do with unsaved changes before a window closes or the program ends.
enum class SaveAnswer { Save, Discard, Cancel };

// The 23 load texts in load-map order, exactly as the load labels hold them.
using LoadTexts = std::array<QString, engine::kLoadCount>;

// Who and what a report is for, as its title block shows them; any may be empty.
struct TitleFields {
    QString project;
    QString engineer;
    QString checked_by;

    friend bool operator==(const TitleFields&, const TitleFields&) = default;
};

// The distributed-load dialog's question: the choices it offers, whether the
// intensity or load per area offered was mistyped, so it is asked again with its
// text selected, and the project's unit of a load per area, where it has units.
struct DistributedLoadQuestion {
    load_case::DistributedLoadEntry offered;
    bool retype = false;
    std::optional<load_case::AreaLoadUnit> area_unit;
};

// The modal dialogs both windows use. Texts of several lines are joined with
// "\r\n" at this interface. Tests replace it with a scripted fake.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows a modal message box and returns the button pressed.
    virtual Answer message(const QString& text, MessageStyle style, const QString& title) = 0;

    // Asks a Yes/No question whose Yes deletes something: No is the default
    // button, so Enter and Escape keep it.
    virtual Answer ask_before_deleting(const QString& text, const QString& title) = 0;

    // Asks whether to save unsaved changes first: Save, Discard, or Cancel (the default, and Escape).
    virtual SaveAnswer ask_to_save(const QString& text, const QString& title) = 0;

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

    // Asks for the report's title block fields prefilled with `offered`; returns
    // them as the user left them on OK, and nothing on Cancel or Escape.
    virtual std::optional<TitleFields> title_fields(const TitleFields& offered) = 0;

    // Asks what distributed load to add, offering `question`'s choices; returns
    // the load as entered on OK, and nothing on Cancel or Escape.
    virtual std::optional<load_case::DistributedLoadEntry> distributed_load(
        const DistributedLoadQuestion& question) = 0;
};

}  // namespace korvel::ui
