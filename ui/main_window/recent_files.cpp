#include "ui/main_window/recent_files.hpp"

#include <QFileInfo>
#include <QSettings>

#include "korvel/project.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

const QString kKey = QStringLiteral("recentFiles");

// Named here, not through the application object, so every start and test finds the same store.
QSettings settings() {
    const QString name = to_qstring(project::kApplicationName);
    return QSettings(QSettings::UserScope, name, name);
}

QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

}  // namespace

QStringList RecentFiles::paths() const {
    QStringList kept = settings().value(kKey).toStringList();
    // A hand-edited or older settings file may hold more, or blanks.
    kept.removeAll(QString());
    if (kept.size() > kKept) kept.resize(kKept);
    return kept;
}

void RecentFiles::add(const QString& path) {
    QStringList kept = paths();
    const QString file = absolute(path);
    kept.removeAll(file);
    kept.prepend(file);
    if (kept.size() > kKept) kept.resize(kKept);
    store(kept);
}

void RecentFiles::remove(const QString& path) {
    QStringList kept = paths();
    kept.removeAll(absolute(path));
    store(kept);
}

void RecentFiles::clear() { store({}); }

void RecentFiles::store(const QStringList& paths) {
    QSettings kept = settings();
    kept.setValue(kKey, paths);
    kept.sync();
}

}  // namespace korvel::ui
