#pragma once
// An open registry key that closes itself.

#include "platform/OwnedHandle.h"

#include <windows.h>

namespace forms {

using RegKey = OwnedHandle<HKEY, &RegCloseKey>;

}  // namespace forms
