#pragma once

class QWidget;

namespace korvel::bench {

// When `window` has ended its first paint, prints the nanoseconds since the
// moment the starting script wrote into KORVEL_T0 (CLOCK_REALTIME nanoseconds,
// as `date +%s%N` gives them) and ends the event loop.
void report_first_paint_and_quit(QWidget& window);

}  // namespace korvel::bench
