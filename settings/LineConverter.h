// LineConverter: turns the text of one settings line into its signed 32-bit value, fed
// piece by piece as the line is read, so that no line is ever held whole.
//
// The value is that of the decimal digits after any blanks (0x09 to 0x0D and space) and
// one optional sign; everything after the digits is ignored, and a line without such
// digits is 0. Digits accumulate modulo 2^32, so numbers out of range wrap.
#pragma once

#include <cstddef>
#include <cstdint>

class LineConverter {
public:
    // Takes the next length characters of the line.
    void Feed(const char* text, std::size_t length);
    // The value of the line fed so far.
    std::int32_t Value() const;

private:
    enum class State { blanks, sign, digits, done };

    State m_state = State::blanks;
    bool m_negative = false;
    std::uint32_t m_magnitude = 0;  // modulo 2^32
};
