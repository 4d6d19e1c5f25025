#include "support/ImportPatch.h"

#include <stdexcept>
#include <string>

namespace {

void** FindImportSlot(const char* dll, const char* function)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* desc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
    for (; desc->Name; ++desc) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + desc->Name), dll) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    throw std::runtime_error(std::string("no import of ") + function + " from " + dll);
}

void WriteSlot(void** slot, const void* value)
{
    DWORD old;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    *slot = const_cast<void*>(value);
    VirtualProtect(slot, sizeof *slot, old, &old);
}

BOOL fakeLockResult = FALSE;
int fakeLockCalls = 0;

BOOL WINAPI FakeLock()
{
    ++fakeLockCalls;
    return fakeLockResult;
}

}  // namespace

ImportPatch::ImportPatch(const char* dll, const char* function, const void* replacement)
    : slot_(FindImportSlot(dll, function)), original_(*slot_)
{
    WriteSlot(slot_, replacement);
}

ImportPatch::~ImportPatch() { WriteSlot(slot_, original_); }

FakeLockWorkStation::FakeLockWorkStation(BOOL result)
    : patch_("user32.dll", "LockWorkStation", reinterpret_cast<const void*>(&FakeLock))
{
    fakeLockResult = result;
    fakeLockCalls = 0;
}

FakeLockWorkStation::~FakeLockWorkStation() = default;

int FakeLockWorkStation::Calls() const { return fakeLockCalls; }
