#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace korvel::ui {

// Why a file could not be written, in words for the user.
struct WriteFailure {
    QString path;
    QString reason;
};

// Writes the whole file or nothing: the bytes go to a temporary file beside it,
// which replaces the file only once everything is written, so a failed write
// leaves any earlier file as it was.
std::optional<WriteFailure> write_file_atomically(const QString& path, const QByteArray& bytes);

}  // namespace korvel::ui
