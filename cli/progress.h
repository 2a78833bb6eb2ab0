// A line on standard error that tells how far a long sweep has come: points done, the total
// where it is known, and the rate. It appears only after about a second, only where a person
// watches standard error while the points go elsewhere, and is erased at the end.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace c3f8::cli {

class progress
{
public:
    progress(std::FILE *stream, bool wanted, std::optional<std::uint64_t> total);
    ~progress() { finish(); }

    void tick(std::uint64_t done)
    {
        // The clock is read only now and then; a point takes about a microsecond.
        if (m_wanted && (done & 1023) == 0)
            update(done);
    }
    void finish();

private:
    using clock = std::chrono::steady_clock;
    void update(std::uint64_t done);

    std::FILE *m_stream;
    bool m_wanted;
    std::optional<std::uint64_t> m_total;
    clock::time_point m_start = clock::now(), m_shown{};
    std::size_t m_width = 0;
};

} // namespace c3f8::cli
