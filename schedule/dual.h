#pragma once

#include <array>
#include <cmath>

// A number carried with its derivatives by each of the memory model's weights (forward-mode
// differentiation): the model's equations, written once for plain numbers, give the loss and its
// gradient in one replay.
namespace fitting {

inline constexpr int kWeights = 21;

struct Dual {
    double value = 0;
    std::array<double, kWeights> d{};

    Dual() = default;
    Dual(double v) // NOLINT(google-explicit-constructor): constants mix freely
        : value(v)
    {
    }
    // Weight `index` itself, its derivative by itself 1.
    static Dual variable(double v, int index)
    {
        Dual x(v);
        x.d[index] = 1;
        return x;
    }
};

// `f(x)` with derivative `slope` at x, by the chain rule.
inline Dual chain(const Dual& x, double f, double slope)
{
    Dual r(f);
    for (int i = 0; i < kWeights; ++i)
        r.d[i] = slope * x.d[i];
    return r;
}

inline Dual operator+(const Dual& a, const Dual& b)
{
    Dual r(a.value + b.value);
    for (int i = 0; i < kWeights; ++i)
        r.d[i] = a.d[i] + b.d[i];
    return r;
}
inline Dual operator-(const Dual& a, const Dual& b)
{
    Dual r(a.value - b.value);
    for (int i = 0; i < kWeights; ++i)
        r.d[i] = a.d[i] - b.d[i];
    return r;
}
inline Dual operator-(const Dual& a)
{
    return chain(a, -a.value, -1);
}
inline Dual operator*(const Dual& a, const Dual& b)
{
    Dual r(a.value * b.value);
    for (int i = 0; i < kWeights; ++i)
        r.d[i] = a.d[i] * b.value + b.d[i] * a.value;
    return r;
}
inline Dual operator/(const Dual& a, const Dual& b)
{
    const double q = a.value / b.value;
    Dual r(q);
    for (int i = 0; i < kWeights; ++i)
        r.d[i] = (a.d[i] - q * b.d[i]) / b.value;
    return r;
}

inline Dual exp(const Dual& x)
{
    const double e = std::exp(x.value);
    return chain(x, e, e);
}
inline Dual log(const Dual& x)
{
    return chain(x, std::log(x.value), 1 / x.value);
}
// x^y for a positive x.
inline Dual pow(const Dual& x, const Dual& y)
{
    const double p = std::pow(x.value, y.value);
    Dual r(p);
    const double byX = y.value * p / x.value;
    const double byY = p * std::log(x.value);
    for (int i = 0; i < kWeights; ++i)
        r.d[i] = byX * x.d[i] + byY * y.d[i];
    return r;
}

inline double valueOf(const Dual& x)
{
    return x.value;
}

} // namespace fitting
