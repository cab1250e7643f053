// Integer powers of a double that equal std::pow bit for bit, at a fraction of
// its cost.
//
// x^n is formed in double-double arithmetic (error-free products by Dekker's
// splitting, relative error below 2^-100 for |n| <= 16; 1/x^n by one Newton
// correction of the rounded quotient) and rounded to the
// nearest double r. The libm pow of the GNU C library is accurate to 0.54 units
// in the last place (ulp): 0.511 ulp from its exponential plus a part from its
// logarithm that grows with |n ln x| and stays below 0.005 ulp for
// 2^-8 <= |x| <= 2^8 and |n| <= 16 (0.508 ulp is the largest error seen there
// in 5e7 random cases). When the exact x^n lies within 0.46 ulp of r (0.48 ulp
// for such x), every other double is farther from it than pow's error, so pow
// returns r as well. In the remaining cases (about one in twenty: x^n near the
// midpoint of two doubles, r a power of two, or a result near the ends of the
// exponent range) std::pow itself is called. Powers 0 and 1 are exact.
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

// The largest |lo|, in ulp(hi), at which hi is certainly pow's result for the
// base x (see above).
inline double Margin(double ax) { return ax >= 0.00390625 && ax <= 256.0 ? 0.48 : 0.46; }

// True when hi is certainly the double pow returns for hi + lo: a normal
// double, not a power of two, well inside the exponent range, and |lo| at most
// margin ulp(hi).
inline bool Safely_Rounded(Double_Double x, double margin)
{
    std::uint64_t bits;
    std::memcpy(&bits, &x.hi, sizeof bits);
    const int exponent = static_cast<int>((bits >> 52) & 0x7ff);
    if (exponent < 100 || exponent > 2000 || (bits & 0xfffffffffffffULL) == 0) return false;
    const std::uint64_t ulp_bits = static_cast<std::uint64_t>(exponent - 52) << 52;
    double ulp;
    std::memcpy(&ulp, &ulp_bits, sizeof ulp);
    return std::fabs(x.lo) <= margin * ulp;
}

}  // namespace power_detail

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
    const double margin = Margin(ax);
    Double_Double p[17];
    p[1] = {x, 0.0};
    for (int n = 2; n < count; ++n) {
        p[n] = n == 2 ? Two_Product(x, x) : Multiply(p[n / 2], p[n - n / 2]);
        out[n] = Safely_Rounded(p[n], margin) ? p[n].hi : std::pow(x, n);
    }
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define POWER_HAVE_FOUR 1
#include <immintrin.h>

namespace power_detail {

// The double-double operations above on four values at once. The error-free
// product comes from a fused multiply-subtract here, which gives the same
// exact error as Dekker's splitting; every other operation is the same
// rounded operation in the same order, so the results are the same bits.
struct Double_Double4 {
    __m256d hi, lo;
};

__attribute__((target("avx2,fma"))) inline Double_Double4 Two_Product4(__m256d a, __m256d b)
{
    const __m256d p = _mm256_mul_pd(a, b);
    return {p, _mm256_fmsub_pd(a, b, p)};
}

__attribute__((target("avx2,fma"))) inline Double_Double4 Fast_Two_Sum4(__m256d s, __m256d t)
{
    const __m256d hi = _mm256_add_pd(s, t);
    return {hi, _mm256_sub_pd(t, _mm256_sub_pd(hi, s))};
}

__attribute__((target("avx2,fma"))) inline Double_Double4 Multiply4(Double_Double4 x, Double_Double4 y)
{
    const Double_Double4 p = Two_Product4(x.hi, y.hi);
    const __m256d cross = _mm256_add_pd(_mm256_mul_pd(x.hi, y.lo), _mm256_mul_pd(x.lo, y.hi));
    return Fast_Two_Sum4(p.hi, _mm256_add_pd(p.lo, cross));
}

// Safely_Rounded for four values: a lane mask, bit l set when lane l is safe.
__attribute__((target("avx2,fma"))) inline int Safely_Rounded4(Double_Double4 x, __m256d margin)
{
    const __m256i bits = _mm256_castpd_si256(x.hi);
    const __m256i exponent =
        _mm256_and_si256(_mm256_srli_epi64(bits, 52), _mm256_set1_epi64x(0x7ff));
    const __m256i mantissa = _mm256_and_si256(bits, _mm256_set1_epi64x(0xfffffffffffffLL));
    const __m256i in_range =
        _mm256_and_si256(_mm256_cmpgt_epi64(exponent, _mm256_set1_epi64x(99)),
                         _mm256_cmpgt_epi64(_mm256_set1_epi64x(2001), exponent));
    const __m256i zero_mantissa = _mm256_cmpeq_epi64(mantissa, _mm256_setzero_si256());
    const __m256d ulp = _mm256_castsi256_pd(
        _mm256_slli_epi64(_mm256_sub_epi64(exponent, _mm256_set1_epi64x(52)), 52));
    const __m256d abs_lo = _mm256_andnot_pd(_mm256_set1_pd(-0.0), x.lo);
    const __m256d close = _mm256_cmp_pd(abs_lo, _mm256_mul_pd(margin, ulp), _CMP_LE_OQ);
    const __m256i safe =
        _mm256_andnot_si256(zero_mantissa, _mm256_and_si256(in_range, _mm256_castpd_si256(close)));
    return _mm256_movemask_pd(_mm256_castsi256_pd(safe));
}

// The lanes (bit l for lane l) whose base lies inside the range of the
// double-double powers, 1e-15 < |x| < 1e15, and each lane's margin (Margin).
__attribute__((target("avx2,fma"))) inline int Base_Checks4(__m256d base, __m256d& margin)
{
    const __m256d ax = _mm256_andnot_pd(_mm256_set1_pd(-0.0), base);
    const __m256d narrow = _mm256_and_pd(_mm256_cmp_pd(ax, _mm256_set1_pd(0.00390625), _CMP_GE_OQ),
                                         _mm256_cmp_pd(ax, _mm256_set1_pd(256.0), _CMP_LE_OQ));
    margin = _mm256_blendv_pd(_mm256_set1_pd(0.46), _mm256_set1_pd(0.48), narrow);
    return _mm256_movemask_pd(_mm256_and_pd(_mm256_cmp_pd(ax, _mm256_set1_pd(1e-15), _CMP_GT_OQ),
                                            _mm256_cmp_pd(ax, _mm256_set1_pd(1e15), _CMP_LT_OQ)));
}

// Lanes of row not in the mask `safe` take pow(x[l], n) itself.
inline void Pow_Where_Unsafe(int safe, const double* x, int n, double* row)
{
    if (safe == 0xf) return;
    for (int l = 0; l < 4; ++l)
        if (!(safe & (1 << l))) row[l] = std::pow(x[l], n);
}

}  // namespace power_detail

// Powers_Of for the four bases x[0..3] at once: x[l]^n into
// out[n * stride + l] for n = 0..Count-1 (Count <= 17). Needs a processor
// with AVX2 and FMA. The count is a constant so that the chain of products is
// unrolled and stays in registers. Only the powers n with bit n of Wanted set
// are certain to equal std::pow; the others (formed on the way anyway) hold
// the double-double x^n rounded to a double, which may differ from pow's
// value in the last bit.
template <int Count, unsigned Wanted = ~0u>
__attribute__((target("avx2,fma"))) inline void Powers_Of_Four(const double* x, double* out, int stride)
{
    static_assert(Count >= 2 && Count <= 17, "powers 0..16");
    using namespace power_detail;
    const __m256d base = _mm256_loadu_pd(x);
    _mm256_storeu_pd(out, _mm256_set1_pd(1.0));
    _mm256_storeu_pd(out + stride, base);
    __m256d margin;
    const int base_in_range = Base_Checks4(base, margin);
    Double_Double4 p[Count];
    p[1] = {base, _mm256_setzero_pd()};
    int safe[Count];
    int all_safe = 0xf;
#pragma GCC unroll 17
    for (int n = 2; n < Count; ++n) {
        p[n] = n == 2 ? Two_Product4(base, base) : Multiply4(p[n / 2], p[n - n / 2]);
        safe[n] = (Wanted >> n & 1u) ? Safely_Rounded4(p[n], margin) & base_in_range : 0xf;
        all_safe &= safe[n];
        _mm256_storeu_pd(out + n * stride, p[n].hi);
    }
    if (all_safe == 0xf) return;
    for (int n = 2; n < Count; ++n) Pow_Where_Unsafe(safe[n], x, n, out + n * stride);
}

// std::pow(x[l], -n[j]) for the four bases x[0..3] and the exponents
// n[0..count) (1 <= n[j] <= 16) into out[j * 4 + l]. Needs AVX2 and FMA.
__attribute__((target("avx2,fma"))) inline void Inverse_Powers_Of_Four(const double* x, const int* n,
                                                                     int count, double* out)
{
    using namespace power_detail;
    const __m256d base = _mm256_loadu_pd(x);
    __m256d margin;
    const int base_in_range = Base_Checks4(base, margin);
    int largest = 1;
    for (int j = 0; j < count; ++j)
        if (n[j] > largest) largest = n[j];
    Double_Double4 p[17];
    p[1] = {base, _mm256_setzero_pd()};
    for (int m = 2; m <= largest; ++m)
        p[m] = m == 2 ? Two_Product4(base, base) : Multiply4(p[m / 2], p[m - m / 2]);
    for (int j = 0; j < count; ++j) {
        // 1 / x^n: one Newton correction of the rounded quotient; 1 - q hi is
        // exact.
        const Double_Double4 d = p[n[j]];
        const __m256d q = _mm256_div_pd(_mm256_set1_pd(1.0), d.hi);
        const Double_Double4 e = Two_Product4(q, d.hi);
        const __m256d r = _mm256_sub_pd(_mm256_sub_pd(_mm256_sub_pd(_mm256_set1_pd(1.0), e.hi), e.lo),
                                        _mm256_mul_pd(q, d.lo));
        const Double_Double4 inverse = Fast_Two_Sum4(q, _mm256_mul_pd(q, r));
        const int safe = Safely_Rounded4(inverse, margin) & base_in_range;
        double* row = out + j * 4;
        _mm256_storeu_pd(row, inverse.hi);
        Pow_Where_Unsafe(safe, x, -n[j], row);
    }
}

// Whether the vector code may run where the processor has it (a test turns it
// off to compare both ways).
inline bool& Vector_Code_Allowed()
{
    static bool allowed = true;
    return allowed;
}

// True when Powers_Of_Four and the vector code built on it may run.
inline bool Have_Powers_Of_Four()
{
    static const bool have = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return have && Vector_Code_Allowed();
}
#endif

#endif
