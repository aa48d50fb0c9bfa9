#pragma once

#include <QString>
#include <QStringList>

namespace korvel::ui {

// The case and project files opened or saved last, most recent first, kept in
// the user's settings so that they outlive the run.
class RecentFiles {
public:
    static constexpr qsizetype kKept = 8;

    QStringList paths() const;
    // Puts the file first, once, as an absolute path; the oldest beyond kKept go.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();

private:
    void store(const QStringList& paths);
};

}  // namespace korvel::ui
