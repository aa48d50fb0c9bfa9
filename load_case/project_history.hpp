#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "load_case/project.hpp"

namespace korvel::load_case {

// The undo history of a project's edits, as the project before and after each.
// The keystrokes of one cell are one edit: an edit recorded with the same
// non-empty `merge_key` as the edit just before it joins that edit.
class ProjectHistory {
public:
    // Records an edit that turned `before` into the project now being edited.
    void record(Project before, std::string merge_key = {});
    // Ends the joining of keystrokes, so the next edit of the same cell is an edit of its own.
    void close_edit() { merge_key_.clear(); }
    // The project before the last edit, which `current` becomes undoable back to; nothing when there is none.
    std::optional<Project> undo(Project current);
    // The project after the edit last undone; nothing when there is none.
    std::optional<Project> redo(Project current);
    bool can_undo() const { return !undo_.empty(); }
    bool can_redo() const { return !redo_.empty(); }
    void clear();

private:
    std::vector<Project> undo_;
    std::vector<Project> redo_;
    std::string merge_key_;
};

}  // namespace korvel::load_case
