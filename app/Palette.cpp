#include "app/Palette.h"

std::array<Colour, kPaletteSize> BuildPalette() {
    constexpr Colour kStep = 127;
    constexpr Colour kTop = 254;
    std::array<Colour, kPaletteSize> palette{};
    std::size_t i = 0;
    for (Colour red = 0; red <= kTop; red += kStep) {
        for (Colour green = 0; green <= kTop; green += kStep) {
            for (Colour blue = 0; blue <= kTop; blue += kStep) {
                palette[i] = red + 256 * green + 65536 * blue;
                ++i;
            }
        }
    }
    return palette;
}
