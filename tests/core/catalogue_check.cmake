# Compiles the field catalogue as it is, and with one enumerator added without its row in
# several places: the first must compile, every other must stop at the catalogue's own check.
#
#   cmake -DCXX=compiler -DSOURCE_DIR=repository -DWORK_DIR=scratch -P catalogue_check.cmake
file(READ ${SOURCE_DIR}/core/catalogue.h original)
file(MAKE_DIRECTORY ${WORK_DIR}/core)

function(try_catalogue name text expect_message)
    file(WRITE ${WORK_DIR}/core/catalogue.h "${text}")
    file(WRITE ${WORK_DIR}/use.cpp "#include \"core/catalogue.h\"\nint main() {}\n")
    execute_process(COMMAND ${CXX} -std=c++20 -fsyntax-only -I${WORK_DIR} ${WORK_DIR}/use.cpp
        RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
    if(expect_message STREQUAL "")
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "${name}: the catalogue does not compile:\n${errors}")
        endif()
    elseif(status EQUAL 0)
        message(FATAL_ERROR "${name}: compiled although an enumerator has no row")
    elseif(NOT errors MATCHES "${expect_message}")
        message(FATAL_ERROR "${name}: failed for another reason than the missing row:\n${errors}")
    else()
        message(STATUS "${name}: refused, as it must be")
    endif()
endfunction()

function(with_extra name anchor replacement expect_message)
    string(FIND "${original}" "${anchor}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${name}: '${anchor}' is not in the catalogue")
    endif()
    string(REPLACE "${anchor}" "${replacement}" changed "${original}")
    try_catalogue(${name} "${changed}" "${expect_message}")
endfunction()

try_catalogue("the catalogue as it is" "${original}" "")
with_extra("a field after the last" "    count\n};\n\ninline constexpr std::size_t field_count"
    "    extra,\n    count\n};\n\ninline constexpr std::size_t field_count"
    "every field needs its row")
with_extra("a field among the inputs" "    tsub,\n    x_we,\n" "    tsub,\n    extra,\n    x_we,\n"
    "every field needs its row")
with_extra("a warning" "    count\n};\n\ninline constexpr std::size_t warning_count"
    "    extra,\n    count\n};\n\ninline constexpr std::size_t warning_count"
    "every warning needs its row")
with_extra("a kind of failure" "    count\n};\n\ninline constexpr std::size_t error_kind_count"
    "    extra,\n    count\n};\n\ninline constexpr std::size_t error_kind_count"
    "every kind of failure needs its row")
