#pragma once

#include "track/CellIndex.h"

#include <string_view>

// The two things the trains need from the drawn track: a cell's Tag, to tell node cells from
// plain ones, and setting a cell's colour. Addressing an index that names no cell stops the
// program with a message.
class CellDisplay {
public:
    virtual std::string_view Tag(CellIndex n) const = 0;
    virtual void SetBackColor(CellIndex n, Color color) = 0;

protected:
    CellDisplay() = default;
    CellDisplay(const CellDisplay&) = default;
    CellDisplay& operator=(const CellDisplay&) = default;
    ~CellDisplay() = default;
};
