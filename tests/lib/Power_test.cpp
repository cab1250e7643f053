// Integer powers must equal std::pow bit for bit: the water and clathrate
// models take them in place of pow, and their searches follow every last bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <random>
#include <vector>

#include "Power.h"

namespace {

bool Same_Bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Powers 0..16 of random bases of either sign over 34 decades (half of them
// within the wider margin's 2^-8..2^8), by the scalar and the vector code, and
// their reciprocals; bases at the ends of the range and special ones, which
// pass through pow.
TEST(Power, EqualsPowBitForBit)
{
    std::mt19937_64 generator(20261208);
    std::uniform_real_distribution<double> decade(-17.0, 17.0);
    std::uniform_real_distribution<double> near_one(-2.4, 2.4);
    std::vector<double> bases = {0.0, -0.0, 1e-300, 1e300, HUGE_VAL, 2.0, 0.5, 1.0};
    for (int i = 0; i < 200000; ++i) {
        const double x = std::pow(10.0, i % 2 ? decade(generator) : near_one(generator));
        bases.push_back(i % 4 < 2 ? x : -x);
    }
    long differ = 0;
    for (std::size_t i = 0; i < bases.size(); ++i) {
        double p[17];
        Powers_Of(bases[i], p, 17);
        for (int k = 0; k < 17; ++k)
            if (!Same_Bits(p[k], std::pow(bases[i], k))) ++differ;
    }
#ifdef POWER_HAVE_FOUR
    if (Have_Powers_Of_Four()) {
        const int n[6] = {16, 1, 11, 4, 5, 2};
        for (std::size_t i = 0; i + 4 <= bases.size(); i += 4) {
            double q[17 * 4];
            Powers_Of_Four<17>(&bases[i], q, 4);
            for (int k = 0; k < 17; ++k)
                for (int l = 0; l < 4; ++l)
                    if (!Same_Bits(q[k * 4 + l], std::pow(bases[i + l], k))) ++differ;
            // Only the wanted powers (0..6 and 8) are checked against pow.
            Powers_Of_Four<9, 0x17f>(&bases[i], q, 4);
            for (int k : {0, 1, 2, 3, 4, 5, 6, 8})
                for (int l = 0; l < 4; ++l)
                    if (!Same_Bits(q[k * 4 + l], std::pow(bases[i + l], k))) ++differ;
            Inverse_Powers_Of_Four(&bases[i], n, 6, q);
            for (int j = 0; j < 6; ++j)
                for (int l = 0; l < 4; ++l)
                    if (!Same_Bits(q[j * 4 + l], std::pow(bases[i + l], -n[j]))) ++differ;
        }
    }
#endif
    EXPECT_EQ(differ, 0);
}

}  // namespace
