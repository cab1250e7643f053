// Tests of the cubic root formulas, the real-root choice and the damped secant solver.
#include "Equation.h"

#include "Duan92.h"
#include "Lee.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Roots {
    double re1, re2, re3, im1, im2, im3;
};

Roots Solve(double p, double q, double r) {
    Roots z;
    Cubic_eq(p, q, r, &z.re1, &z.re2, &z.re3, &z.im1, &z.im2, &z.im3);
    return z;
}

double Choose(int what, const Roots& z) {
    return RealChoice3(what, z.re1, z.re2, z.re3, z.im1, z.im2, z.im3);
}

const double kUlp1 = DBL_EPSILON;  // spacing of doubles in [1, 2)

// ---------------------------------------------------------------- Cubic_eq

// Three real roots (trigonometric form): re3 >= re1 >= re2, to the last digit
// of the closed form as written, and close to the roots the cubic was built from.
TEST(CubicEq, ThreeRealRoots) {
    struct Case {
        double p, q, r;
        double re1, re2, re3;              // as computed
        double middle, small, large, tol;  // exact roots
    };
    const Case cases[] = {
        // x^3 - 7x^2 + 14x - 8 = (x - 1)(x - 2)(x - 4)
        {-7.0, 14.0, -8.0, 1.999999999999999, 1.0000000000000002, 3.9999999999999996,
         2.0, 1.0, 4.0, 4e-15},
        {-7.0, 4.0, 12.0, 1.999999999999999, -1.0, 5.999999999999999, 2.0, -1.0, 6.0, 4e-15},
        {-8.1, 18.509999999999998, -11.891, 2.2999999999999985, 1.100000000000001,
         4.700000000000001, 2.3, 1.1, 4.7, 4e-15},
        {-130.5, 3065.0, -1500.0, 29.999999999999986, 0.5, 100.0, 30.0, 0.5, 100.0, 2e-14},
        // liquid-like, middle and vapour-like molar volumes
        {-2115.3, 233419.52000000002, -5639040.0, 80.09999999999843, 35.200000000001296, 2000.0,
         80.1, 35.2, 2000.0, 2e-12},
        {-0.007, 1.4e-05, -8e-09, 0.0019999999999999987, 0.001, 0.004000000000000001, 0.002,
         0.001, 0.004, 2e-18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.large);
        Roots z = Solve(c.p, c.q, c.r);
        EXPECT_EQ(z.re1, c.re1);
        EXPECT_EQ(z.re2, c.re2);
        EXPECT_EQ(z.re3, c.re3);
        EXPECT_NEAR(z.re1, c.middle, c.tol);
        EXPECT_NEAR(z.re2, c.small, c.tol);
        EXPECT_NEAR(z.re3, c.large, c.tol);
        EXPECT_EQ(z.im1, 0.0);
        EXPECT_EQ(z.im2, 0.0);
        EXPECT_EQ(z.im3, 0.0);
        EXPECT_EQ(Choose(0, z), z.re2);
        EXPECT_EQ(Choose(2, z), z.re3);
    }
}

// One real root (hyperbolic forms): it comes first; the sign of the imaginary
// part of the third root differs between the branches.
TEST(CubicEq, OneRealRootComesFirst) {
    struct Case {
        const char* branch;
        double p, q, r;
        double re1, pairRe, im3;  // as computed
        double real;              // exact
    };
    const Case cases[] = {
        // (x - 2)(x^2 + 4)
        {"sinh, s < 0", -2.0, 4.0, -8.0, 2.0, -1.1102230246251565e-16, 1.9999999999999996, 2.0},
        // (x + 2)(x^2 - 2x + 7)
        {"sinh, s > 0", 0.0, 3.0, 14.0, -1.9999999999999998, 0.9999999999999999,
         2.449489742783178, -2.0},
        // (x - 3)(x^2 + 3x + 6)
        {"cosh, s > 1", 0.0, -3.0, -18.0, 3.0, -1.5, 1.9364916731037085, 3.0},
        // (x + 3)(x^2 - 3x + 6)
        {"cosh, s < -1", 0.0, -3.0, 18.0, -3.0, 1.5, -1.9364916731037085, -3.0},
        // (x - 100)((x - 3)^2 + 1600)
        {"cosh, shifted", -106.0, 2209.0, -160900.0, 100.0, 2.999999999999993, 39.99999999999999,
         100.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.branch);
        Roots z = Solve(c.p, c.q, c.r);
        EXPECT_EQ(z.re1, c.re1);
        EXPECT_NEAR(z.re1, c.real, 4e-15 * std::fabs(c.real));
        EXPECT_EQ(z.im1, 0.0);
        EXPECT_EQ(z.re2, c.pairRe);
        EXPECT_EQ(z.re3, c.pairRe);
        EXPECT_EQ(z.im3, c.im3);
        EXPECT_EQ(z.im2, -c.im3);
        EXPECT_EQ(Choose(0, z), z.re1);
        EXPECT_EQ(Choose(2, z), z.re1);
    }
}

// s = +1 and s = -1 exactly: a double root, set without the arc tangent of s/0.
TEST(CubicEq, DoubleRootAtDiscriminantBoundary) {
    // Sanity check of the floating-point flag used below.
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile double zero = 0.0;
    volatile double inf = 1.0 / zero;
    (void)inf;
    ASSERT_TRUE(std::fetestexcept(FE_DIVBYZERO));

    struct Case {
        double p, q, r;  // reduced cubic a = -3, b = -+2 exactly, shift +1
        double large, middle, small;
    };
    const Case cases[] = {
        {-3.0, 0.0, 0.0, 3.0, 0.0, 0.0},   // x^2 (x - 3): s = +1
        {-3.0, 0.0, 4.0, 2.0, 2.0, -1.0},  // (x - 2)^2 (x + 1): s = -1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.r);
        std::feclearexcept(FE_ALL_EXCEPT);
        Roots z = Solve(c.p, c.q, c.r);
        EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO));
        EXPECT_NEAR(z.re3, c.large, 4e-15);
        EXPECT_NEAR(z.re1, c.middle, 4e-15);
        EXPECT_NEAR(z.re2, c.small, 4e-15);
        EXPECT_EQ(z.im1, 0.0);
        EXPECT_EQ(z.im2, 0.0);
        EXPECT_EQ(z.im3, 0.0);
    }
    // Unshifted, to the last digit: theta = 0 puts the simple root at m cos 0 = 2;
    // theta = pi at m cos pi = -2 and the double root at m cos(pi/3).
    Roots z = Solve(0.0, -3.0, -2.0);
    EXPECT_EQ(z.re3, 2.0);
    EXPECT_EQ(z.re2, -0.9999999999999996);
    EXPECT_EQ(z.re1, -1.0000000000000009);
    z = Solve(0.0, -3.0, 2.0);
    EXPECT_EQ(z.re3, 1.0000000000000002);
    EXPECT_EQ(z.re2, -2.0);
    EXPECT_EQ(z.re1, 1.0000000000000002);
}

// Reduced cubics with a*b == 0 get their exact roots.
TEST(CubicEq, DegenerateReducedCubic) {
    const double r3 = std::sqrt(3.0);
    struct Case {
        const char* what;
        double p, q, r;
        Roots expect;
    };
    const Case cases[] = {
        // b = 0, a < 0: (x - 1)(x - 2)(x - 3), t = 0, +-1 around 2
        {"b = 0, three real", -6.0, 11.0, -6.0, {2.0, 1.0, 3.0, 0.0, 0.0, 0.0}},
        // b = 0, a > 0: x (x^2 + 4)
        {"b = 0, one real", 0.0, 4.0, 0.0, {0.0, 0.0, 0.0, 0.0, -2.0, 2.0}},
        // a = 0: (x - 1)^3 = 8
        {"a = 0, b < 0", -3.0, 3.0, -9.0, {3.0, 0.0, 0.0, 0.0, -r3, r3}},
        // a = 0: x^3 = -8
        {"a = 0, b > 0", 0.0, 0.0, 8.0, {-2.0, 1.0, 1.0, 0.0, -r3, r3}},
        // a = b = 0: (x - 2)^3
        {"triple root", -6.0, 12.0, -8.0, {2.0, 2.0, 2.0, 0.0, 0.0, 0.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Roots z = Solve(c.p, c.q, c.r);
        EXPECT_EQ(z.re1, c.expect.re1);
        EXPECT_EQ(z.re2, c.expect.re2);
        EXPECT_EQ(z.re3, c.expect.re3);
        EXPECT_EQ(z.im1, c.expect.im1);
        EXPECT_DOUBLE_EQ(z.im2, c.expect.im2);
        EXPECT_DOUBLE_EQ(z.im3, c.expect.im3);
    }
    Roots z = Solve(-6.0, 11.0, -6.0);
    EXPECT_EQ(Choose(0, z), 1.0);
    EXPECT_EQ(Choose(2, z), 3.0);
    z = Solve(-6.0, 12.0, -8.0);
    EXPECT_EQ(Choose(0, z), 2.0);
    EXPECT_EQ(Choose(2, z), 2.0);
}

// a*b can underflow to 0 with both non-zero: the dominant term decides.
TEST(CubicEq, UnderflowedProductStillGivesRoots) {
    // t^3 + 1e-200 t + 1e-200: the constant dominates, root near -cbrt(1e-200)
    Roots z = Solve(0.0, 1e-200, 1e-200);
    double root = -std::cbrt(1e-200);
    EXPECT_NEAR(z.re1, root, 1e-15 * std::fabs(root));
    EXPECT_EQ(z.im1, 0.0);
    EXPECT_NE(z.im3, 0.0);
    // t^3 - 1e-100 t + 1e-300: the linear term dominates, roots near 0, +-1e-50
    z = Solve(0.0, -1e-100, 1e-300);
    EXPECT_NEAR(z.re3, 1e-50, 1e-64);
    EXPECT_NEAR(z.re2, -1e-50, 1e-64);
    EXPECT_EQ(z.im1, 0.0);
    EXPECT_EQ(z.im2, 0.0);
    EXPECT_EQ(z.im3, 0.0);
}

// ------------------------------------------------------------- RealChoice3

TEST(RealChoice3, SelectionTable) {
    const double nz = -0.0;
    struct Case {
        int what;
        double re0, re1, re2, im0, im1, im2;
        double expect;
    };
    const Case cases[] = {
        {0, 2.0, 1.0, 4.0, 0, 0, 0, 1.0},
        {2, 2.0, 1.0, 4.0, 0, 0, 0, 4.0},
        {0, 4.0, 2.0, 1.0, 0, 0, 0, 1.0},
        {2, 1.0, 2.0, 4.0, 0, 0, 0, 4.0},
        // real root first, complex pair behind it (with larger or smaller real part)
        {0, 5.0, 1.0, 1.0, 0, -2, 2, 5.0},
        {2, 5.0, 9.0, 9.0, 0, -2, 2, 5.0},
        // a complex root in first place is passed over
        {0, 5.0, 1.0, 3.0, 1, 0, 0, 1.0},
        {2, 5.0, 1.0, 3.0, 1, 0, 0, 3.0},
        {0, 0.5, 1.0, 3.0, 1, 0, 0, 1.0},
        // guards that fall back to the earlier root of a pair
        {0, 1.0, 1.0, 1.0, 0, 1, 1, 1.0},
        {0, 1.0, 1.0, 2.0, 1, 1, 0, 2.0},
        // nothing real: 0.0
        {0, 1.0, 1.0, 1.0, 1, 1, 1, 0.0},
        {2, 1.0, 2.0, 3.0, 1, -1, 1, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << ": " << c.re0 << " " << c.re1 << " "
                                        << c.re2 << " / " << c.im0 << " " << c.im1 << " "
                                        << c.im2);
        EXPECT_EQ(RealChoice3(c.what, c.re0, c.re1, c.re2, c.im0, c.im1, c.im2), c.expect);
    }

    // Ties go to the later root of each pair: observable through the sign of zero.
    EXPECT_TRUE(std::signbit(RealChoice3(0, 0.0, nz, 5.0, 0, 0, 0)));
    EXPECT_TRUE(std::signbit(RealChoice3(2, -1.0, 0.0, nz, 0, 0, 0)));
    EXPECT_FALSE(std::signbit(RealChoice3(0, nz, 1.0, 0.0, 0, 0, 0)));
    EXPECT_FALSE(std::signbit(RealChoice3(2, nz, 0.0, -1.0, 0, 0, 0)));
}

TEST(RealChoice3, UndefinedSelectorGivesNoRoot) {
    EXPECT_EQ(RealChoice3(1, 2.0, 1.0, 4.0, 0, 0, 0), 0.0);
    EXPECT_EQ(RealChoice3(-1, 2.0, 1.0, 4.0, 0, 0, 0), 0.0);
    EXPECT_EQ(RealChoiceAbove(1, 0.0, 2.0, 1.0, 4.0, 0, 0, 0), 0.0);
}

// ---------------------------------------------------------- RealChoiceAbove

TEST(RealChoiceAbove, RootAtOrBelowCovolumeIsReplaced) {
    // Cubic_eq order for roots -1, 2, 6: middle, smallest, largest.
    const double re1 = 2.0, re2 = -1.0, re3 = 6.0;
    struct Case {
        int what;
        double bmin, expect;
    };
    const Case real3[] = {
        {0, -2.0, -1.0}, {0, -1.0, 2.0}, {0, 0.5, 2.0}, {0, 2.0, 6.0}, {0, 5.9, 6.0},
        {0, 6.0, 0.0},   {2, 0.5, 6.0},  {2, 5.9, 6.0}, {2, 6.0, 0.0}, {2, 7.0, 0.0},
    };
    for (const Case& c : real3) {
        SCOPED_TRACE(testing::Message() << c.what << " above " << c.bmin);
        EXPECT_EQ(RealChoiceAbove(c.what, c.bmin, re1, re2, re3, 0, 0, 0), c.expect);
    }
    // One real root 3 with a complex pair of larger real part: the pair is never taken.
    EXPECT_EQ(RealChoiceAbove(0, 1.0, 3.0, 4.0, 4.0, 0, -2, 2), 3.0);
    EXPECT_EQ(RealChoiceAbove(0, 3.0, 3.0, 4.0, 4.0, 0, -2, 2), 0.0);
    EXPECT_EQ(RealChoiceAbove(2, 3.5, 3.0, 4.0, 4.0, 0, -2, 2), 0.0);
}

TEST(RealChoiceAbove, KeepsEveryChoiceAlreadyAboveCovolume) {
    const double coefficients[][3] = {
        {-7.0, 14.0, -8.0}, {-130.5, 3065.0, -1500.0}, {-2115.3, 233419.52, -5639040.0},
        {-2.0, 4.0, -8.0},  {0.0, -3.0, 18.0},         {-6.0, 3.0, 10.0},
    };
    for (const auto& k : coefficients) {
        Roots z = Solve(k[0], k[1], k[2]);
        for (int what : {0, 2}) {
            double chosen = Choose(what, z);
            for (double below : {chosen - 1.0, chosen * 0.5, chosen - 1e-9, -1e30}) {
                if (!(below < chosen)) continue;
                EXPECT_EQ(RealChoiceAbove(what, below, z.re1, z.re2, z.re3, z.im1, z.im2,
                                          z.im3),
                          chosen);
            }
        }
    }
}

// ------------------------------------------------------------- RootSectant

// Every evaluation is recorded; the context arrays must arrive unchanged.
std::vector<double> evals;
double context1[2] = {0.0, 0.0};
double context2[2] = {0.0, 0.0};
bool contextChanged = false;

void Record(double x, double* a1, double* a2) {
    evals.push_back(x);
    if (a1 != context1 || a2 != context2) contextChanged = true;
}

double Sectant(SectantFunction f, double x1, double x2, double accuracy, int maxit,
               double c1 = 0.0, double c2 = 0.0) {
    evals.clear();
    contextChanged = false;
    return RootSectant(f, x1, x2, context1, context2, c1, c2, accuracy, maxit);
}

// c1 x - c2
double Linear(double x, double* a1, double* a2, double c1, double c2) {
    Record(x, a1, a2);
    return c1 * x - c2;
}
double ParabolaAround3(double x, double* a1, double* a2, double, double) {
    Record(x, a1, a2);
    return (x - 3.0) * (x - 3.0) - 1.0;
}
double RootsAt1And2(double x, double* a1, double* a2, double, double) {
    Record(x, a1, a2);
    return (x - 1.0) * (x - 2.0);
}
double NoRealRoot(double x, double* a1, double* a2, double, double) {
    Record(x, a1, a2);
    return x * x + 1.0;
}
double NotANumber(double x, double* a1, double* a2, double, double) {
    Record(x, a1, a2);
    return std::numeric_limits<double>::quiet_NaN();
}
double Infinite(double x, double* a1, double* a2, double, double) {
    Record(x, a1, a2);
    return std::numeric_limits<double>::infinity();
}
// x - 10 up to 2, no value above: the first secant step lands at 10.
double NaNAbove2(double x, double* a1, double* a2, double, double) {
    Record(x, a1, a2);
    return x <= 2.0 ? x - 10.0 : std::numeric_limits<double>::quiet_NaN();
}
double Constant(double x, double* a1, double* a2, double, double) {
    Record(x, a1, a2);
    return 1.0;
}
// Nearly flat between 1 and 1e290: the secant step exceeds 1e300.
double NearlyFlat(double x, double* a1, double* a2, double, double) {
    Record(x, a1, a2);
    return x < 10.0 ? 1.0 + DBL_EPSILON : 1.0;
}
// Root far below the smallest double: halving from the smallest subnormal lands on 0.
double LogRoot(double x, double* a1, double* a2, double, double) {
    Record(x, a1, a2);
    return std::log(x) + 1000.0;
}

TEST(RootSectant, DampingFollowsIterationLimit) {
    // Linear residual x - 10 from 1 and 2: the full secant step reaches 10, the
    // damped ones go half or a quarter of the way.
    struct Case {
        int maxit;
        double firstIterate;
    };
    const Case cases[] = {{1000, 10.0}, {1001, 6.0}, {2000, 6.0}, {2001, 4.0}, {5000, 4.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maxit);
        double root = Sectant(Linear, 1.0, 2.0, 1e-12, c.maxit, 1.0, 10.0);
        ASSERT_GE(evals.size(), 3u);
        EXPECT_EQ(evals[0], 1.0);
        EXPECT_EQ(evals[1], 2.0);
        EXPECT_EQ(evals[2], c.firstIterate);
        EXPECT_NEAR(root, 10.0, 1e-10);
        EXPECT_FALSE(contextChanged);
    }
}

TEST(RootSectant, StartsFromTheSmallerResidual) {
    // From 9 (residual -1) and 1 (residual -9) the current point is 9: the
    // quarter step goes to 9 + 0.25 * 1.
    Sectant(Linear, 9.0, 1.0, 1e-12, 3000, 1.0, 10.0);
    ASSERT_GE(evals.size(), 3u);
    EXPECT_EQ(evals[2], 9.25);
    // Context doubles are passed through: 2x - 5 has its root at 2.5.
    EXPECT_NEAR(Sectant(Linear, 1.0, 2.0, 1e-12, 1000, 2.0, 5.0), 2.5, 1e-12);
}

TEST(RootSectant, ExactZeroResidualReturnsAtOnce) {
    // The first full secant step lands on the root 10; the relative step 0.8
    // is far above the accuracy, yet the point is returned.
    EXPECT_EQ(Sectant(Linear, 1.0, 2.0, 1e-12, 1000, 1.0, 10.0), 10.0);
    EXPECT_EQ(evals.size(), 3u);
    // Both start values are roots: the current one is returned.
    EXPECT_EQ(Sectant(RootsAt1And2, 1.0, 2.0, 1e-12, 1000), 2.0);
    EXPECT_EQ(evals.size(), 3u);
    // One start value is a root.
    EXPECT_EQ(Sectant(RootsAt1And2, 3.0, 1.0, 1e-12, 3000), 1.0);
}

TEST(RootSectant, FlatSecantTakesHalfIntervalStep) {
    // (x - 3)^2 - 1 is 3 at both 1 and 5: the step is half the interval, to 7.
    double root = Sectant(ParabolaAround3, 1.0, 5.0, 1e-12, 1000);
    ASSERT_GE(evals.size(), 3u);
    EXPECT_EQ(evals[2], 7.0);
    for (double x : evals) EXPECT_TRUE(std::isfinite(x));
    EXPECT_NEAR(root, 4.0, 1e-11);
}

TEST(RootSectant, NeverEvaluatesAtNonPositivePoint) {
    // x + 1 has its root at -1: every secant step crosses zero and is replaced
    // by half the previous point, until the iterations run out.
    EXPECT_EQ(Sectant(Linear, 1.0, 2.0, 1e-12, 1000, 1.0, -1.0), 0.0);
    ASSERT_EQ(evals.size(), 1002u);
    EXPECT_EQ(evals[2], 0.5);
    for (double x : evals) EXPECT_GT(x, 0.0);
    // Residual x: the first full step lands exactly on 0 and is halved back.
    Sectant(Linear, 1.0, 2.0, 1e-12, 1000, 1.0, 0.0);
    ASSERT_GE(evals.size(), 3u);
    EXPECT_EQ(evals[2], 0.5);
    for (double x : evals) EXPECT_GT(x, 0.0);
}

TEST(RootSectant, FailuresReturnZero) {
    struct Case {
        const char* why;
        SectantFunction f;
        double x1, x2;
        int maxit;
        size_t evaluations;
    };
    const double tiny = std::numeric_limits<double>::denorm_min();
    const Case cases[] = {
        {"no root", NoRealRoot, 1.0, 2.0, 50, 52},
        // A residual that is not finite ends the iteration at the first step.
        {"NaN residual", NotANumber, 1.0, 2.0, 3000, 3},
        {"infinite residual", Infinite, 1.0, 2.0, 3000, 3},
        {"NaN beyond the domain", NaNAbove2, 1.0, 1.5, 3000, 3},
        {"step above 1e300", NearlyFlat, 1.0, 1e290, 1000, 3},
        {"iterate on 0", LogRoot, tiny, 2.0 * tiny, 1000, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(Sectant(c.f, c.x1, c.x2, 1e-12, c.maxit), 0.0);
        EXPECT_EQ(evals.size(), c.evaluations);
        EXPECT_FALSE(contextChanged);
    }
}

// Roots between neighbouring doubles, asked for with a relative accuracy of
// 1e-16, below the spacing of doubles near 1 (2.2e-16).
const double kA = 1.0 + 2.0 * kUlp1;  // even last bit

// Linear residual with its root half-way between kA and kA + ulp.
double HalfUlpRoot(double x, double* a1, double* a2, double, double) {
    Record(x, a1, a2);
    return (x - kA) - 0.5 * kUlp1;
}
// The same with rounding-like noise of +-c ulp alternating with the last bit.
double NoisyResidual(double x, double* a1, double* a2, double c, double) {
    Record(x, a1, a2);
    int e;
    double m = std::frexp(x, &e);
    bool odd = static_cast<long long>(std::ldexp(m, 53)) & 1;
    return (x - kA) - 0.5 * kUlp1 + (odd ? c * kUlp1 : -c * kUlp1);
}

TEST(RootSectant, SettlesOnRootBetweenNeighbouringDoubles) {
    // The smallest secant step on this residual is half an ulp, relative
    // 1.1e-16 > 1e-16: the relative-step test can never be met and no double
    // has residual 0.
    ASSERT_GT(0.5 * kUlp1 / (kA + kUlp1), 1e-16);

    // Full steps: the iteration hops between kA and kA + ulp; once the hopping
    // repeats itself it can never meet the test, and the neighbour with the
    // smaller residual is returned without running out all 1000 iterations.
    double root = Sectant(HalfUlpRoot, 0.9, 1.1, 1e-16, 1000);
    EXPECT_LT(evals.size(), 40u);
    for (size_t n = evals.size() - 4; n < evals.size(); ++n)
        EXPECT_TRUE(evals[n] == kA || evals[n] == kA + kUlp1) << evals[n];
    EXPECT_EQ(root, kA);

    // Quarter steps on a noisy residual cycling over a few ulps.
    root = Sectant(NoisyResidual, 0.9, 1.1, 1e-16, 3000, 2.0);
    EXPECT_LT(evals.size(), 400u);
    EXPECT_EQ(root, 1.0 + 15.0 * kUlp1);
    EXPECT_LT(std::fabs(root - (kA + 0.5 * kUlp1)), 16.0 * kUlp1);
}

TEST(RootSectant, ConvergedResultsUnchangedBelowDoubleResolution) {
    // Here the relative-step test is met after 115 iterations; returning at the
    // first step below 4 DBL_EPSILON would give 1 + 10 ulp five iterations earlier.
    EXPECT_EQ(Sectant(NoisyResidual, 0.9, 1.1, 1e-16, 3000, 0.25), 1.0 + 4.0 * kUlp1);
    EXPECT_EQ(evals.size(), 117u);
    // The noise-free residual with quarter steps converges by the same test.
    EXPECT_EQ(Sectant(NoisyResidual, 0.9, 1.1, 1e-16, 3000, 0.0), 1.0 + 4.0 * kUlp1);
    EXPECT_EQ(evals.size(), 118u);
}

TEST(RootSectant, FlatStepsNeverCountAsSettled) {
    // A constant residual only ever takes flat steps; with no accuracy to meet
    // it runs out of iterations instead of settling on a point.
    EXPECT_EQ(Sectant(Constant, 1.0, 2.0, 0.0, 1000), 0.0);
    EXPECT_EQ(evals.size(), 1002u);
}

}  // namespace

// The volume searches of Lee & Kesler and Duan et al. (1992) keep every root
// where dP/dV < 0 to the bit (values from before the stable-root choice), and
// replace the middle root of a loop, where no phase exists, by the stable
// root on the side of the start value: at 250 K and 2 MPa the liquid of
// CO2-CH4 90/10, which both searches used to place on the middle root (96.9
// and 100.6 cm3/mol).
TEST(StableRoot, LeeKeslerAndDuan92Volumes)
{
    double mix[10] = {0, 0.9, 0.1}, rich[10] = {0, 0.7, 0.3}, co2[10] = {0, 1, 0};
    const struct {
        double* x;
        double T, P, first, lee, duan;
    } kept[] = {
        {mix, 250, 1, 30, 0x1.6a399d96827ebp+5, 0x1.13a7864802177p+6},
        {mix, 300, 5, 1000, 0x1.6c37ec8df6bd3p+8, 0x1.71e4a7037eb93p+8},
        {rich, 280, 1, 1000, 0x1.157bfa3ee8657p+11, 0x1.1749008ce1cd6p+11},
        {rich, 300, 20, 1000, 0x1.f0410bbc79a46p+5, 0x1.d841de505a798p+5},
        {co2, 300, 5, 30, 0x1.53cc3848835fbp+8, 0x1.55d8030f4e877p+8},
        {co2, 280, 5, 1000, 0x1.1009ee9b6deb2p+7, 0x1.e229ae0a6eceep+7},
    };
    for (const auto& k : kept) {
        EXPECT_EQ(Volume_Lee(k.first, k.x, k.T, k.P), k.lee) << k.T << " " << k.P;
        EXPECT_EQ(Volume_Duan92(k.first, k.x, k.T, k.P), k.duan) << k.T << " " << k.P;
    }
    const double T = 250.0, P = 2.0;
    const double Vlee = Volume_Lee(55.0, mix, T, P), Vduan = Volume_Duan92(55.0, mix, T, P);
    EXPECT_NEAR(Vlee, 45.0, 1.0);
    EXPECT_NEAR(Vduan, 63.65, 0.1);
    EXPECT_NEAR(Pressure_Lee(P, mix, T, Vlee), P, 1e-9);
    EXPECT_NEAR(Pressure_Duan92(mix, T, Vduan), P, 1e-9);
    EXPECT_GT(Pressure_Duan92(mix, T, 0.999 * Vduan), Pressure_Duan92(mix, T, 1.001 * Vduan));
    EXPECT_GT(Pressure_Lee(P, mix, T, 0.999 * Vlee), Pressure_Lee(P, mix, T, 1.001 * Vlee));
}
