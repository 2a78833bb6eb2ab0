// The seed of the random tests: C3F8_TEST_SEED when set, so that a failure can be replayed,
// otherwise a fixed one. Each random test shows it with its failures.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

inline std::uint64_t test_seed()
{
    if (const char *seed = std::getenv("C3F8_TEST_SEED"))
        return std::strtoull(seed, nullptr, 10);
    return 20261208;
}

inline std::string seed_note(std::uint64_t seed)
{
    return "random seed " + std::to_string(seed) +
           " (replay with C3F8_TEST_SEED=" + std::to_string(seed) + ")";
}
