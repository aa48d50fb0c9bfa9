#pragma once

#include <QByteArray>

#include "engine/working.hpp"

namespace korvel::ui {

// The working as the pages of a PDF document: every step with its drawing, the same
// words and numbers as the window and the command line.
QByteArray working_pdf(const engine::Working& working);

}  // namespace korvel::ui
