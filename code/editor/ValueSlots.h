#pragma once
// Values that reach the editor from any thread wait here until the user-interface thread takes
// them: one atomic value and one dirty bit per index, so the sender never waits and never
// touches a view.

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

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

// Levels that arrive faster than the editor draws (one per audio block): each slot keeps the
// extreme of what arrived since the user-interface thread last took it, so a peak between two
// ticks is never lost. The sender never waits: its exchange only retries when the taker emptied
// the slot at that moment.
template <std::size_t Count> class CPeakSlots
{
public:
    CPeakSlots() { clear(); }

    // Any thread. lowest keeps the smallest value instead of the largest (a gain's reduction).
    void gather(int32_t index, float value, bool lowest)
    {
        if (index < 0 || static_cast<std::size_t>(index) >= Count || std::isnan(value)) return;
        std::atomic<float>& slot = values[static_cast<std::size_t>(index)];
        float held = slot.load(std::memory_order_relaxed);
        float kept;
        do kept = std::isnan(held) ? value : lowest ? std::min(held, value) : std::max(held, value);
        while (!slot.compare_exchange_weak(held, kept, std::memory_order_relaxed));
    }

    // User-interface thread: hands each slot that received a value since the last call.
    template <typename Apply> void take(Apply&& apply)
    {
        for (std::size_t i = 0; i < Count; ++i)
        {
            const float value = values[i].exchange(kEmpty, std::memory_order_relaxed);
            if (!std::isnan(value)) apply(static_cast<int32_t>(i), value);
        }
    }

    void clear()
    {
        for (auto& value : values) value.store(kEmpty, std::memory_order_relaxed);
    }

private:
    static constexpr float kEmpty = std::numeric_limits<float>::quiet_NaN();
    std::array<std::atomic<float>, Count> values;
};

} // namespace velqa::editor
