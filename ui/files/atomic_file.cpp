#include "ui/files/atomic_file.hpp"

#include <QSaveFile>

namespace korvel::ui {

std::optional<WriteFailure> write_file_atomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return WriteFailure{path, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return WriteFailure{path, reason};
    }
    if (!file.commit()) return WriteFailure{path, file.errorString()};
    return std::nullopt;
}

}  // namespace korvel::ui
