#pragma once
// How the emulated VST 2 host reaches the adapter that owns it.

#include <cstdint>

class IMainHost
{
public:
    virtual void automate(int32_t index, float value) = 0;
    virtual void updateAllParameters() = 0;

protected:
    ~IMainHost() = default;
};

class IEditHost
{
public:
    virtual void beginEdit(int32_t index) = 0;
    virtual void valueChanged(int32_t index, float value) = 0;
    virtual void endEdit(int32_t index) = 0;

protected:
    ~IEditHost() = default;
};
