#pragma once
// Values that reach the editor from any thread wait here until the user-interface thread takes
// them: one atomic value and one dirty bit per index, so the sender never waits and never
// touches a view.

#include <array>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace velqa::editor
{

template <std::size_t Count> class CValueSlots
{
public:
    // Any thread. Indices outside the slots are ignored.
    void store(int32_t index, float value)
    {
        if (index < 0 || static_cast<std::size_t>(index) >= Count) return;
        const auto i = static_cast<std::size_t>(index);
        values[i].store(value, std::memory_order_relaxed);
        // Release orders the value before the bit; the taker's acquire sees this value or a
        // newer one.
        dirty[i / 64].fetch_or(uint64_t{1} << (i % 64), std::memory_order_release);
    }

    // User-interface thread: hands every dirty index with its latest value to apply, lowest
    // index first.
    template <typename Apply> void take(Apply&& apply)
    {
        for (std::size_t word = 0; word < kWords; ++word)
        {
            uint64_t bits = dirty[word].exchange(0, std::memory_order_acquire);
            while (bits != 0)
            {
                const auto bit = static_cast<std::size_t>(std::countr_zero(bits));
                bits &= bits - 1;
                const std::size_t i = word * 64 + bit;
                apply(static_cast<int32_t>(i), values[i].load(std::memory_order_relaxed));
            }
        }
    }

    void clear()
    {
        for (auto& word : dirty) word.store(0, std::memory_order_relaxed);
    }

private:
    static constexpr std::size_t kWords = (Count + 63) / 64;
    std::array<std::atomic<float>, Count> values{};
    std::array<std::atomic<uint64_t>, kWords> dirty{};
};

} // namespace velqa::editor
