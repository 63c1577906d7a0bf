#pragma once

#include <atomic>
#include <cstdint>

// Slot bookkeeping of a triple buffer between one writer thread and one reader thread: each side
// owns one of three slots, and the third is the hand-over slot that a single atomic exchange
// swaps. Neither side ever waits, and a slot is never written while the other side reads it. The
// reader always gets the newest finished slot; slots it missed are simply overwritten.
class CTripleBufferSlots
{
public:
    // Writer: the slot it may fill now.
    int writeSlot() const { return writing; }
    // Writer: hands the filled slot over and takes back a free one.
    void publish()
    {
        writing = static_cast<int>(
            shared.exchange(static_cast<uint8_t>(writing) | kFresh, std::memory_order_acq_rel) &
            kSlotMask);
    }

    // Reader: takes the newest published slot, if there is one since the last take.
    bool take()
    {
        if ((shared.load(std::memory_order_relaxed) & kFresh) == 0) return false;
        reading = static_cast<int>(
            shared.exchange(static_cast<uint8_t>(reading), std::memory_order_acq_rel) & kSlotMask);
        return true;
    }
    // Reader: the slot it may read now.
    int readSlot() const { return reading; }

    // Only while neither side runs.
    void reset()
    {
        writing = 0;
        shared.store(1, std::memory_order_relaxed);
        reading = 2;
    }

private:
    static constexpr uint8_t kFresh = 4;
    static constexpr uint8_t kSlotMask = 3;

    int writing = 0;
    std::atomic<uint8_t> shared{1};
    int reading = 2;
};
