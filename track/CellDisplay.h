#pragma once

#include "track/CellIndex.h"

#include <span>
#include <string_view>

// The two things the trains need from the drawn track: a cell's Tag, to tell node cells from
// plain ones, and setting a cell's colour. Addressing an index that names no cell stops the
// program with a message.
class CellDisplay {
public:
    virtual std::string_view Tag(CellIndex n) const = 0;
    virtual void SetBackColor(CellIndex n, Color color) = 0;
    // SetBackColor of each of `cells` in turn, but for 0, which names no cell yet. A display
    // may do it in one go: a long train paints a thousand cells a step.
    virtual void SetBackColors(std::span<const CellIndex> cells, Color color) {
        for (const CellIndex n : cells) {
            if (n != 0) {
                SetBackColor(n, color);
            }
        }
    }

protected:
    CellDisplay() = default;
    CellDisplay(const CellDisplay&) = default;
    CellDisplay& operator=(const CellDisplay&) = default;
    ~CellDisplay() = default;
};
