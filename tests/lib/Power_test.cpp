// Integer powers must equal std::pow bit for bit: the water and clathrate
// models take them in place of pow, and their searches follow every last bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "Power.h"

namespace {

bool Same_Bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(Power, EqualsPowBitForBit)
{
    std::mt19937_64 generator(20261208);
    std::uniform_real_distribution<double> decade(-17.0, 17.0);
    std::uniform_real_distribution<double> near_one(-2.4, 2.4);  // the wider margin
    long differ = 0;
    for (int i = 0; i < 2000000; ++i) {
        double x = std::pow(10.0, i % 4 < 2 ? decade(generator) : near_one(generator));
        if (i % 2) x = -x;
        const int n = static_cast<int>(generator() % 37) - 18;  // also beyond +-16
        if (!Same_Bits(Power(x, n), std::pow(x, n))) ++differ;
        if (i % 100 == 0) {
            double p[17];
            Powers_Of(x, p, 17);
            for (int k = 0; k < 17; ++k)
                if (!Same_Bits(p[k], std::pow(x, k))) ++differ;
#ifdef POWER_HAVE_FOUR
            if (Have_Powers_Of_Four()) {
                const double four[4] = {x, -x * 0.75, 1.0 / x, 0.5};
                double q[17 * 4];
                Powers_Of_Four<17>(four, q, 4);
                for (int k = 0; k < 17; ++k)
                    for (int l = 0; l < 4; ++l)
                        if (!Same_Bits(q[k * 4 + l], std::pow(four[l], k))) ++differ;
                const int n[5] = {16, 1, 11, 4, 5};
                Inverse_Powers_Of_Four(four, n, 5, q);
                for (int j = 0; j < 5; ++j)
                    for (int l = 0; l < 4; ++l)
                        if (!Same_Bits(q[j * 4 + l], std::pow(four[l], -n[j]))) ++differ;
            }
#endif
        }
    }
    EXPECT_EQ(differ, 0);
    // Results at the ends of the range and special bases pass through pow.
    for (double x : {0.0, -0.0, 1e-300, 1e300, HUGE_VAL, 2.0, 0.5, 1.0})
        for (int n : {-11, -2, 2, 3, 12})
            EXPECT_TRUE(Same_Bits(Power(x, n), std::pow(x, n))) << x << "^" << n;
}

}  // namespace
