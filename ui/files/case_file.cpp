#include "ui/files/case_file.hpp"

#include <sys/stat.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <string>
#include <string_view>

#include "load_case/load_case.hpp"
#include "ui/files/atomic_file.hpp"

namespace korvel::ui {

namespace {

QString too_large() { return QStringLiteral("it is larger than %1 MiB").arg(kCaseFileSizeLimit >> 20); }

}  // namespace

std::variant<engine::AnalysisInput, load_case::Project, CaseFileError> read_case_file(const QString& path) {
    const auto fail = [&path](const QString& problem) { return CaseFileError{path, problem}; };
    const QFileInfo info(path);
    if (!info.exists()) {
        // A link that leads nowhere is not a missing file: the user must mend the link.
        if (!info.isSymLink()) return fail(QStringLiteral("there is no such file"));
        struct stat target {};
        return fail(::stat(QFile::encodeName(path).constData(), &target) != 0 && errno == ELOOP
                        ? QStringLiteral("its symbolic links lead round in a loop")
                        : QStringLiteral("it is a symbolic link to a file that does not exist"));
    }
    // A folder, a device or a pipe is refused before it is opened: reading one could block or never end.
    if (!info.isFile()) return fail(QStringLiteral("it is not a file"));
    if (info.size() > kCaseFileSizeLimit) return fail(too_large());

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    // One byte beyond the limit tells a file that grew since it was looked at.
    const QByteArray bytes = file.read(kCaseFileSizeLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    if (bytes.size() > kCaseFileSizeLimit) return fail(too_large());

    auto outcome =
        load_case::read_case_file(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* error = std::get_if<load_case::FormatError>(&outcome))
        return fail(QStringLiteral("it is not a load case: %1").arg(QString::fromStdString(error->message)));
    if (const auto* error = std::get_if<load_case::ProjectError>(&outcome))
        return fail(QStringLiteral("it is not a usable project: %1").arg(QString::fromStdString(error->message)));
    if (auto* project = std::get_if<load_case::Project>(&outcome)) return std::move(*project);
    return std::get<engine::AnalysisInput>(std::move(outcome));
}

namespace {

std::optional<CaseFileError> write_text(const QString& path, const std::string& text) {
    if (const auto failure = write_file_atomically(path, QByteArray::fromStdString(text)))
        return CaseFileError{failure->path, failure->reason};
    return std::nullopt;
}

}  // namespace

std::optional<CaseFileError> write_case_file(const QString& path, const engine::AnalysisInput& input) {
    return write_text(path, load_case::write_load_case(input) + '\n');
}

std::optional<CaseFileError> write_project_file(const QString& path, const load_case::Project& project) {
    return write_text(path, load_case::write_project(project) + '\n');
}

QString with_case_extension(const QString& path) {
    if (path.endsWith(kCaseFileExtension, Qt::CaseInsensitive)) return path;
    return path + kCaseFileExtension;
}

}  // namespace korvel::ui
