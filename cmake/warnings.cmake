# The warnings every target of the project is built with; the presets that CI uses turn them
# into errors through CMAKE_COMPILE_WARNING_AS_ERROR.
add_library(c3f8_warnings INTERFACE)
if(MSVC)
    target_compile_options(c3f8_warnings INTERFACE /W4)
else()
    target_compile_options(c3f8_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
        -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual)
endif()
