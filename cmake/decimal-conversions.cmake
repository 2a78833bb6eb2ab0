# Which decimal conversions the core takes: the standard library's <charconv> for doubles where
# it compiles, otherwise fast_float for reading and double-conversion for writing (decimal.h).
# Decided by compiling, not by a version number. Defines the target c3f8_decimal_fallback where
# the fallback is needed or, for comparison with the standard path, where the tests are built.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles([[
#include <charconv>
int main()
{
    const char text[] = "0.5";
    double value = 0;
    return static_cast<int>(std::from_chars(text, text + 3, value).ec);
}]] C3F8_STANDARD_READING)
check_cxx_source_compiles([[
#include <charconv>
int main()
{
    char text[400];
    auto shortest = std::to_chars(text, text + 400, 0.5, std::chars_format::fixed);
    auto rounded = std::to_chars(text, text + 400, 0.5, std::chars_format::fixed, 2);
    return static_cast<int>(shortest.ec) + static_cast<int>(rounded.ec);
}]] C3F8_STANDARD_WRITING)

set(fallback_needed OFF)
if(NOT C3F8_STANDARD_READING OR NOT C3F8_STANDARD_WRITING)
    set(fallback_needed ON)
endif()
if(NOT fallback_needed AND (NOT C3F8_BUILD_TESTS OR CMAKE_CROSSCOMPILING))
    return()
endif()

if(NOT CMAKE_CROSSCOMPILING)
    # Natively, only for the comparison: both halves from Debian's packages, where installed.
    find_package(FastFloat QUIET)
    find_package(double-conversion QUIET)
    if(NOT FastFloat_FOUND OR NOT double-conversion_FOUND)
        message(STATUS "fast_float or double-conversion missing: the fallback is not compared")
        return()
    endif()
endif()

add_library(c3f8_decimal_fallback STATIC ${PROJECT_SOURCE_DIR}/core/decimal_fallback.cpp)
target_include_directories(c3f8_decimal_fallback PUBLIC ${PROJECT_SOURCE_DIR})
set_target_properties(c3f8_decimal_fallback PROPERTIES POSITION_INDEPENDENT_CODE ON AUTOMOC OFF)
target_link_libraries(c3f8_decimal_fallback PRIVATE c3f8_warnings)

if(NOT CMAKE_CROSSCOMPILING)
    target_link_libraries(c3f8_decimal_fallback PRIVATE
        FastFloat::fast_float double-conversion::double-conversion)
    target_compile_definitions(c3f8_decimal_fallback PUBLIC
        C3F8_FALLBACK_READING=1 C3F8_FALLBACK_WRITING=1)
    return()
endif()

# For another target (WebAssembly), the half that its standard library lacks.
target_compile_definitions(c3f8_decimal_fallback PUBLIC
    C3F8_FALLBACK_READING=$<NOT:$<BOOL:${C3F8_STANDARD_READING}>>
    C3F8_FALLBACK_WRITING=$<NOT:$<BOOL:${C3F8_STANDARD_WRITING}>>)
set(third_party ${PROJECT_BINARY_DIR}/third_party)

if(NOT C3F8_STANDARD_READING)
    # fast_float's headers need nothing of the machine's; copied so that no other header of the
    # machine's is seen.
    find_path(C3F8_FAST_FLOAT_INCLUDE fast_float/fast_float.h
        PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    file(COPY ${C3F8_FAST_FLOAT_INCLUDE}/fast_float DESTINATION ${third_party}/include)
    target_include_directories(c3f8_decimal_fallback SYSTEM PRIVATE ${third_party}/include)
endif()

if(NOT C3F8_STANDARD_WRITING)
    # double-conversion built for the target from Debian's source package.
    set(C3F8_DOUBLE_CONVERSION_SOURCE "" CACHE PATH
        "Unpacked source of double-conversion (fetched from Debian where empty)")
    set(dc_source ${C3F8_DOUBLE_CONVERSION_SOURCE})
    if(NOT dc_source)
        set(dc_source ${third_party}/double-conversion)
        if(NOT EXISTS ${dc_source}/double-conversion/double-to-string.cc)
            file(REMOVE_RECURSE ${dc_source})
            message(STATUS "Fetching Debian's source of double-conversion")
            execute_process(
                COMMAND ${PROJECT_SOURCE_DIR}/scripts/debian-source double-conversion ${dc_source}
                COMMAND_ERROR_IS_FATAL ANY)
        endif()
    endif()
    file(GLOB dc_files ${dc_source}/double-conversion/*.cc)
    add_library(c3f8_double_conversion STATIC ${dc_files})
    target_include_directories(c3f8_double_conversion SYSTEM PUBLIC ${dc_source})
    target_link_libraries(c3f8_decimal_fallback PRIVATE c3f8_double_conversion)
endif()
