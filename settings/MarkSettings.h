// The five values of the settings file, exactly as converted from its lines 1 to 5.
// No range is applied: a negative radius or a colour of 300 is kept as it is.
#pragma once

#include <cstdint>

struct MarkSettings {
    std::int32_t radius;  // line 1: dot radius in pixels
    std::int32_t red;     // line 2: only the low 8 bits colour a dot
    std::int32_t green;   // line 3
    std::int32_t blue;    // line 4
    std::int32_t mode;    // line 5: a SymmetryMode value; any other stamps one dot
};
