# The warnings of every source of the project, its build helpers' too: k4_warnings, linked by
# k4_build_flags and by the icon converter, which a cross build makes as a project of its own.
include_guard(GLOBAL)

add_library(k4_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(k4_warnings INTERFACE -Wall -Wextra -Wpedantic)
endif()
# The test, fuzz and Windows scripts turn warnings into errors, so that none can land.
option(KIRIKATA4_WERROR "Fail the build on a warning in the project's own code" OFF)
if(KIRIKATA4_WERROR)
    target_compile_options(k4_warnings INTERFACE -Werror)
endif()
