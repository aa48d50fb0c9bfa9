#include "load_case/project_history.hpp"

#include <utility>

namespace korvel::load_case {

void ProjectHistory::record(Project before, std::string merge_key) {
    redo_.clear();
    const bool joins = !merge_key.empty() && merge_key == merge_key_ && !undo_.empty();
    merge_key_ = std::move(merge_key);
    if (!joins) undo_.push_back(std::move(before));
}

std::optional<Project> ProjectHistory::undo(Project current) {
    merge_key_.clear();
    if (undo_.empty()) return std::nullopt;
    redo_.push_back(std::move(current));
    Project before = std::move(undo_.back());
    undo_.pop_back();
    return before;
}

std::optional<Project> ProjectHistory::redo(Project current) {
    merge_key_.clear();
    if (redo_.empty()) return std::nullopt;
    undo_.push_back(std::move(current));
    Project after = std::move(redo_.back());
    redo_.pop_back();
    return after;
}

void ProjectHistory::clear() {
    undo_.clear();
    redo_.clear();
    merge_key_.clear();
}

}  // namespace korvel::load_case
