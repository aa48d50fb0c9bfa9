# Turns one scdoc source into a gzipped roff man page.
# usage: cmake -DSCDOC=scdoc -DSOURCE=page.1.scd -DOUTPUT=page.1.gz -P render_man_page.cmake
string(REGEX REPLACE "\\.gz$" "" roff "${OUTPUT}")
execute_process(COMMAND ${SCDOC} INPUT_FILE ${SOURCE} OUTPUT_FILE ${roff} ERROR_VARIABLE problems
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "scdoc could not read ${SOURCE}: ${problems}")
endif()
# Best compression and no name or time stamp, so the package is reproducible.
execute_process(COMMAND gzip -9 -n -f ${roff} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip could not compress ${roff}")
endif()
