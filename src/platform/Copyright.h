/* The maker's copyright line, one text for the version block of the executable
   and for the About window. Plain C, so that the resource compiler reads it too. */
#pragma once

#define DURADARUDO_COPYRIGHT "Copyright (C) 2026 Brimwick"
