// Integer powers of a double that equal std::pow bit for bit, at a fraction of
// its cost.
//
// x^n is formed in double-double arithmetic (error-free products by Dekker's
// splitting, relative error below 2^-100 for |n| <= 16) and rounded to the
// nearest double r. The libm pow of the GNU C library is accurate to 0.54 units
// in the last place (ulp); when the exact x^n lies within 0.46 ulp of r, every
// other double is more than 0.54 ulp away, so pow returns r as well. In the
// remaining cases (about one in twelve: x^n near the midpoint of two doubles,
// r a power of two, or a result near the ends of the exponent range) std::pow
// itself is called. Powers 0 and 1 are exact.
#ifndef POWER_H
#define POWER_H

#include <cmath>
#include <cstdint>
#include <cstring>

namespace power_detail {

// Unevaluated sum hi + lo with |lo| <= ulp(hi)/2.
struct Double_Double {
    double hi, lo;
};

// a = h + l with h holding the upper 26 bits (Dekker, 1971).
inline void Split(double a, double& h, double& l)
{
    const double c = 134217729.0 * a;  // 2^27 + 1
    h = c - (c - a);
    l = a - h;
}

// a * b exactly, as p + e.
inline Double_Double Two_Product(double a, double b)
{
    double ah, al, bh, bl;
    Split(a, ah, al);
    Split(b, bh, bl);
    const double p = a * b;
    const double e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
    return {p, e};
}

// s + t with |s| >= |t|, renormalised so that hi is their rounded sum.
inline Double_Double Fast_Two_Sum(double s, double t)
{
    const double hi = s + t;
    return {hi, t - (hi - s)};
}

inline Double_Double Multiply(Double_Double x, double b)
{
    Double_Double p = Two_Product(x.hi, b);
    return Fast_Two_Sum(p.hi, p.lo + x.lo * b);
}

inline Double_Double Multiply(Double_Double x, Double_Double y)
{
    Double_Double p = Two_Product(x.hi, y.hi);
    return Fast_Two_Sum(p.hi, p.lo + (x.hi * y.lo + x.lo * y.hi));
}

// 1 / x: one Newton correction of the rounded quotient.
inline Double_Double Reciprocal(Double_Double x)
{
    const double q = 1.0 / x.hi;
    const Double_Double p = Two_Product(q, x.hi);
    const double r = ((1.0 - p.hi) - p.lo) - q * x.lo;  // 1 - q x; 1 - p.hi is exact
    return Fast_Two_Sum(q, q * r);
}

// x^n for n >= 1 by binary powering.
inline Double_Double Positive_Power(double x, int n)
{
    Double_Double result{x, 0.0};
    Double_Double square{x, 0.0};
    bool first = true;
    for (;;) {
        if (n & 1) {
            if (first)
                result = square;
            else
                result = Multiply(result, square);
            first = false;
        }
        n >>= 1;
        if (n == 0) return result;
        square = square.lo == 0.0 ? Two_Product(square.hi, square.hi) : Multiply(square, square);
    }
}

// True when hi is certainly the double pow returns for hi + lo: a normal
// double, not a power of two, well inside the exponent range, and |lo| at most
// 0.46 ulp(hi).
inline bool Safely_Rounded(Double_Double x)
{
    std::uint64_t bits;
    std::memcpy(&bits, &x.hi, sizeof bits);
    const int exponent = static_cast<int>((bits >> 52) & 0x7ff);
    if (exponent < 100 || exponent > 2000 || (bits & 0xfffffffffffffULL) == 0) return false;
    const std::uint64_t ulp_bits = static_cast<std::uint64_t>(exponent - 52) << 52;
    double ulp;
    std::memcpy(&ulp, &ulp_bits, sizeof ulp);
    return std::fabs(x.lo) <= 0.46 * ulp;
}

}  // namespace power_detail

// std::pow(x, n) for |n| <= 16.
inline double Power(double x, int n)
{
    using namespace power_detail;
    if (n == 0) return 1.0;
    if (n == 1) return x;
    const double ax = std::fabs(x);
    if (!(ax > 1e-15 && ax < 1e15) || n > 16 || n < -16) return std::pow(x, n);
    Double_Double r = Positive_Power(x, n < 0 ? -n : n);
    if (n < 0) r = Reciprocal(r);
    return Safely_Rounded(r) ? r.hi : std::pow(x, n);
}

// Successive powers x^0 .. x^(count - 1), count <= 17, each equal to
// std::pow(x, n). x^n is formed as x^(n/2) x^(n - n/2), so that the chain of
// dependent products is short.
inline void Powers_Of(double x, double* out, int count)
{
    using namespace power_detail;
    out[0] = 1.0;
    if (count > 1) out[1] = x;
    const double ax = std::fabs(x);
    if (!(ax > 1e-15 && ax < 1e15) || count > 17) {
        for (int n = 2; n < count; ++n) out[n] = std::pow(x, n);
        return;
    }
    Double_Double p[17];
    p[1] = {x, 0.0};
    for (int n = 2; n < count; ++n) {
        p[n] = n == 2 ? Two_Product(x, x) : Multiply(p[n / 2], p[n - n / 2]);
        out[n] = Safely_Rounded(p[n]) ? p[n].hi : std::pow(x, n);
    }
}

#endif
