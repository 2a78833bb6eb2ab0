// The bytes of a text as read from a file or a command line, which need not be valid UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace c3f8::cli {

// The length of the well-formed UTF-8 sequence that text starts with, or 0 where it starts
// with anything else (a stray continuation byte, an overlong form, a surrogate, a code point
// beyond U+10FFFF, a sequence cut short). text must not be empty.
std::size_t utf8_length(std::string_view text);

// text with every byte that a terminal cannot show as it stands (control characters, bytes
// that are not part of well-formed UTF-8) written as \xHH, so that a message never ends at a
// NUL byte or moves the cursor.
std::string printable(std::string_view text);

} // namespace c3f8::cli
