# Warnings are errors in every build.
add_library(vexa_warnings INTERFACE)
target_compile_options(vexa_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Werror -Wshadow=local -Wimplicit-fallthrough
    $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor>)
