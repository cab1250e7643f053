// Water from the Helmholtz function of Haar, L., Gallagher, J.S. and Kell, G.S.
// (1984), NBS/NRC Steam Tables. A = A_base + A_residual per gram of water;
// the base function is a hard-sphere-like term in the reduced covolume
// y = b rho/4, the residual function the 40 terms of Haar84Coefficients.h.
//
// Units: T in K, P in MPa, V in cm3/mol, rho = M/V in g/cm3, A in J/g.
#include "Haar84.h"

#include <cmath>

#include "Equation.h"
#include "Haar84Coefficients.h"
#include "Numdef.h"
#include "Power.h"

namespace {

const double R = 8.31451;  // J/(mol K)

const int Near_Terms = hgk::Terms - hgk::SeriesTerms;  // terms 37..40
const int Last_Term = Near_Terms - 1;

// Base function constants.
const double alpha = 11.0;
const double beta = 44.333333333333336;
const double gamma_ = 3.5;
const double b1 = -0.3540782, b2 = 0.7478629, b3 = 0.007159876, b4 = -0.003528426;
const double B1 = 1.1278334, B2 = -0.5944001, B3 = -5.010996, B4 = 0.63684256;

// Integer powers 0..9 of one base, each formed once and equal to std::pow:
// the Helmholtz series below uses few distinct exponents many times.
struct Powers {
    double value[10];

    void Reset(double b, int count = 10) { Powers_Of(b, value, count); }
    double operator()(int n) const { return value[n]; }
};

// Parts that depend on the temperature alone, kept for the temperature of the
// last call: a volume search evaluates the pressure many times at one
// temperature. TK = 0 marks nothing kept yet (both functions need TK > 0).
struct Base_Temperature {
    double TK = 0.0;
    double b = 0.0, B = 0.0;  // covolume and second virial coefficient of the base function
};
Base_Temperature base_T;

void Set_Base_Temperature(double TK, double Tr)
{
    if (TK == base_T.TK) return;
    base_T.b = b1 * std::log(Tr) + b2 + b3 / (Tr * Tr * Tr) + b4 / (Tr * Tr * Tr * Tr * Tr);
    base_T.B = B1 + B2 / Tr + B3 / (Tr * Tr) + B4 / (Tr * Tr * Tr * Tr);
    base_T.TK = TK;
}

// Factors of the series terms that depend on the temperature alone:
// (g_i/k_i) (Tc/T)^l_i of A and g_i (Tc/T)^l_i of dA/drho.
struct Residual_Temperature {
    double TK = 0.0;
    double A_factor[hgk::SeriesTerms];
    double dA_factor[hgk::SeriesTerms];
    double beta_tau2[Near_Terms];  // beta_i tau_i^2 of terms 37..40
    // Away from the critical point (beta_i tau_i^2 > 746, as for liquid water
    // below about 600 K) the exponential of a near-critical term underflows
    // to 0 whatever delta: alpha_i > 0 and k_i is even.
    bool vanishing[Near_Terms];
    int vanishing_lead;  // leading vanishing terms with the rho_i of term 37

    void Set(double T)
    {
        for (int j = 0; j < Near_Terms; ++j) {
            const double tau = (T - hgk::T_i[j]) / hgk::T_i[j];
            beta_tau2[j] = hgk::beta_i[j] * tau * tau;
            vanishing[j] = beta_tau2[j] > 746.0 && hgk::k[hgk::SeriesTerms + j] % 2 == 0;
        }
        vanishing_lead = 0;
        while (vanishing_lead < Near_Terms && vanishing[vanishing_lead] &&
               hgk::rho_i[vanishing_lead] == hgk::rho_i[0])
            ++vanishing_lead;
        Powers tau;  // powers of Tc/T
        tau.Reset(hgk::Tc / T);
        for (int i = 0; i < hgk::SeriesTerms; ++i) {
            double t = tau(hgk::l[i]);
            A_factor[i] = hgk::g[i] / hgk::k[i] * t;
            dA_factor[i] = hgk::g[i] * t;
        }
        TK = T;
    }
};
Residual_Temperature residual_T;

}  // namespace

double ABase(int what, double TK, double Vcm) {
    double M = H2O.Mole_Weight;
    double rho = Vcm > 0.0 ? M / Vcm : 0.0;
    double Tr = TK / hgk::Tc;
    if (rho <= 0.0 || Tr <= 0.31 || Tr >= 8.26) return 0.0;

    Set_Base_Temperature(TK, Tr);
    const double b = base_T.b;
    const double B = base_T.B;
    double y = b * rho / 4.0;
    double x = 1.0 - y;
    double Rg = 83.1451 / M;  // cm3 bar/(g K)

    if (what == 4) {
        return -std::log(x) - (beta - 1.0) / x + (alpha + beta + 1.0) / (2.0 * x * x) +
               4.0 * y * (B / b - gamma_) - (alpha - beta + 3.0) / 2.0;
    }
    if (what == 1) {
        double yp = b / 4.0;  // dy/drho
        double D = yp / x - (beta - 1.0) * yp / (x * x) + (alpha + beta + 1.0) * yp / (x * x * x) +
                   4.0 * (B / b - gamma_) * yp + 1.0 / rho;
        return 0.1 * rho * rho * Rg * TK * D;  // bar -> MPa
    }
    return 0.0;
}

namespace {

// Largest number of states evaluated side by side.
const int Lanes = 32;

#ifdef POWER_HAVE_FOUR
// The power series (terms 1..36) of the four states s..s+3 at once, each
// product and sum the same rounded operation, in the same order, as in the
// loop over single states in Residual_Sums; A only With_A.
template <bool With_A>
__attribute__((target("avx2,fma"))) void Series_Four(const double* e,
                                                    const double (*q_power)[Lanes], int s,
                                                    double* a_sum, double* da_sum)
{
    const __m256d E = _mm256_loadu_pd(e);
    __m256d A = _mm256_setzero_pd();
    __m256d dA = _mm256_setzero_pd();
#pragma GCC unroll 36
    for (int i = 0; i < hgk::SeriesTerms; ++i) {
        const __m256d qk1 = _mm256_loadu_pd(&q_power[hgk::k[i] - 1][s]);
        if (With_A) {
            const __m256d qk = _mm256_loadu_pd(&q_power[hgk::k[i]][s]);
            A = _mm256_add_pd(A, _mm256_mul_pd(_mm256_set1_pd(residual_T.A_factor[i]), qk));
        }
        dA = _mm256_add_pd(
            dA, _mm256_mul_pd(_mm256_mul_pd(_mm256_set1_pd(residual_T.dA_factor[i]), qk1), E));
    }
    if (With_A) _mm256_storeu_pd(a_sum, A);
    _mm256_storeu_pd(da_sum, dA);
}
#endif

#ifdef POWER_HAVE_FOUR
// The base pressure, ABase(1, TK, V), of the four states of density rho[0..3]
// at once, each operation the same rounded one in the same order; base_T
// holds TK, whose reduced temperature lies inside the base function's range.
__attribute__((target("avx2,fma"))) void Base_Pressure_Four(double TK, const double* rho, double* out)
{
    const double M = H2O.Mole_Weight;
    const double b = base_T.b;
    const double B = base_T.B;
    const double Rg = 83.1451 / M;
    const double yp = b / 4.0;
    const __m256d r = _mm256_loadu_pd(rho);
    const __m256d x = _mm256_sub_pd(_mm256_set1_pd(1.0),
                                    _mm256_div_pd(_mm256_mul_pd(_mm256_set1_pd(b), r), _mm256_set1_pd(4.0)));
    const __m256d x2 = _mm256_mul_pd(x, x);
    __m256d D = _mm256_div_pd(_mm256_set1_pd(yp), x);
    D = _mm256_sub_pd(D, _mm256_div_pd(_mm256_set1_pd((beta - 1.0) * yp), x2));
    D = _mm256_add_pd(D, _mm256_div_pd(_mm256_set1_pd((alpha + beta + 1.0) * yp), _mm256_mul_pd(x2, x)));
    D = _mm256_add_pd(D, _mm256_set1_pd(4.0 * (B / b - gamma_) * yp));
    D = _mm256_add_pd(D, _mm256_div_pd(_mm256_set1_pd(1.0), r));
    __m256d P = _mm256_mul_pd(_mm256_mul_pd(_mm256_set1_pd(0.1), r), r);
    P = _mm256_mul_pd(_mm256_mul_pd(_mm256_mul_pd(P, _mm256_set1_pd(Rg)), _mm256_set1_pd(TK)), D);
    _mm256_storeu_pd(out, P);
}
#endif

// ABase(1, TK, V[i]) for the states i = 0..n-1 of density rho[i] = M / V[i].
void Base_Pressures(double TK, const double* V, const double* rho, int n, double* out)
{
#ifdef POWER_HAVE_FOUR
    const double Tr = TK / hgk::Tc;
    if (Have_Powers_Of_Four() && n >= 4 && Tr > 0.31 && Tr < 8.26) {
        Set_Base_Temperature(TK, Tr);
        int s = 0;
        for (; s + 4 <= n; s += 4) Base_Pressure_Four(TK, rho + s, out + s);
        for (; s < n; ++s) out[s] = ABase(1, TK, V[s]);
        return;
    }
#endif
    for (int s = 0; s < n; ++s) out[s] = ABase(1, TK, V[s]);
}

// For each of terms 37..40 the first term with the same rho_i: the terms of
// one group share delta_i and its powers.
struct Near_Term_Groups {
    int first[Near_Terms];
    constexpr Near_Term_Groups() : first{}
    {
        for (int j = 0; j < Near_Terms; ++j) {
            first[j] = j;
            while (first[j] > 0 && hgk::rho_i[first[j] - 1] == hgk::rho_i[j]) --first[j];
        }
    }
};
constexpr Near_Term_Groups Near_Groups;

// The residual function's sums A (J/g) and dA/drho (J cm3/g^2) at the
// densities rho[0..n) > 0 (n <= Lanes), all at TK > 0; A = nullptr for dA
// alone, as for a pressure. The states are independent: their evaluations are
// interleaved term by term, so that the processor overlaps them, while each
// state's sums are formed in exactly the order of a single evaluation.
void Residual_Sums(double TK, const double* rho, int n, double* A, double* dA)
{
    if (TK != residual_T.TK) residual_T.Set(TK);
    const bool with_A = A != nullptr;
    // Per state: e = exp(-rho), q = 1 - e and the powers q^0..q^9, stored
    // power by power so that the loop over the states runs over neighbours.
    double e[Lanes], q[Lanes], q_power[10][Lanes], a_sum[Lanes], da_sum[Lanes];
    // delta_i = (rho - rho_i)/rho_i of terms 37..40 for every state, once for
    // each group of terms that share rho_i (kept under the group's first term).
    const int* group = Near_Groups.first;
    double delta[Near_Terms][Lanes];
    for (int j = 0; j < Near_Terms; ++j) {
        if (group[j] != j) continue;
        const double ri = hgk::rho_i[j];
        for (int s = 0; s < n; ++s) delta[j][s] = (rho[s] - ri) / ri;
    }
    double delta_last_power[5][Lanes], exp_last[Lanes];
    bool have_delta_last = false, have_exp_last = false;
#ifdef POWER_HAVE_FOUR
    if (Have_Powers_Of_Four()) {
        // Four states at a time; the lanes past n hold a harmless state
        // (whose powers are no powers of two, which pow would have to give).
        for (int s = 0; s < n; ++s) {
            e[s] = std::exp(-rho[s]);
            q[s] = 1.0 - e[s];
        }
        for (int s = n; s < Lanes && s % 4 != 0; ++s) {
            e[s] = 0.375;
            q[s] = 0.625;
        }
        // dA/drho takes the powers k_i - 1 of q (0..6 and 8), A the powers k_i.
        for (int s = 0; s < n; s += 4) {
            if (with_A) {
                Powers_Of_Four<10>(q + s, &q_power[0][s], Lanes);
                Series_Four<true>(e + s, q_power, s, a_sum + s, da_sum + s);
            } else {
                Powers_Of_Four<9, 0x17f>(q + s, &q_power[0][s], Lanes);
                Series_Four<false>(e + s, q_power, s, a_sum + s, da_sum + s);
            }
        }
        // Term 40 (low temperature, high density) is never negligible: the
        // powers of its delta are formed for all states in the same way. It
        // takes delta^0, delta^(k - 1) = delta^3 and delta^k = delta^4.
        static_assert(hgk::k[hgk::Terms - 1] == 4 && hgk::l[hgk::Terms - 1] == 0,
                      "the powers of delta that term 40 takes");
        for (int s = n; s < Lanes && s % 4 != 0; ++s) delta[Last_Term][s] = 0.625;
        for (int s = 0; s < n; s += 4)
            Powers_Of_Four<5, 0x19>(&delta[Last_Term][s], &delta_last_power[0][s], Lanes);
        have_delta_last = true;
        // Its exponential too, where it does not vanish.
        if (!residual_T.vanishing[Last_Term]) {
            const double* delta_k = delta_last_power[hgk::k[hgk::Terms - 1]];
            for (int s = 0; s < n; ++s)
                exp_last[s] = std::exp(-hgk::alpha_i[Last_Term] * delta_k[s] -
                                       residual_T.beta_tau2[Last_Term]);
            have_exp_last = true;
        }
    } else
#endif
    {
        for (int s = 0; s < n; ++s) {
            e[s] = std::exp(-rho[s]);
            q[s] = 1.0 - e[s];
        }
        for (int s = 0; s < n; ++s) {
            double p[10];
            Powers_Of(q[s], p, 10);
            for (int k = 0; k < 10; ++k) q_power[k][s] = p[k];
            a_sum[s] = 0.0;
            da_sum[s] = 0.0;
        }
        for (int i = 0; i < hgk::SeriesTerms; ++i) {
            const double* qk = q_power[hgk::k[i]];
            const double* qk1 = q_power[hgk::k[i] - 1];
            const double a = residual_T.A_factor[i];
            const double da = residual_T.dA_factor[i];
            for (int s = 0; s < n; ++s) {
                a_sum[s] += a * qk[s];
                da_sum[s] += da * qk1[s] * e[s];
            }
        }
    }
    // Terms 37..40 state by state; term 40 for all states together afterwards
    // where its exponential was formed above (the same operations, in the same
    // order, for each state).
    const int scalar_terms = have_exp_last ? Last_Term : Near_Terms;
    for (int s = 0; s < n; ++s) {
        double a = with_A ? a_sum[s] : 1.0;  // only tested for 0 without A
        double da = da_sum[s];
        // Terms 37..39 share rho_i, and so delta_i and its powers.
        Powers d_power[Near_Terms];
        bool have_d_power[Near_Terms] = {false, false, false, false};
        // A vanishing term adds exact zeros to non-zero sums A and dA and is
        // skipped (a finite delta keeps its factors finite); as the sums stay
        // as they were, the leading vanishing terms that share delta with the
        // first are skipped together.
        int j = 0;
        if (a != 0.0 && da != 0.0 && std::fabs(delta[0][s]) < 1e50)
            j = residual_T.vanishing_lead < scalar_terms ? residual_T.vanishing_lead : scalar_terms;
        for (; j < scalar_terms; ++j) {
            const int i = hgk::SeriesTerms + j;
            const double ri = hgk::rho_i[j];
            const int same = group[j];
            const double d = delta[same][s];
            if (residual_T.vanishing[j] && a != 0.0 && da != 0.0 && std::fabs(d) < 1e50) continue;
            Powers& dp = d_power[same];
            if (!have_d_power[same]) {
                if (same == Last_Term && have_delta_last)
                    for (int m = 0; m < 5; ++m) dp.value[m] = delta_last_power[m][s];
                else
                    dp.Reset(d, 5);  // k_i <= 4 and l_i <= 3 for these terms
                have_d_power[same] = true;
            }
            double ex = std::exp(-hgk::alpha_i[j] * dp(hgk::k[i]) - residual_T.beta_tau2[j]);
            double dl = dp(hgk::l[i]);
            if (with_A) a += hgk::g[i] * dl * ex;
            // d/drho of delta^l exp(-alpha delta^k): the delta^l factor is constant when l = 0.
            double ddl = hgk::l[i] == 0 ? 0.0 : hgk::l[i] * dp(hgk::l[i] - 1);
            da += hgk::g[i] * ex * (ddl - hgk::alpha_i[j] * hgk::k[i] * dp(hgk::k[i] - 1) * dl) / ri;
        }
        if (with_A) A[s] = a;
        dA[s] = da;
    }
    if (have_exp_last) {
        const int i = hgk::Terms - 1;
        const double g = hgk::g[i], ri = hgk::rho_i[Last_Term];
        const double alpha_k = hgk::alpha_i[Last_Term] * hgk::k[i];
        const int l = hgk::l[i];
        for (int s = 0; s < n; ++s) {
            const double ex = exp_last[s];
            const double dl = delta_last_power[l][s];
            const double ddl = l == 0 ? 0.0 : l * delta_last_power[l == 0 ? 0 : l - 1][s];
            if (with_A) A[s] += g * dl * ex;
            dA[s] += g * ex * (ddl - alpha_k * delta_last_power[hgk::k[i] - 1][s] * dl) / ri;
        }
    }
}

}  // namespace

double AResidual(int what, double TK, double Vcm) {
    double M = H2O.Mole_Weight;
    double rho = Vcm > 0.0 ? M / Vcm : 0.0;
    if (rho <= 0.0 || TK <= 0.0) return 0.0;
    double A, dA;
    if (what == 1) {
        Residual_Sums(TK, &rho, 1, nullptr, &dA);
        return rho * rho * dA;  // MPa
    }
    Residual_Sums(TK, &rho, 1, &A, &dA);
    if (what == 4) return A * M / (R * TK);
    return 0.0;
}

double Pressure_Haar84(double TK, double Vcm) {
    if (TK <= 0.0 || Vcm <= 0.0) return 0.0;
    return ABase(1, TK, Vcm) + AResidual(1, TK, Vcm);
}

void Volumes_Haar84(double first, double TK, const double* PMPa, double* Vcm, int n)
{
    for (int begin = 0; begin < n; begin += Lanes) {
        const int count = n - begin < Lanes ? n - begin : Lanes;
        Secant_Search search[Lanes];
        int active[Lanes];
        int running = 0;
        for (int s = 0; s < count; ++s) {
            Vcm[begin + s] = 0.0;
            if (TK <= 0.0 || PMPa[begin + s] <= 0.0) continue;
            search[s] = Secant_Search(0.95 * first, 1.05 * first, 1e-16, 5000);
            active[running++] = s;
        }
        while (running > 0) {
            // P(T, V) - P at every search's next point. At 10 cm3/mol or less
            // (about 1.8 g/cm3, beyond any state the model is used for) the
            // pressure is not evaluated and the residual is zero, which ends
            // that search.
            double rho[Lanes], dA[Lanes];
            int evaluated[Lanes];
            int m = 0;
            for (int a = 0; a < running; ++a) {
                const int s = active[a];
                const double V = search[s].Point();
                if (V > 10.0) {
                    rho[m] = H2O.Mole_Weight / V;
                    evaluated[m++] = s;
                }
            }
            Residual_Sums(TK, rho, m, nullptr, dA);
            double V_evaluated[Lanes], base[Lanes];
            for (int e = 0; e < m; ++e) V_evaluated[e] = search[evaluated[e]].Point();
            Base_Pressures(TK, V_evaluated, rho, m, base);
            double residual[Lanes];
            for (int a = 0, e = 0; a < running; ++a) {
                const int s = active[a];
                if (e < m && evaluated[e] == s) {
                    residual[s] = base[e] + rho[e] * rho[e] * dA[e] - PMPa[begin + s];
                    ++e;
                } else {
                    residual[s] = 0.0;
                }
            }
            int still = 0;
            for (int a = 0; a < running; ++a) {
                const int s = active[a];
                if (search[s].Take(residual[s])) {
                    // An iterate at 10 cm3/mol or below ends the search as if
                    // converged; it is no volume of water.
                    const double V = search[s].Root();
                    Vcm[begin + s] = V <= 10.0 ? 0.0 : V;
                } else {
                    active[still++] = s;
                }
            }
            running = still;
        }
    }
}

double Volume_Haar84(double first, double TK, double PMPa) {
    double V;
    Volumes_Haar84(first, TK, &PMPa, &V, 1);
    return V;
}

void Fugacity_Haar84(int phase, double TK, double PMPa, double Vcm) {
    double lnphi = 0.0;
    if (TK > 0.0 && Vcm > 0.0 && PMPa > 0.0) {
        double Z = PMPa * Vcm / (R * TK);
        lnphi = (Z - 1.0) - std::log(Z) + ABase(4, TK, Vcm) + AResidual(4, TK, Vcm);
    }
    // A ln(phi) of 227 or more in magnitude (or not a number, for a volume
    // inside the covolume) leaves the ideal-gas values.
    double phi = std::fabs(lnphi) < 227.0 ? std::exp(lnphi) : 1.0;
    H2O.Coefficient[phase] = phi;
    H2O.Fugacity[phase] = phi * PMPa;
}
