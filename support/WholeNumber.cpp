#include "support/WholeNumber.h"

WholeNumber::WholeNumber(std::uint64_t value) {
    for (; value != 0; value >>= 32) {
        m_limbs.push_back(static_cast<std::uint32_t>(value));
    }
}

int WholeNumber::BitLength() const {
    if (m_limbs.empty()) {
        return 0;
    }
    int bits = 32 * static_cast<int>(m_limbs.size() - 1);
    for (std::uint32_t top = m_limbs.back(); top != 0; top >>= 1) {
        ++bits;
    }
    return bits;
}

int WholeNumber::Bit(int index) const {
    const std::size_t limb = static_cast<std::size_t>(index / 32);
    return limb < m_limbs.size() ? static_cast<int>(m_limbs[limb] >> (index % 32)) & 1 : 0;
}

std::uint64_t WholeNumber::Low64() const {
    std::uint64_t low = m_limbs.empty() ? 0 : m_limbs[0];
    if (m_limbs.size() > 1) {
        low |= std::uint64_t{m_limbs[1]} << 32;
    }
    return low;
}

void WholeNumber::MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : m_limbs) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) {
        m_limbs.push_back(static_cast<std::uint32_t>(carry));
    }
    Trim();
}

void WholeNumber::MultiplyByPowerOfFive(int exponent) {
    constexpr std::uint32_t kFiveToThe13 = 1220703125;
    for (; exponent >= 13; exponent -= 13) {
        MultiplyAdd(kFiveToThe13, 0);
    }
    std::uint32_t rest = 1;
    for (; exponent > 0; --exponent) {
        rest *= 5;
    }
    MultiplyAdd(rest, 0);
}

void WholeNumber::ShiftLeft(int bits) {
    if (m_limbs.empty() || bits == 0) {
        return;
    }
    const int shift = bits % 32;
    if (shift != 0) {
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : m_limbs) {
            const std::uint32_t next = limb >> (32 - shift);
            limb = limb << shift | carry;
            carry = next;
        }
        if (carry != 0) {
            m_limbs.push_back(carry);
        }
    }
    m_limbs.insert(m_limbs.begin(), static_cast<std::size_t>(bits / 32), 0);
}

void WholeNumber::Subtract(const WholeNumber& other) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        const std::int64_t difference =
            std::int64_t{m_limbs[i]} - borrow - (i < other.m_limbs.size() ? other.m_limbs[i] : 0);
        m_limbs[i] = static_cast<std::uint32_t>(difference);
        borrow = difference < 0 ? 1 : 0;
    }
    Trim();
}

std::uint32_t WholeNumber::DivideSmall(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (auto limb = m_limbs.rbegin(); limb != m_limbs.rend(); ++limb) {
        const std::uint64_t dividend = remainder << 32 | *limb;
        *limb = static_cast<std::uint32_t>(dividend / divisor);
        remainder = dividend % divisor;
    }
    Trim();
    return static_cast<std::uint32_t>(remainder);
}

int Compare(const WholeNumber& a, const WholeNumber& b) {
    if (a.m_limbs.size() != b.m_limbs.size()) {
        return a.m_limbs.size() < b.m_limbs.size() ? -1 : 1;
    }
    for (std::size_t i = a.m_limbs.size(); i-- > 0;) {
        if (a.m_limbs[i] != b.m_limbs[i]) {
            return a.m_limbs[i] < b.m_limbs[i] ? -1 : 1;
        }
    }
    return 0;
}

void WholeNumber::Trim() {
    while (!m_limbs.empty() && m_limbs.back() == 0) {
        m_limbs.pop_back();
    }
}
