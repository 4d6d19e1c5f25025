#pragma once
// An open registry key that closes itself.

#include <windows.h>

#include <utility>

namespace forms {

class RegKey {
public:
    RegKey() = default;
    explicit RegKey(HKEY key) : key_(key) {}
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    RegKey& operator=(RegKey&& other) noexcept
    {
        if (this != &other) {
            Close();
            key_ = std::exchange(other.key_, nullptr);
        }
        return *this;
    }
    ~RegKey() { Close(); }

    HKEY get() const { return key_; }
    HKEY* put()
    {
        Close();
        return &key_;
    }
    explicit operator bool() const { return key_ != nullptr; }

    void Close()
    {
        if (key_) RegCloseKey(std::exchange(key_, nullptr));
    }

private:
    HKEY key_ = nullptr;
};

}  // namespace forms
