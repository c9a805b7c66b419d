# Warnings are errors for every target of ours (not for third-party code).
# Aggregates are built with designated initializers that name only the
# fields a case sets; GCC 12 would warn about every field left to its
# default, so that one warning is off.
function(vr_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
    -Wunused -Woverloaded-virtual -Wnull-dereference -Wformat=2
    -Wno-missing-field-initializers -Werror)
endfunction()
