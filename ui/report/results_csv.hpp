#pragma once

#include <QByteArray>

#include "engine/analysis.hpp"

namespace korvel::ui {

// The results as CSV (RFC 4180: UTF-8, CRLF line ends, fields quoted where
// they need it): the rows of the copied results table, each padded to the
// header's three fields.
QByteArray results_csv(const engine::AnalysisResult& result);

}  // namespace korvel::ui
