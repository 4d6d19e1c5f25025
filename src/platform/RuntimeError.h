#pragma once
// Run-time errors of the forms runtime: one exception type with the error's
// number and description. It never crosses a Win32 frame; every entry point the
// system calls hands it to ReportUnhandledError.

#include <stdexcept>
#include <string>

namespace forms {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int Number() const { return number_; }
    std::string Description() const { return what(); }

private:
    int number_;
};

// The error numbers the runtime raises.
inline constexpr int ErrInvalidCall = 5;
inline constexpr int ErrOverflow = 6;
inline constexpr int ErrFileNotFound = 53;

[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseInvalidCall();
[[noreturn]] void RaiseFileNotFound();

// The treatment of an error that no handler takes: a box with the error,
// captioned with the application title, then End.
[[noreturn]] void ReportUnhandledError(const std::exception& error);

// Runs code that the system called (a window procedure, the start-up) so that
// no exception escapes into Win32.
template <class Body>
void RunEntryPoint(Body&& body) noexcept
{
    try {
        body();
    } catch (const std::exception& error) {
        ReportUnhandledError(error);
    } catch (...) {
        ReportUnhandledError(std::runtime_error("Unexpected error"));
    }
}

}  // namespace forms
