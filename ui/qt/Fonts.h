#pragma once

namespace ui::qt {

// The windows and the printed list ask for "MS Sans Serif"; it is mapped to
// an installed font with Thai glyphs, and made the application's font.
void setUpFonts();

}  // namespace ui::qt
