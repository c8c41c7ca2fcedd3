// lumetrix_maths_accuracy: holds the program's own maths functions (support/Maths.h) against
// MPFR's correctly rounded results over millions of arguments: the ranges the formulas use,
// arguments near multiples of π/2, tiny and huge ones, and the special values. Every result
// must lie within one unit in the last place of the correctly rounded one; the summary tells
// how many are not correctly rounded. Exits 1 when a result is further off.
#include "support/Maths.h"

#include <mpfr.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using UnaryFunction = double (*)(double);
using BinaryFunction = double (*)(double, double);
using MpfrUnary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
using MpfrBinary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);

constexpr double kDegToRad = 0.017453292519943295; // as the formulas convert
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// splitmix64: the same arguments on every run.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1p-53; } // [0, 1)
    double Between(double low, double high) { return low + (high - low) * Unit(); }
    // |x| spread evenly over the binary exponents from 2^low to 2^high, either sign.
    double Spread(int low, int high) {
        const double x = std::ldexp(1.0 + Unit(), low + static_cast<int>(Next() % (high - low)));
        return Next() % 2 == 0 ? x : -x;
    }
    // A value as a user types it: up to `digits` whole digits and up to three decimals.
    double Typed(int digits) {
        const double whole =
            static_cast<double>(Next() % static_cast<std::uint64_t>(std::pow(10, digits)));
        const int decimals = static_cast<int>(Next() % 4);
        const double fraction = static_cast<double>(Next() % 1000) / 1000;
        return whole + std::floor(fraction * std::pow(10, decimals)) / std::pow(10, decimals);
    }

private:
    std::uint64_t m_state;
};

// Position of a double on the line of all doubles, so that neighbours differ by 1.
std::int64_t Ordinal(double x) {
    std::int64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
}

// The correctly rounded double, subnormal results included.
class Mpfr {
public:
    Mpfr() {
        mpfr_set_emin(-1073);
        mpfr_set_emax(1024);
        mpfr_inits2(53, m_x, m_y, m_result, static_cast<mpfr_ptr>(nullptr));
    }
    ~Mpfr() {
        mpfr_clears(m_x, m_y, m_result, static_cast<mpfr_ptr>(nullptr));
        mpfr_free_cache(); // this thread's constants (π)
    }
    Mpfr(const Mpfr&) = delete;
    Mpfr& operator=(const Mpfr&) = delete;

    double Of(MpfrUnary function, double x) {
        mpfr_set_d(m_x, x, MPFR_RNDN);
        return Rounded(function(m_result, m_x, MPFR_RNDN));
    }
    double HalfPiTimes(double k) {
        mpfr_const_pi(m_result, MPFR_RNDN);
        mpfr_mul_d(m_result, m_result, k / 2, MPFR_RNDN);
        return mpfr_get_d(m_result, MPFR_RNDN);
    }
    double Of(MpfrBinary function, double x, double y) {
        mpfr_set_d(m_x, x, MPFR_RNDN);
        mpfr_set_d(m_y, y, MPFR_RNDN);
        return Rounded(function(m_result, m_x, m_y, MPFR_RNDN));
    }

private:
    double Rounded(int ternary) {
        mpfr_subnormalize(m_result, ternary, MPFR_RNDN);
        return mpfr_get_d(m_result, MPFR_RNDN);
    }

    mpfr_t m_x, m_y, m_result;
};

struct Tally {
    long count = 0;
    long notCorrectlyRounded = 0;
    long beyondOneUnit = 0;
};

// Checks one result; prints the first few beyond one unit.
void Check(Tally& tally, const std::string& name, double x, double y, double ours, double correct) {
    ++tally.count;
    if (std::isnan(ours) && std::isnan(correct)) {
        return;
    }
    const std::int64_t difference = Ordinal(ours) - Ordinal(correct);
    if (difference != 0) {
        ++tally.notCorrectlyRounded;
    }
    if (difference > 1 || difference < -1 || std::isnan(ours) != std::isnan(correct)) {
        if (++tally.beyondOneUnit <= 5) {
            std::printf("  %s(%a, %a) = %a, correctly rounded %a\n", name.c_str(), x, y, ours,
                        correct);
        }
    }
}

// One function over one range of arguments; x draws the first argument, y the second of a
// function of two.
struct Job {
    const char* function;
    const char* range;
    long count;
    std::function<double(Random&, Mpfr&)> x;
    std::function<double(Random&)> y;
    std::function<double(double, double)> ours;
    std::function<double(Mpfr&, double, double)> correct;
};

Job UnaryJob(const char* function, UnaryFunction ours, MpfrUnary correct, const char* range,
             long count, std::function<double(Random&, Mpfr&)> x) {
    return {function,
            range,
            count,
            std::move(x),
            [](Random&) { return 0.0; },
            [ours](double a, double) { return ours(a); },
            [correct](Mpfr& mpfr, double a, double) { return mpfr.Of(correct, a); }};
}

Job BinaryJob(const char* function, BinaryFunction ours, MpfrBinary correct, const char* range,
              long count, std::function<double(Random&)> x, std::function<double(Random&)> y) {
    return {function,
            range,
            count,
            [x](Random& random, Mpfr&) { return x(random); },
            std::move(y),
            ours,
            [correct](Mpfr& mpfr, double a, double b) { return mpfr.Of(correct, a, b); }};
}

// Arguments within a few units of the doubles nearest to multiples of π/2 (k · π/2 for k up to
// 2^40), where the reduction loses most bits.
double NearHalfPiMultiple(Random& random, Mpfr& mpfr) {
    const double k =
        std::floor(std::ldexp(1.0 + random.Unit(), static_cast<int>(random.Next() % 40)));
    double x = mpfr.HalfPiTimes(k);
    for (int step = static_cast<int>(random.Next() % 9) - 4; step != 0; step += step > 0 ? -1 : 1) {
        x = std::nextafter(x, step > 0 ? kInfinity : -kInfinity);
    }
    return random.Next() % 2 == 0 ? x : -x;
}

// Beam angles as typed, of any size, and reduced arguments of every kind.
void AddTrigonometricJobs(std::vector<Job>& jobs, const char* name, UnaryFunction ours,
                          MpfrUnary correct, long scale) {
    jobs.push_back(UnaryJob(name, ours, correct, "half a beam angle typed in degrees", 3 * scale,
                            [](Random& r, Mpfr&) { return r.Typed(3) * kDegToRad * 0.5; }));
    jobs.push_back(UnaryJob(name, ours, correct, "half a beam angle of any typed size", scale,
                            [](Random& r, Mpfr&) { return r.Typed(9) * kDegToRad * 0.5; }));
    jobs.push_back(UnaryJob(name, ours, correct, "-4 pi to 4 pi", 2 * scale,
                            [](Random& r, Mpfr&) { return r.Between(-12.566, 12.566); }));
    jobs.push_back(UnaryJob(name, ours, correct, "2^-30 to 2^30", scale,
                            [](Random& r, Mpfr&) { return r.Spread(-30, 30); }));
    jobs.push_back(
        UnaryJob(name, ours, correct, "near multiples of pi/2", scale / 2, NearHalfPiMultiple));
    jobs.push_back(UnaryJob(name, ours, correct, "2^-1074 to 2^1024", scale / 10,
                            [](Random& r, Mpfr&) { return r.Spread(-1074, 1024); }));
}

std::vector<Job> AllJobs(long scale) {
    std::vector<Job> jobs;
    AddTrigonometricJobs(jobs, "tan", maths::Tan, mpfr_tan, scale);
    AddTrigonometricJobs(jobs, "cos", maths::Cos, mpfr_cos, scale);
    AddTrigonometricJobs(jobs, "sin", maths::Sin, mpfr_sin, scale / 2);
    const auto atan = [&](const char* range, long count, std::function<double(Random&)> x) {
        jobs.push_back(UnaryJob("atan", maths::Atan, mpfr_atan, range, count,
                                [x](Random& r, Mpfr&) { return x(r); }));
    };
    atan("a diameter over a height", 4 * scale,
         [](Random& r) { return r.Typed(5) / (r.Typed(3) + 0.00001) * 0.5; });
    atan("2^-40 to 2^40", 2 * scale, [](Random& r) { return r.Spread(-40, 40); });
    atan("2^-1074 to 2^1024", scale / 2, [](Random& r) { return r.Spread(-1074, 1024); });
    const auto acos = [&](const char* range, long count, std::function<double(Random&)> x) {
        jobs.push_back(UnaryJob("acos", maths::Acos, mpfr_acos, range, count,
                                [x](Random& r, Mpfr&) { return x(r); }));
    };
    acos("1 - a solid angle over 2 pi", 3 * scale,
         [](Random& r) { return 1 - r.Typed(2) * 0.15915494309189535; });
    acos("-1 to 1", 2 * scale, [](Random& r) { return r.Between(-1, 1); });
    acos("within 2^-60 to 2^-1 of 1 or -1", scale, [](Random& r) {
        const double d = r.Spread(-60, -1);
        return d > 0 ? 1 - d : -1 - d;
    });
    acos("2^-1074 to 2^-1", scale / 2, [](Random& r) { return r.Spread(-1074, -1); });
    jobs.push_back(UnaryJob("exp", maths::Exp, mpfr_exp, "-746 to 710", 2 * scale,
                            [](Random& r, Mpfr&) { return r.Between(-746, 710); }));
    jobs.push_back(UnaryJob("exp", maths::Exp, mpfr_exp, "2^-60 to 2^4", 2 * scale,
                            [](Random& r, Mpfr&) { return r.Spread(-60, 4); }));
    jobs.push_back(UnaryJob("log", maths::Log, mpfr_log, "1/2 to 2", 2 * scale,
                            [](Random& r, Mpfr&) { return r.Between(0.5, 2); }));
    jobs.push_back(UnaryJob("log", maths::Log, mpfr_log, "1 + 2^-60 to 1 + 2^-5", scale,
                            [](Random& r, Mpfr&) { return 1 + r.Spread(-60, -5); }));
    jobs.push_back(UnaryJob("log", maths::Log, mpfr_log, "2^-1074 to 2^1024", 2 * scale,
                            [](Random& r, Mpfr&) { return std::fabs(r.Spread(-1074, 1024)); }));
    jobs.push_back(UnaryJob("sqrt", maths::Sqrt, mpfr_sqrt, "2^-1074 to 2^1024", scale,
                            [](Random& r, Mpfr&) { return std::fabs(r.Spread(-1074, 1024)); }));
    jobs.push_back(BinaryJob(
        "pow", maths::Pow, mpfr_pow, "cos^n: 0 to 1 to the 0 to 60", 3 * scale,
        [](Random& r) { return r.Unit(); }, [](Random& r) { return r.Between(0, 60); }));
    jobs.push_back(BinaryJob(
        "pow", maths::Pow, mpfr_pow, "2^-100 to 2^100 to the -7 to 7", scale,
        [](Random& r) { return std::fabs(r.Spread(-100, 100)); },
        [](Random& r) { return r.Between(-7, 7); }));
    jobs.push_back(BinaryJob(
        "atan2", maths::Atan2, mpfr_atan2, "2^-30 to 2^30", 2 * scale,
        [](Random& r) { return r.Spread(-30, 30); }, [](Random& r) { return r.Spread(-30, 30); }));
    jobs.push_back(BinaryJob(
        "atan2", maths::Atan2, mpfr_atan2, "2^-1074 to 2^1024", scale / 2,
        [](Random& r) { return r.Spread(-1074, 1024); },
        [](Random& r) { return r.Spread(-1074, 1024); }));
    return jobs;
}

Tally Run(const Job& job, std::uint64_t seed) {
    Mpfr mpfr;
    Random random(seed);
    Tally tally;
    for (long i = 0; i < job.count; ++i) {
        const double x = job.x(random, mpfr);
        const double y = job.y(random);
        Check(tally, job.function, x, y, job.ours(x, y), job.correct(mpfr, x, y));
    }
    return tally;
}

bool Report(const Job& job, const Tally& tally) {
    std::printf("%-6s %-38s %7ld arguments, %4ld not correctly rounded, %ld beyond one unit\n",
                job.function, job.range, tally.count, tally.notCorrectlyRounded,
                tally.beyondOneUnit);
    return tally.beyondOneUnit == 0;
}

// The special values, as C's functions of the same names give them (a NaN for any NaN).
bool SpecialValuesHold() {
    const double tiny = 0x1p-1074;
    const double huge = 0x1.fffffffffffffp1023;
    const double halfPi = 0x1.921fb54442d18p+0;
    const double pi = 0x1.921fb54442d18p+1;
    struct Case {
        const char* what;
        double result;
        double expected;
    } cases[] = {
        {"sin(-0)", maths::Sin(-0.0), -0.0},
        {"sin(tiny)", maths::Sin(tiny), tiny},
        {"sin(inf)", maths::Sin(kInfinity), kNan},
        {"sin(nan)", maths::Sin(kNan), kNan},
        {"cos(0)", maths::Cos(0.0), 1.0},
        {"cos(-inf)", maths::Cos(-kInfinity), kNan},
        {"tan(-0)", maths::Tan(-0.0), -0.0},
        {"tan(inf)", maths::Tan(kInfinity), kNan},
        {"atan(-0)", maths::Atan(-0.0), -0.0},
        {"atan(inf)", maths::Atan(kInfinity), halfPi},
        {"atan(-huge)", maths::Atan(-huge), -halfPi},
        {"atan2(0, -0)", maths::Atan2(0.0, -0.0), pi},
        {"atan2(-0, 0)", maths::Atan2(-0.0, 0.0), -0.0},
        {"atan2(1, -inf)", maths::Atan2(1.0, -kInfinity), pi},
        {"atan2(-inf, inf)", maths::Atan2(-kInfinity, kInfinity), -0x1.921fb54442d18p-1},
        {"atan2(inf, -inf)", maths::Atan2(kInfinity, -kInfinity), 0x1.2d97c7f3321d2p+1},
        {"atan2(-1, 0)", maths::Atan2(-1.0, 0.0), -halfPi},
        {"atan2(huge, tiny)", maths::Atan2(huge, tiny), halfPi},
        {"acos(1)", maths::Acos(1.0), 0.0},
        {"acos(-1)", maths::Acos(-1.0), pi},
        {"acos(-2)", maths::Acos(-2.0), kNan},
        {"exp(-inf)", maths::Exp(-kInfinity), 0.0},
        {"exp(inf)", maths::Exp(kInfinity), kInfinity},
        {"exp(710)", maths::Exp(710.0), kInfinity},
        {"exp(-746)", maths::Exp(-746.0), 0.0},
        {"exp(0)", maths::Exp(0.0), 1.0},
        {"log(1)", maths::Log(1.0), 0.0},
        {"log(0)", maths::Log(0.0), -kInfinity},
        {"log(-0)", maths::Log(-0.0), -kInfinity},
        {"log(-1)", maths::Log(-1.0), kNan},
        {"log(inf)", maths::Log(kInfinity), kInfinity},
        {"pow(nan, 0)", maths::Pow(kNan, 0.0), 1.0},
        {"pow(1, nan)", maths::Pow(1.0, kNan), 1.0},
        {"pow(-1, inf)", maths::Pow(-1.0, kInfinity), 1.0},
        {"pow(0.5, inf)", maths::Pow(0.5, kInfinity), 0.0},
        {"pow(0.5, -inf)", maths::Pow(0.5, -kInfinity), kInfinity},
        {"pow(-0, -3)", maths::Pow(-0.0, -3.0), -kInfinity},
        {"pow(-0, -2)", maths::Pow(-0.0, -2.0), kInfinity},
        {"pow(-0, 3)", maths::Pow(-0.0, 3.0), -0.0},
        {"pow(-0, 0.5)", maths::Pow(-0.0, 0.5), 0.0},
        {"pow(-inf, -3)", maths::Pow(-kInfinity, -3.0), -0.0},
        {"pow(-inf, 3)", maths::Pow(-kInfinity, 3.0), -kInfinity},
        {"pow(-inf, 2)", maths::Pow(-kInfinity, 2.0), kInfinity},
        {"pow(-2, 3)", maths::Pow(-2.0, 3.0), -8.0},
        {"pow(-2, 0.5)", maths::Pow(-2.0, 0.5), kNan},
        {"pow(-1, 2^80)", maths::Pow(-1.0, 0x1p80), 1.0},
        {"pow(2, -1074)", maths::Pow(2.0, -1074.0), tiny},
        {"pow(2, 1024)", maths::Pow(2.0, 1024.0), kInfinity},
        {"pow(0.75, 2^70)", maths::Pow(0.75, 0x1p70), 0.0},
        {"sqrt(-0)", maths::Sqrt(-0.0), -0.0},
        {"sqrt(-1)", maths::Sqrt(-1.0), kNan},
        {"sqrt(inf)", maths::Sqrt(kInfinity), kInfinity},
    };
    bool hold = true;
    for (const Case& c : cases) {
        const bool same = std::isnan(c.expected) ? std::isnan(c.result)
                                                 : Ordinal(c.result) == Ordinal(c.expected);
        if (!same) {
            std::printf("  %s = %a, expected %a\n", c.what, c.result, c.expected);
            hold = false;
        }
    }
    std::printf("special values: %s\n", hold ? "all as expected" : "some differ");
    return hold;
}

} // namespace

int main() {
    const std::vector<Job> jobs = AllJobs(40000);
    // MPFR takes microseconds a result: the jobs share the machine's two cores.
    std::vector<Tally> tallies(jobs.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i; (i = next++) < jobs.size();) {
            tallies[i] = Run(jobs[i], 0x1000 + i);
        }
    };
    std::thread helper(work);
    work();
    helper.join();
    bool hold = true;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        hold = Report(jobs[i], tallies[i]) && hold;
    }
    hold = SpecialValuesHold() && hold;
    return hold ? 0 : 1;
}
