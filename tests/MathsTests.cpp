// The maths functions give the same bits on every build: the native one, the Windows program
// and the browser's all print and check the digest of one table of results. How near the
// results lie to the correctly rounded ones is lumetrix_maths_accuracy's part (tests/mpfr/).
#include "support/Maths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <limits>
#include <string>

namespace {

// The digest of the table below as every build computes it.
constexpr char kTableDigest[] = "d4472342eb97d001";

std::uint64_t BitsOf(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

double FromBits(std::uint64_t bits) {
    double x = 0.0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// 64-bit FNV-1a over each result's bits, lowest byte first.
class Digest {
public:
    void Add(double result) {
        const std::uint64_t bits = BitsOf(result);
        for (int byte = 0; byte < 8; ++byte) {
            m_state = (m_state ^ ((bits >> (8 * byte)) & 0xFF)) * 0x100000001B3u;
        }
    }
    std::string Hex() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(m_state));
        return text;
    }

private:
    std::uint64_t m_state = 0xCBF29CE484222325u;
};

// Arguments built from whole numbers alone, so that every build starts from the same bits:
// angles typed in degrees, a random significand and sign under binary exponents from `lowest`
// to `highest` (-1023 for the subnormal numbers), and the special values.
class Arguments {
public:
    double Degrees() { return static_cast<double>(Next() % 3600001) / 1000; }
    double Spread(int lowest, int highest) {
        const std::uint64_t exponent =
            static_cast<std::uint64_t>(lowest + 1023) + Next() % (highest - lowest + 1);
        const std::uint64_t sign = Next() % 2 << 63;
        return FromBits(sign | exponent << 52 | (Next() & ((std::uint64_t{1} << 52) - 1)));
    }

private:
    std::uint64_t Next() {
        m_state = m_state * 6364136223846793005u + 1442695040888963407u;
        return m_state >> 11;
    }
    std::uint64_t m_state = 1;
};

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kSpecial[] = {0.0,
                           -0.0,
                           0x1p-1074,
                           -0x1p-1074,
                           0x1.fffffffffffffp1023,
                           -kInf,
                           kInf,
                           std::numeric_limits<double>::quiet_NaN(),
                           1.0,
                           -1.0,
                           0.5,
                           1.5707963267948966};

TEST(MathsTest, EveryBuildGivesTheSameTableOfResults) {
    double (*const unary[])(double) = {maths::Sin,  maths::Cos,  maths::Tan,
                                       maths::Atan, maths::Acos,
                                       maths::Exp,  maths::Log,  maths::Sqrt};
    double (*const binary[])(double, double) = {maths::Atan2, maths::QuickAtan2, maths::Pow};
    Arguments arguments;
    Digest digest;
    for (auto function : unary) {
        for (double x : kSpecial) {
            digest.Add(function(x));
        }
        for (int i = 0; i < 2000; ++i) {
            digest.Add(function(arguments.Degrees() * 0.017453292519943295 * 0.5));
            digest.Add(function(arguments.Spread(-30, 30)));
            digest.Add(function(arguments.Spread(-1023, 1023)));
        }
    }
    for (auto function : binary) {
        for (double x : kSpecial) {
            for (double y : kSpecial) {
                digest.Add(function(x, y));
            }
        }
        for (int i = 0; i < 2000; ++i) {
            // One statement each: the order in which a call's arguments are evaluated differs
            // between compilers.
            const double x = arguments.Spread(-30, 30);
            const double y = arguments.Spread(-6, 6);
            digest.Add(function(x, y));
            const double anyX = arguments.Spread(-1023, 1023);
            const double anyY = arguments.Spread(-1023, 1023);
            digest.Add(function(anyX, anyY));
        }
    }
    std::cout << "maths table digest " << digest.Hex() << '\n';
    EXPECT_EQ(digest.Hex(), kTableDigest);
}

// The quick arc tangent keeps near the careful one, in every quadrant and at any scale, and
// gives the special values as it does.
TEST(MathsTest, QuickAtan2StaysWithinFourUnitsOfAtan2) {
    const auto unitsApart = [](double y, double x) {
        const double quick = maths::QuickAtan2(y, x);
        const double careful = maths::Atan2(y, x);
        if (BitsOf(quick) == BitsOf(careful)) {
            return 0.0;
        }
        return std::fabs(quick - careful) / (std::fabs(careful) * 0x1p-52);
    };
    Arguments arguments;
    for (double y : kSpecial) {
        for (double x : kSpecial) {
            EXPECT_LE(unitsApart(y, x), 4) << y << ", " << x;
        }
    }
    for (int i = 0; i < 20000; ++i) {
        const double y = arguments.Spread(-40, 40);
        const double x = arguments.Spread(-40, 40);
        ASSERT_LE(unitsApart(y, x), 4) << y << ", " << x;
    }
}

} // namespace
