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
// which replaces the file only once every byte is written and synced to disk, so
// a failed write (a full disk, a size limit) leaves any earlier file as it was
// and names the system's reason. The new file keeps the old one's permissions.
std::optional<WriteFailure> write_file_atomically(const QString& path, const QByteArray& bytes);

}  // namespace korvel::ui
