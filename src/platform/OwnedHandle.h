#pragma once
// A handle that the program owns and releases exactly once, when its owner goes.

#include <utility>

namespace forms {

template <class Handle, auto Release>
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ~OwnedHandle() { reset(); }

    Handle get() const { return handle_; }
    // For functions that hand back a new handle through a pointer.
    Handle* put()
    {
        reset();
        return &handle_;
    }
    explicit operator bool() const { return handle_ != nullptr; }

    void reset()
    {
        if (handle_) Release(std::exchange(handle_, nullptr));
    }

private:
    Handle handle_ = nullptr;
};

}  // namespace forms
