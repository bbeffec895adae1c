// LineConverter: a four-state scanner (blanks, sign seen, digits, done).
#include "settings/LineConverter.h"

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The signed 32-bit integer whose two's-complement bits are bits.
std::int32_t FromTwosComplement(std::uint32_t bits) {
    if (bits <= 0x7FFFFFFFu) return static_cast<std::int32_t>(bits);
    return static_cast<std::int32_t>(bits - 0x80000000u) + INT32_MIN;
}

}  // namespace

void LineConverter::Feed(const char* text, std::size_t length) {
    for (const char* end = text + length; text < end && m_state != State::done; ++text) {
        const char c = *text;
        if (IsDigit(c)) {
            m_magnitude = m_magnitude * 10u + static_cast<std::uint32_t>(c - '0');
            m_state = State::digits;
        } else if (m_state == State::blanks && IsBlank(c)) {
            continue;
        } else if (m_state == State::blanks && (c == '+' || c == '-')) {
            m_negative = c == '-';
            m_state = State::sign;
        } else {
            m_state = State::done;
        }
    }
}

std::int32_t LineConverter::Value() const {
    return FromTwosComplement(m_negative ? 0u - m_magnitude : m_magnitude);
}
