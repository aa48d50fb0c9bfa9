# How the release's version and date are written for people and for Debian.
# Functions only, so that tests can run them with `cmake -P`.

# korvel_zero_padded(<out> <number> <width>): "1" at width 4 becomes "0001".
function(korvel_zero_padded out number width)
  string(LENGTH "${number}" length)
  if(length GREATER width)
    message(FATAL_ERROR "version part \"${number}\" is longer than ${width} digits")
  endif()
  math(EXPR padding "${width} - ${length}")
  string(REPEAT "0" ${padding} zeros)
  set(${out} "${zeros}${number}" PARENT_SCOPE)
endfunction()

# korvel_display_version(<out> <major> <minor> <tweak>)
# The version as the programs show it: 2 1 1 becomes 2.01.0001
# (major, two-digit minor, four-digit revision).
function(korvel_display_version out major minor tweak)
  korvel_zero_padded(minor_shown ${minor} 2)
  korvel_zero_padded(tweak_shown ${tweak} 4)
  set(${out} "${major}.${minor_shown}.${tweak_shown}" PARENT_SCOPE)
endfunction()

# korvel_changelog_date(<out> <YYYY-MM-DD>)
# The date as a Debian changelog writes it: "Tue, 08 Dec 2026 00:00:00 +0000".
# CMake cannot parse dates, so the weekday comes from Sakamoto's method.
function(korvel_changelog_date out iso_date)
  if(NOT iso_date MATCHES "^([0-9][0-9][0-9][0-9])-([01][0-9])-([0-3][0-9])$")
    message(FATAL_ERROR "release date \"${iso_date}\" is not YYYY-MM-DD")
  endif()
  set(year ${CMAKE_MATCH_1})
  set(day ${CMAKE_MATCH_3})
  math(EXPR month_index "1${CMAKE_MATCH_2} - 101")
  math(EXPR day_number "1${day} - 100")
  if(month_index LESS 0 OR month_index GREATER 11 OR day_number LESS 1)
    message(FATAL_ERROR "release date \"${iso_date}\" is no calendar date")
  endif()
  set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(weekday_names Sun Mon Tue Wed Thu Fri Sat)
  list(GET month_offsets ${month_index} offset)
  list(GET month_names ${month_index} month_name)
  # January and February count as months of the year before.
  set(y ${year})
  if(month_index LESS 2)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day_number}) % 7")
  list(GET weekday_names ${weekday} weekday_name)
  set(${out} "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()
