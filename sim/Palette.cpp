#include "sim/Palette.h"

std::array<Color, kPaletteSize> BuildPalette() {
    constexpr Color kStep = 127;
    constexpr Color kTop = 254;
    std::array<Color, kPaletteSize> palette{};
    std::size_t i = 0;
    for (Color red = 0; red <= kTop; red += kStep) {
        for (Color green = 0; green <= kTop; green += kStep) {
            for (Color blue = 0; blue <= kTop; blue += kStep) {
                palette[i] = red + 256 * green + 65536 * blue;
                ++i;
            }
        }
    }
    return palette;
}
