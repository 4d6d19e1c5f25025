#pragma once
// The About window's own icon. It is program data, not a resource: the
// executable's resources hold the application icon alone. The build makes its
// definition from res/icons/AboutIcon.group and the images beside it.

#include "platform/Icons.h"

extern const forms::EmbeddedIcon AboutIcon;
