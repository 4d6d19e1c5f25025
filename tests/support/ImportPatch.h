#pragma once
// Redirects one imported function of the test executable for the lifetime of
// the object, by rewriting its slot in the executable's import table. The
// program's code is linked into the test executable, so its calls go there.

#include <windows.h>

class ImportPatch {
public:
    ImportPatch(const char* dll, const char* function, const void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    const void* Original() const { return original_; }

private:
    void** slot_ = nullptr;
    const void* original_ = nullptr;
};

// LockWorkStation answers what the test decides and counts its calls, so no
// test ever locks the machine.
class FakeLockWorkStation {
public:
    explicit FakeLockWorkStation(BOOL result);
    ~FakeLockWorkStation();
    int Calls() const;

private:
    ImportPatch patch_;
};
