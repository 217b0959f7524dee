#pragma once
// Flat theming of one thread's windows: the skin's font and colours, push buttons drawn flat,
// list views in the field colours. Windows created later are caught by a thread-local hook.
#include "skin_palette.h"

namespace skin {

// False when a theme is attached already.
bool attachTheme(const Palette& palette);
// Gives every window back its own look; the theme's code may be unmapped afterwards.
void detachTheme();

} // namespace skin
