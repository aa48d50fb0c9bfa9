# Checks how versions and release dates are written, case by case.
# usage: cmake -DMODULE=cmake/KorvelVersionFormat.cmake -P version_format_test.cmake
include(${MODULE})

function(expect_equal what actual expected)
  if(NOT actual STREQUAL expected)
    message(SEND_ERROR "${what}: got \"${actual}\", expected \"${expected}\"")
  endif()
endfunction()

# major;minor;tweak;display form
foreach(case IN ITEMS "2;1;1;2.01.0001" "2;10;1234;2.10.1234" "0;0;0;0.00.0000" "13;7;40;13.07.0040")
  list(GET case 0 major)
  list(GET case 1 minor)
  list(GET case 2 tweak)
  list(GET case 3 expected)
  korvel_display_version(shown ${major} ${minor} ${tweak})
  expect_equal("version ${major}.${minor}.${tweak}" "${shown}" "${expected}")
endforeach()

# ISO date|changelog date: weekdays around leap days, century rules and year ends.
foreach(case IN ITEMS
    "2026-12-08|Tue, 08 Dec 2026 00:00:00 +0000"
    "2024-02-29|Thu, 29 Feb 2024 00:00:00 +0000"
    "2024-03-01|Fri, 01 Mar 2024 00:00:00 +0000"
    "2000-01-01|Sat, 01 Jan 2000 00:00:00 +0000"
    "1900-03-01|Thu, 01 Mar 1900 00:00:00 +0000"
    "2026-01-31|Sat, 31 Jan 2026 00:00:00 +0000"
    "2030-12-31|Tue, 31 Dec 2030 00:00:00 +0000")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 iso)
  list(GET case 1 expected)
  korvel_changelog_date(written ${iso})
  expect_equal("date ${iso}" "${written}" "${expected}")
endforeach()
