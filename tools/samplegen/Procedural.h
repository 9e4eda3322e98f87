#pragma once
// Small deterministic building blocks for the sample photos: a seeded random source,
// hash-based value noise (no tables, so every pixel can be computed on its own) and
// a few colour helpers. Nothing here depends on the standard library's distributions,
// whose results differ between implementations.

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace samplegen {

// splitmix64: tiny, fast and the same everywhere.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    float uniform() { return static_cast<float>(next() >> 40) * (1.0f / 16777216.0f); }
    float range(float lo, float hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

inline std::uint32_t hash2(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h =
        seed ^ (static_cast<std::uint32_t>(x) * 0x27D4EB2Du) ^ (static_cast<std::uint32_t>(y) * 0x165667B1u);
    h ^= h >> 15;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

// A hash of a lattice point as a float in [0, 1).
inline float lattice(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return static_cast<float>(hash2(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

inline float smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}

// Value noise in [0, 1), smooth between lattice points one unit apart.
inline float noise(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy);
    const float tx = smooth(x - fx), ty = smooth(y - fy);
    const float a = lattice(ix, iy, seed), b = lattice(ix + 1, iy, seed);
    const float c = lattice(ix, iy + 1, seed), d = lattice(ix + 1, iy + 1, seed);
    const float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

// Fractal sum of octaves, normalised back to [0, 1).
inline float fbm(float x, float y, int octaves, std::uint32_t seed) {
    float sum = 0.0f, amplitude = 0.5f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * noise(x, y, seed + static_cast<std::uint32_t>(i) * 1013u);
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2.03f;
        y *= 2.03f;
    }
    return sum / total;
}

// Sharp crests, as in mountain ridges: 1 - |2n - 1| summed over octaves.
inline float ridged(float x, float y, int octaves, std::uint32_t seed) {
    float sum = 0.0f, amplitude = 0.5f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        const float n =
            1.0f - std::fabs(2.0f * noise(x, y, seed + static_cast<std::uint32_t>(i) * 7919u) - 1.0f);
        sum += amplitude * n * n;
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2.1f;
        y *= 2.1f;
    }
    return sum / total;
}

struct Rgb {
    float r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator*(Rgb a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Rgb mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline float clamp01(float v) {
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}
inline float smoothstep(float e0, float e1, float v) {
    return smooth(clamp01((v - e0) / (e1 - e0)));
}

// Colour stops along [0, 1], linearly interpolated.
struct Stop {
    float at;
    Rgb colour;
};
template <std::size_t N>
Rgb ramp(const Stop (&stops)[N], float t) {
    if (t <= stops[0].at) return stops[0].colour;
    for (std::size_t i = 1; i < N; ++i)
        if (t <= stops[i].at)
            return mix(stops[i - 1].colour, stops[i].colour,
                       (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
    return stops[N - 1].colour;
}

inline QRgb toPixel(Rgb c) {
    auto channel = [](float v) { return static_cast<int>(clamp01(v) * 255.0f + 0.5f); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

inline Rgb fromPixel(QRgb p) {
    return {qRed(p) / 255.0f, qGreen(p) / 255.0f, qBlue(p) / 255.0f};
}

// Fills every pixel of an RGB32 image from a function of (x, y).
template <typename F>
void shade(QImage& image, F&& f) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) line[x] = toPixel(f(x, y));
    }
}

// Film-like grain: mostly luminance, a little colour, strongest in the mid-tones,
// which is what keeps JPEG sizes close to those of camera pictures.
void addGrain(QImage& image, float strength, std::uint32_t seed);

}  // namespace samplegen
