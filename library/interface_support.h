// What every function of the C interface does alike, shared by the library and the page's engine:
// no C++ exception crosses into the caller, and a text goes into the caller's buffer whole or
// not at all.
#pragma once

#include "c3f8calc.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <span>
#include <string>
#include <string_view>

namespace c3f8::interface_support {

// Runs body and turns whatever it throws into a status.
template <class Body> c3f8_status guarded(Body body) noexcept
{
    try {
        return body();
    } catch (const std::bad_alloc &) {
        return C3F8_ERROR_OUT_OF_MEMORY;
    } catch (...) {
        return C3F8_ERROR_INTERNAL;
    }
}

// Copies text with a NUL after it into capacity bytes at out, or says how many it needs; the
// caller has refused a negative capacity, before any other check of its own.
inline c3f8_status copy_text(std::string_view text, char *out, int64_t capacity, int64_t *needed)
{
    if (!out && capacity > 0)
        return C3F8_ERROR_NULL_POINTER;
    const auto size = static_cast<int64_t>(text.size()) + 1;
    if (needed)
        *needed = size;
    if (size > capacity)
        return C3F8_ERROR_BUFFER_TOO_SMALL;
    std::memcpy(out, text.data(), text.size());
    out[text.size()] = '\0';
    return C3F8_OK;
}

// Lays texts out one to every capacity bytes at out, each with its NUL, or says in *needed (also
// where they fit) how many bytes the longest takes with its NUL; the caller has checked out and
// capacity. No texts fit in any room.
inline c3f8_status lay_out_texts(std::span<const std::string> texts, char *out, int64_t capacity,
                                 int64_t *needed)
{
    int64_t longest = 1;
    for (const std::string &text : texts)
        longest = std::max(longest, static_cast<int64_t>(text.size()) + 1);
    if (needed)
        *needed = longest;
    if (longest > capacity && !texts.empty())
        return C3F8_ERROR_BUFFER_TOO_SMALL;
    for (std::size_t i = 0; i < texts.size(); ++i)
        std::memcpy(out + static_cast<int64_t>(i) * capacity, texts[i].c_str(),
                    texts[i].size() + 1);
    return C3F8_OK;
}

// Whether inputs and every one of its count pointers are there.
template <class T> bool all_given(const T *const *inputs, std::size_t count)
{
    return inputs && std::all_of(inputs, inputs + count, [](const T *p) { return p != nullptr; });
}

} // namespace c3f8::interface_support
