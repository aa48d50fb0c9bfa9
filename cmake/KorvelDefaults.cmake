# Settings shared by every target the project builds.
#
# The analysis must produce the same last digit everywhere, so floating point
# stays plain IEEE double operation by operation: no contraction into fused
# multiply-add and no fast-math, in every configuration.
add_compile_options(-ffp-contract=off -fno-fast-math)

if(KORVEL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Hardening as Debian builds its packages: position-independent executables,
# a strong stack protector, format checks, read-only relocations bound at start.
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
add_link_options(LINKER:-z,relro LINKER:-z,now)
# Fortified library calls need an optimising build, and the sanitizers check
# the same calls better on their own.
if(NOT KORVEL_SANITIZE AND NOT KORVEL_FUZZ)
  add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()

# Strict warnings for the project's own code only (not for third-party headers);
# with KORVEL_WERROR (the test script turns it on) any warning stops the build.
function(korvel_strict_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wsign-conversion $<$<BOOL:${KORVEL_WERROR}>:-Werror>)
endfunction()
