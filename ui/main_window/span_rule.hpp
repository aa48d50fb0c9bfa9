#pragma once

#include <QString>

namespace korvel::ui {

// The span box refuses a content made of a lone "-", "*" or "/": the start of
// a negative or nonsensical span. Anything else is left for the analysis to judge.
inline bool is_refused_span_text(const QString& text) {
    return text == QLatin1String("-") || text == QLatin1String("*") || text == QLatin1String("/");
}

}  // namespace korvel::ui
