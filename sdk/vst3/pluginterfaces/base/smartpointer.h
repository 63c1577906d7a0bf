#pragma once

#include "pluginterfaces/base/fplatform.h"

#include <utility>

namespace Steinberg
{

// Holds one reference to an interface; copying adds one, destruction releases it.
template <class I> class IPtr
{
public:
    IPtr() = default;
    IPtr(I* object, bool addRef = true) : ptr(object)
    {
        if (ptr && addRef) ptr->addRef();
    }
    IPtr(const IPtr& other) : ptr(other.ptr)
    {
        if (ptr) ptr->addRef();
    }
    template <class T> IPtr(const IPtr<T>& other) : ptr(other.get())
    {
        if (ptr) ptr->addRef();
    }
    IPtr(IPtr&& other) noexcept : ptr(std::exchange(other.ptr, nullptr)) {}
    ~IPtr()
    {
        if (ptr) ptr->release();
    }

    IPtr& operator=(I* object)
    {
        if (object != ptr)
        {
            if (object) object->addRef();
            I* old = std::exchange(ptr, object);
            if (old) old->release();
        }
        return *this;
    }
    IPtr& operator=(const IPtr& other) { return *this = other.ptr; }
    IPtr& operator=(IPtr&& other) noexcept
    {
        if (this != &other)
        {
            I* old = std::exchange(ptr, std::exchange(other.ptr, nullptr));
            if (old) old->release();
        }
        return *this;
    }

    operator I*() const { return ptr; }
    I* operator->() const { return ptr; }
    I* get() const { return ptr; }

    // Gives up the reference without releasing it.
    I* take() { return std::exchange(ptr, nullptr); }

    void reset(I* object = nullptr) { *this = object; }

protected:
    I* ptr = nullptr;
};

// Wraps a pointer whose reference the caller already owns (e.g. fresh from new).
template <class I> class OPtr : public IPtr<I>
{
public:
    OPtr(I* object) : IPtr<I>(object, false) {}
    OPtr(const IPtr<I>& other) : IPtr<I>(other) {}
    OPtr() = default;
};

template <class I> IPtr<I> owned(I* object)
{
    return IPtr<I>(object, false);
}
template <class I> IPtr<I> shared(I* object)
{
    return IPtr<I>(object, true);
}

} // namespace Steinberg
