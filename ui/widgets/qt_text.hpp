#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

namespace korvel::ui {

// Layout tables and engine texts are UTF-8 string views; widgets take QStrings.
inline QString to_qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A row of texts (std::string or string views), as tables and reports take them.
template <typename Texts>
QStringList to_qstring_list(const Texts& texts) {
    QStringList list;
    for (const auto& text : texts) list << to_qstring(text);
    return list;
}

// A command's text as a title or a hint names it: without its access key mark and its closing dots.
inline QString plain_command_text(QString text) {
    text.remove(u'&');
    if (text.endsWith(QStringLiteral("..."))) text.chop(3);
    return text;
}

// Joins the lines of a dialog text with the carriage return and line feed the dialogs expect.
inline QString join_dialog_lines(std::span<const std::string_view> lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 0) text += QStringLiteral("\r\n");
        text += to_qstring(lines[i]);
    }
    return text;
}

}  // namespace korvel::ui
