// Molar volume of liquid water at atmospheric pressure, ordinary and
// supercooled.
#include <gtest/gtest.h>

#include "Hare.h"
#include "Numdef.h"

namespace {

TEST(Hare, VolumesOfSupercooledWater) {
    struct Case { double T, V; };
    const Case cases[] = {{273.15, 18.0178}, {243.15, 18.3104}};
    for (const Case& c : cases) EXPECT_NEAR(Volume_Hare(c.T), c.V, 0.5e-4) << "T = " << c.T;
    // At 0 degrees C only the constant of the polynomial is left: 0.99986 g/cm3.
    EXPECT_DOUBLE_EQ(Volume_Hare(273.15), H2O.Mole_Weight / 0.99986);
    // Water expands on supercooling.
    EXPECT_GT(Volume_Hare(253.15), Volume_Hare(263.15));
}

TEST(Hare, NoVolumeWhereTheDensityPolynomialIsNotPositive) {
    // At 100 degrees C the polynomial, fitted to supercooled water, is negative.
    EXPECT_EQ(Volume_Hare(373.15), 0.0);
    EXPECT_EQ(Volume_Hare(100.0), 0.0);
}

}  // namespace
