// What the C interface's header must agree with, checked as the library compiles (on every
// target, WebAssembly's included): the catalogue and the core it speaks for, and the shape that
// its version shipped.
#pragma once

#include "c3f8calc.h"

#include "core/calculation.h"
#include "core/catalogue.h"
#include "core/number_text.h"

#include <cstddef>

namespace c3f8::interface_checks {

static_assert(C3F8_INPUT_COUNT == input_count && C3F8_RESULT_COUNT == result_count &&
                  C3F8_FIELD_COUNT == field_count && C3F8_WARNING_COUNT == warning_count,
              "the header's counts are the catalogue's: change them in c3f8calc.h too (which "
              "changes the interface's shape, checked below)");
static_assert(field_count <= 32, "outside_fits is a mask of 32 bits");
static_assert(C3F8_TEXT_MAX == max_text_bytes, "the header's text limit is the core's");
static_assert(C3F8_SEPARATOR_MAX == max_separator_bytes,
              "the header's longest separator is the core's");
static_assert(static_cast<int>(column_kind::field) == C3F8_COLUMN_FIELD &&
                  static_cast<int>(column_kind::warning) == C3F8_COLUMN_WARNING &&
                  static_cast<int>(column_kind::outside_fits) == C3F8_COLUMN_OUTSIDE_FITS &&
                  static_cast<int>(column_kind::failure) == C3F8_COLUMN_FAILURE &&
                  static_cast<int>(column_kind::failure_field) == C3F8_COLUMN_FAILURE_FIELD,
              "the header's kinds of column are the catalogue's");

} // namespace c3f8::interface_checks

// The shape of the interface as each version of its library file shipped it: the counts and
// limits that callers size their arrays by, and the sizes and member offsets of the structs
// they compile into their programs. A program built against a version keeps using that
// version's file (its soname), so any change to these needs a new C3F8_SOVERSION and a record
// of its own.

#define C3F8_SHAPE_CHANGED                                                                         \
    "the C interface no longer has the shape that its C3F8_SOVERSION shipped: callers size "       \
    "their arrays and structs by these numbers, so raise C3F8_SOVERSION in c3f8calc.h and "        \
    "record the new shape in library/interface_checks.h"

namespace c3f8::shipped {

// 64-bit targets, and WebAssembly's 32-bit one, where the page's engine compiles the library.
constexpr bool wide = sizeof(void *) == 8;
static_assert(sizeof(void *) == 8 || sizeof(void *) == 4, "a target of 32 or 64 bits");

#if C3F8_SOVERSION == 1
static_assert(C3F8_INPUT_COUNT == 6, C3F8_SHAPE_CHANGED);
static_assert(C3F8_RESULT_COUNT == 12, C3F8_SHAPE_CHANGED);
static_assert(C3F8_FIELD_COUNT == 18, C3F8_SHAPE_CHANGED);
static_assert(C3F8_WARNING_COUNT == 2, C3F8_SHAPE_CHANGED);
static_assert(C3F8_TEXT_MAX == 400, C3F8_SHAPE_CHANGED);
static_assert(C3F8_SEPARATOR_MAX == 8, C3F8_SHAPE_CHANGED);

static_assert(sizeof(c3f8_field_info) == (wide ? 48 : 28), C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_field_info, name) == 0, C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_field_info, caption) == (wide ? 8 : 4), C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_field_info, unit) == (wide ? 16 : 8), C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_field_info, pattern) == (wide ? 24 : 12), C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_field_info, meaning) == (wide ? 32 : 16), C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_field_info, is_input) == (wide ? 40 : 20), C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_field_info, decimals) == (wide ? 44 : 24), C3F8_SHAPE_CHANGED);

static_assert(sizeof(c3f8_outcome) == 112, C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_outcome, values) == 0, C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_outcome, warnings) == 96, C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_outcome, failure_kind) == 100, C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_outcome, failure_field) == 104, C3F8_SHAPE_CHANGED);
static_assert(offsetof(c3f8_outcome, outside_fits) == 108, C3F8_SHAPE_CHANGED);
#else
#error "record here the shape that this C3F8_SOVERSION ships, as for version 1"
#endif

} // namespace c3f8::shipped
