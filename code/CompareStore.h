#pragma once

#include "code/ParameterIndex.h"

#include <array>
#include <cstdint>

// Whoever the compare store re-applies its values through.
class CCompABClient
{
public:
    virtual ~CCompABClient() = default;
    virtual void setCompareParameter(int32_t index, float value) = 0;
};

// A/B compare store. The core only uses its loading state, which brackets every program load so
// the editor can tell a load from an edit.
class CCompAB
{
public:
    enum State : int32_t
    {
        kStateA = 0,
        kStateB = 1,
        kStateLoading = 2,
    };

    explicit CCompAB(CCompABClient& client) : client(client) {}

    void pushLoading();
    void pop();
    // Re-applies the chosen array through the client, one parameter at a time.
    void select(State which);

    State getState() const { return state; }
    bool isLoading() const { return state != kStateA; }

private:
    static constexpr int32_t parameterCount = velqa::kStoredParameterCount;

    CCompABClient& client;
    State state = kStateA;
    State savedState = kStateA;
    std::array<float, parameterCount> valuesA{};
    std::array<float, parameterCount> valuesB{};
};
