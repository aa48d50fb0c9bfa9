#include "tools/korvel_solve/help_text.hpp"

namespace korvel::solve {

const std::string_view kHelpText = R"(Usage: korvel-solve --span TEXT [--load NODE.C=TEXT]... [--format FORMAT]
       korvel-solve CASE.json [--format FORMAT]
       korvel-solve (--span TEXT [--load NODE.C=TEXT]... | CASE.json) --working
       korvel-solve --envelope PROJECT.json [--format FORMAT]
       korvel-solve --combination NAME [--format FORMAT|--working] PROJECT.json
       korvel-solve --design PROJECT.json [--format FORMAT]
       korvel-solve --design PROJECT.json --working [--virtual-work NODE]
       korvel-solve --design PROJECT.json --working --member MEMBER
       korvel-solve --batch [--jobs N] [--max-line-bytes N] [FILE]...

Solves the Fink roof truss: member lengths, axial forces (tension positive) and
the support reactions RL0, RL6 (upward) and HL0 (to the left). Span and loads
are texts, read exactly as the windows read what is typed into them.

Options:
  --span TEXT          span length
  --pitch TEXT         roof pitch, in every mode (default 6:12, rise S/4):
                       degrees (30, 30°, 22.5 deg), rise per 12 (7:12, 7/12)
                       or the rise (rise 3.6); from 5° to 40°; it replaces a
                       file's own pitch, and results name a pitch not 6:12
  --load NODE.C=TEXT   load component C at NODE; repeat for more loads
  --format FORMAT      output of one analysis: table (default), csv or json
  CASE.json            analyse the case saved in this file ("-": standard input)
  --envelope PROJECT   analyse every combination of the project and print
                       the envelope: per member and reaction the max and
                       min with the combination giving each
  --combination NAME   with a project file: the full results of one combination
                       (or its --working); not with --envelope
  --design PROJECT     check every member of the project with its "design"
                       settings: governing combination, check, utilisation,
                       pass or fail, and the lightest sections that pass;
                       not with --envelope, --combination or --batch
  --batch [FILE]...    analyse one case per line of the FILEs, in order ("-" or
                       no FILE: standard input), one JSON line answering each
  --jobs N             batch lines analysed at once (default: the number of
                       processors available); answers keep the input's order
  --max-line-bytes N   longest batch line read (default 16777216); a longer
                       line is answered with a bad-request error
  --numbers            JSON results as numbers (the same digits, unquoted)
                       instead of strings
  --working            the program's own hand solution, step by step, with the
                       numbers it used, as Markdown text instead of the results
  --all-digits         with --working: every digit of each double the program
                       used, instead of six significant digits
  --virtual-work NODE  with --design --working: the virtual-work table of the
                       deflection at NODE (L0..L6, U1..U7, or L6.H for the
                       supports' spread) under each serviceability combination
  --member MEMBER      with --design --working: the working of the member's
                       checks (L0U1, ...), each formula with its numbers
  -h, --help           print this help and exit
  --version            print the version and exit

Loads (NODE.C, C = H or V):
  NODE.V  vertical, positive down:  L0 L1 L2 L3 L4 L5 L6 U1 U2 U3 U4 U5 U6 U7
  NODE.H  horizontal, positive right:  L0 L6 U1 U2 U3 U4 U5 U6 U7
  L1..L5 take no horizontal load; U8 and U9 take no load.

Case files and batch lines:
  One JSON object {"span": TEXT, "loads": {"U4.V": TEXT, ...}} as the windows
  save it; a missing span or load is empty. A text may also be a JSON number,
  which stands for its digits exactly as written.
  A batch answers line n of its input with line n of its output: the results
  {"lengths": {...}, "reactions": {...}, "forces": {...}}, or
  {"error": {"kind": ..., "message": ...}}, where kind "bad-request" marks a
  line that is not a case (a blank line, too, is one). Answers are written as
  soon as the next line is not already there, so a batch can run as a
  coprocess.
  A project {"span": TEXT, "cases": [{"name": ..., "kind": ..., "loads": ...}],
  "combinations": [{"name": ..., "factors": {"CASE": TEXT}}]} is answered with
  {"combinations": {...}, "envelope": {"forces": ..., "reactions": ...}}.

Formats:
  table  the results window as text
  csv    item,length,axial_force,reaction, one row per member and reaction
  json   one line, as a batch answers a case

Examples:
  korvel-solve --span 16 --load U4.V=10 --load U1.H=-2.5
  korvel-solve --batch cases.jsonl | jq -r '.forces.L0U1 // .error.message'
  korvel-solve --format csv roof.korvel.json

Exit status:
  0  every analysis succeeded
  1  an analysis or a combination failed, a batch line was answered with an
     error (every line is still answered), input or output failed part way,
     or a designed member fails or cannot be checked
  2  usage error: a bad option, a file that cannot be read, a case file that
     is not a case, a project that is not usable, or a bad design
)";

}  // namespace korvel::solve
