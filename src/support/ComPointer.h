#pragma once
#include <unknwn.h>

#include <utility>

// Owns one reference to a COM interface and releases it on scope exit: the one
// owner of interface pointers in the module, its tools and tests.
template <typename T>
class CComPointer
{
public:
    CComPointer() = default;
    ~CComPointer() { Reset(); }
    CComPointer(const CComPointer&) = delete;
    CComPointer& operator=(const CComPointer&) = delete;
    CComPointer(CComPointer&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    CComPointer& operator=(CComPointer&& other) noexcept
    {
        if (this != &other)
        {
            Reset();
            m_p = std::exchange(other.m_p, nullptr);
        }
        return *this;
    }

    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

    // For out parameters: releases what is held and hands out the slot.
    T** Put()
    {
        Reset();
        return &m_p;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    // Takes over a reference the caller holds; what was held before is released.
    void Attach(T* p)
    {
        Reset();
        m_p = p;
    }
    // Hands the reference to the caller, who releases it.
    T* Detach() { return std::exchange(m_p, nullptr); }
    void Reset()
    {
        if (m_p != nullptr)
            std::exchange(m_p, nullptr)->Release();
    }

private:
    T* m_p = nullptr;
};
