#include "ui/main_window/line_breaks.hpp"

#include <algorithm>

namespace korvel::ui {
namespace {

bool is_line_break(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool is_blank_or_line_break(QChar c) { return c == u' ' || c == u'\t' || is_line_break(c); }

}  // namespace

QString without_outer_line_breaks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin != end && is_blank_or_line_break(text[begin])) ++begin;
    while (end != begin && is_blank_or_line_break(text[end - 1])) --end;
    QString kept = text.mid(begin, end - begin);
    for (qsizetype i = begin; i-- > 0;)
        if (!is_line_break(text[i])) kept.prepend(text[i]);
    for (qsizetype i = end; i < text.size(); ++i)
        if (!is_line_break(text[i])) kept.append(text[i]);
    return kept;
}

bool has_line_break(const QString& text) { return std::any_of(text.begin(), text.end(), is_line_break); }

QString with_line_breaks_shown(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!is_line_break(text[i])) {
            shown.append(text[i]);
            continue;
        }
        shown.append(u'⏎');
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    }
    return shown;
}

}  // namespace korvel::ui
