# Runs korvel-screenshots into OUT and checks that both windows were written as
# PNG files of the windows' client size: 791 x 366 pixels at 96 dpi, times
# SCALE (default 1) when the screen is scaled; the force diagram window at its
# first size, 960 x 540, and the report as a PDF file. SUFFIX (default none) is passed
# on and ends both file names.
# Usage: cmake -DTOOL=<korvel-screenshots> -DOUT=<directory> [-DSCALE=2 -DSUFFIX=@2x] -P check_screenshots.cmake
if(NOT DEFINED SCALE)
  set(SCALE 1)
endif()
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${TOOL}" "${OUT}" ${SUFFIX} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "korvel-screenshots failed with status ${status}")
endif()

if(NOT EXISTS "${OUT}/report.pdf")
  message(FATAL_ERROR "${OUT}/report.pdf was not written")
endif()
foreach(name form1 form2 forces)
  if(name STREQUAL "forces")
    math(EXPR expected_width "960 * ${SCALE}")
    math(EXPR expected_height "540 * ${SCALE}")
  else()
    math(EXPR expected_width "791 * ${SCALE}")
    math(EXPR expected_height "366 * ${SCALE}")
  endif()
  set(png "${OUT}/${name}${SUFFIX}.png")
  if(NOT EXISTS "${png}")
    message(FATAL_ERROR "${png} was not written")
  endif()
  # The PNG header: 8 signature bytes, the IHDR chunk's length and type, then
  # width and height as 4-byte big-endian numbers.
  file(READ "${png}" signature LIMIT 8 HEX)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${png} is not a PNG file")
  endif()
  file(READ "${png}" width_hex OFFSET 16 LIMIT 4 HEX)
  file(READ "${png}" height_hex OFFSET 20 LIMIT 4 HEX)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL expected_width OR NOT height EQUAL expected_height)
    message(FATAL_ERROR "${png} is ${width} x ${height} pixels, expected ${expected_width} x ${expected_height}")
  endif()
endforeach()
