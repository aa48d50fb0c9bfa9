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

# Strict warnings for the project's own code only (not for third-party headers).
function(korvel_strict_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wsign-conversion -Werror)
endfunction()
