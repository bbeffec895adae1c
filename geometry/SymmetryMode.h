// The meaning of the settings file's mode value. Plans compare the plain signed 32-bit
// value with these; every other value is valid and stamps the pointer's own dot only.
#pragma once

#include <cstdint>

enum SymmetryMode : std::int32_t {
    MirrorLeftRight = 0,  // mirror image across the vertical centre line
    PointReflection = 1,  // reflection through the centre
    RotateThree = 2,      // turns of about 120 and 240 degrees
    MirrorBothAxes = 3,   // reflection through the centre and across both centre lines
    RotateFour = 4,       // reflection through the centre, turns of about 270 and 90 degrees
    RotateFive = 5,       // turns of about 216, 288, 144 and 72 degrees
};
