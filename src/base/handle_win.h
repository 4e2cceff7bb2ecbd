#pragma once
// Move-only owners of Win32 handles, so every path closes what it opened.

#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::isValid(handle_); }
    Handle release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle h = Traits::invalid())
    {
        if (Traits::isValid(handle_))
            Traits::close(handle_);
        handle_ = h;
    }

private:
    Handle handle_ = Traits::invalid();
};

// Handles that are invalid as null and closed by calling a `Close`.
template <typename H, typename Close>
struct NullHandleTraits {
    using Handle = H;
    static Handle invalid() { return nullptr; }
    static bool isValid(Handle h) { return h != nullptr; }
    static void close(Handle h) { Close{}(h); }
};

// Kernel handles from CreateFile and friends, invalid as INVALID_HANDLE_VALUE
// or null (both are used by different functions).
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() { return nullptr; }
    static bool isValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(Handle h) { CloseHandle(h); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;
