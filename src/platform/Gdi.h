#pragma once
// GDI objects that the program creates and must delete.

#include <windows.h>

#include <utility>

namespace forms {

class Font {
public:
    Font() = default;
    explicit Font(HFONT font) : font_(font) {}
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    Font(Font&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
    Font& operator=(Font&& other) noexcept
    {
        if (this != &other) {
            reset();
            font_ = std::exchange(other.font_, nullptr);
        }
        return *this;
    }
    ~Font() { reset(); }

    HFONT get() const { return font_; }
    void reset()
    {
        if (font_) DeleteObject(std::exchange(font_, nullptr));
    }

private:
    HFONT font_ = nullptr;
};

// A font of the given face and size in points for the screen's resolution.
Font CreatePointFont(const char* face, double points);

}  // namespace forms
