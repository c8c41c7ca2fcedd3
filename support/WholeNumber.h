#ifndef LUMETRIX_SUPPORT_WHOLENUMBER_H
#define LUMETRIX_SUPPORT_WHOLENUMBER_H

#include <cstdint>
#include <vector>

// An unsigned whole number of any size, for exact conversions between decimal text and
// doubles: just the operations they need.
class WholeNumber {
public:
    explicit WholeNumber(std::uint64_t value = 0);

    bool IsZero() const { return m_limbs.empty(); }
    int BitLength() const;
    int Bit(int index) const;
    // The lowest 64 bits.
    std::uint64_t Low64() const;

    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend);
    void MultiplyByPowerOfFive(int exponent);
    void ShiftLeft(int bits);
    // Subtracts a number not larger than this one.
    void Subtract(const WholeNumber& other);
    // Divides by `divisor` (not 0) and gives the remainder.
    std::uint32_t DivideSmall(std::uint32_t divisor);

    friend int Compare(const WholeNumber& a, const WholeNumber& b);

private:
    void Trim();

    std::vector<std::uint32_t> m_limbs; // least significant first, no leading zero limbs
};

#endif
