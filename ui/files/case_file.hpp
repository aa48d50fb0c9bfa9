#pragma once

#include <QString>
#include <optional>
#include <variant>

#include "engine/analysis.hpp"
#include "load_case/load_case.hpp"
#include "load_case/project.hpp"

namespace korvel::ui {

// A load case file: one line of the load-case format and a newline, named *.korvel.json.
inline constexpr qint64 kCaseFileSizeLimit = static_cast<qint64>(load_case::kLargestFileBytes);
inline constexpr QLatin1StringView kCaseFileExtension{".korvel.json"};

// Why a case file could not be read or written, in words for the user.
struct CaseFileError {
    QString path;
    QString problem;
};

// Reads a case file: one case, or a project of load cases and combinations.
// Anything but a regular, readable file of at most kCaseFileSizeLimit bytes
// holding one well-formed case or one usable project is an error, so a caller
// that gets an input or a project can apply it as it is.
std::variant<engine::AnalysisInput, load_case::Project, CaseFileError> read_case_file(const QString& path);

// Writes the case atomically: the old file stays whole until the new one is complete.
std::optional<CaseFileError> write_case_file(const QString& path, const engine::AnalysisInput& input);
// The same for a project, which must pass load_case::check_project.
std::optional<CaseFileError> write_project_file(const QString& path, const load_case::Project& project);

// The path with the case extension added unless it already ends with it.
QString with_case_extension(const QString& path);

}  // namespace korvel::ui
