// The sample photos: each scene is painted from fixed seeds, mostly per pixel from
// noise, with QPainter for the few objects that have clear outlines. Sizes are given in
// the scene table; every length inside a scene scales with the picture's width so a
// scene keeps its look if its size is changed.
#include "Scenes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

#include "Procedural.h"

namespace samplegen {

void addGrain(QImage& image, float strength, std::uint32_t seed) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = fromPixel(line[x]);
            const float l = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
            const float amount = strength / 255.0f * (0.5f + 2.0f * l * (1.0f - l));
            const float luma = lattice(x, y, seed) + lattice(x, y, seed + 1) + lattice(x, y, seed + 2) - 1.5f;
            const float tint = (lattice(x, y, seed + 3) - 0.5f) * 0.5f;
            line[x] =
                toPixel({c.r + amount * (luma + tint), c.g + amount * luma, c.b + amount * (luma - tint)});
        }
    }
}

namespace {

constexpr float kPi = 3.14159265f;

float noise1(float x, std::uint32_t seed) {
    return noise(x, 0.5f, seed);
}
float fbm1(float x, int octaves, std::uint32_t seed) {
    return fbm(x, 0.5f, octaves, seed);
}

QColor qcolor(Rgb c, float alpha = 1.0f) {
    return QColor::fromRgbF(clamp01(c.r), clamp01(c.g), clamp01(c.b), alpha);
}

// Mirrors the rows above waterline into the rows below it, with horizontal ripples,
// a darker tint and highlights on the wave crests.
void reflect(QImage& image, int waterline, float scale, Rgb tint, float keep, std::uint32_t seed) {
    const int w = image.width();
    for (int y = waterline; y < image.height(); ++y) {
        const int depth = y - waterline;
        const int source = std::max(0, waterline - 1 - static_cast<int>(depth * 0.92f));
        const auto* above = reinterpret_cast<const QRgb*>(image.constScanLine(source));
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float amplitude = (1.5f + depth * 0.015f) * scale;
        for (int x = 0; x < w; ++x) {
            const float ripple = noise(x / (40.0f * scale), y / (3.0f * scale + depth * 0.02f), seed) - 0.5f;
            const int sx = std::clamp(x + static_cast<int>(ripple * amplitude * 2.0f), 0, w - 1);
            Rgb c = mix(tint, fromPixel(above[sx]), keep);
            const float crest = noise(x / (120.0f * scale), y / (2.5f * scale + depth * 0.015f), seed + 9);
            c = c + Rgb{0.9f, 0.95f, 1.0f} * (smoothstep(0.72f, 0.95f, crest) * 0.12f);
            line[x] = toPixel(c);
        }
    }
}

// ---------------------------------------------------------------------------------
// 01: layered hills under a low sun, thin clouds lit from below.
void sunsetHills(QImage& image) {
    const int W = image.width(), H = image.height();
    const float s = W / 4000.0f;
    const Stop sky[] = {{0.00f, {0.12f, 0.13f, 0.34f}},
                        {0.30f, {0.36f, 0.22f, 0.48f}},
                        {0.55f, {0.84f, 0.42f, 0.44f}},
                        {0.78f, {1.00f, 0.63f, 0.31f}},
                        {1.00f, {1.00f, 0.83f, 0.52f}}};
    const float sunX = 0.63f * W, sunY = 0.57f * H, sunR = 0.038f * W;

    struct Layer {
        float base, amplitude, period;
        Rgb colour;
        float texture;
    };
    const Layer layers[] = {{0.64f, 0.10f, 900.0f, {0.66f, 0.40f, 0.50f}, 0.05f},
                            {0.71f, 0.12f, 650.0f, {0.45f, 0.27f, 0.38f}, 0.10f},
                            {0.80f, 0.14f, 480.0f, {0.23f, 0.17f, 0.22f}, 0.18f},
                            {0.92f, 0.16f, 380.0f, {0.09f, 0.10f, 0.07f}, 0.30f}};
    constexpr int kLayers = 4;
    std::vector<float> ridge(static_cast<std::size_t>(kLayers * W));
    for (int k = 0; k < kLayers; ++k)
        for (int x = 0; x < W; ++x)
            ridge[static_cast<std::size_t>(k * W + x)] =
                H * (layers[k].base - layers[k].amplitude * fbm1(x / (layers[k].period * s), 5, 100u + k));

    shade(image, [&](int x, int y) {
        const float fy = static_cast<float>(y);
        for (int k = kLayers - 1; k >= 0; --k) {
            const float top = ridge[static_cast<std::size_t>(k * W + x)];
            if (fy < top) continue;
            const Layer& L = layers[k];
            const float detail = fbm(x / (40.0f * s), y / (40.0f * s), 4, 200u + k);
            const float trees = noise(x / (9.0f * s), y / (12.0f * s), 300u + k);
            Rgb c = L.colour * (1.0f - L.texture + 2.0f * L.texture * (0.6f * detail + 0.4f * trees));
            // The sun catches the crest of every ridge.
            const float rim = std::exp(-(fy - top) / (6.0f * s)) * (0.25f - 0.05f * k);
            c = c + Rgb{1.0f, 0.62f, 0.35f} * rim;
            // Low ground mist in the valleys of the far layers.
            const float mist = smoothstep(top + 0.03f * H, top + 0.12f * H, fy) * (0.30f - 0.08f * k);
            return mix(c, ramp(sky, 0.95f), clamp01(mist));
        }
        const float t = fy / (0.70f * H);
        Rgb c = ramp(sky, t);
        const float dx = (x - sunX) / W, dy = (y - sunY) / W;
        const float d = std::sqrt(dx * dx + dy * dy);
        c = c + Rgb{1.0f, 0.72f, 0.42f} * (0.55f * std::exp(-d * 7.0f) + 0.45f * std::exp(-d * 40.0f));
        const float cloud = fbm(x / (750.0f * s), y / (70.0f * s), 5, 11u);
        const float density = smoothstep(0.56f, 0.76f, cloud) * smoothstep(0.62f * H, 0.35f * H, fy);
        if (density > 0.0f) {
            const Rgb under =
                mix(Rgb{0.30f, 0.18f, 0.36f}, Rgb{1.0f, 0.58f, 0.42f}, smoothstep(0.0f, 0.6f * H, fy));
            const float puff = fbm(x / (120.0f * s), y / (25.0f * s), 3, 12u);
            c = mix(c, under * (0.8f + 0.5f * puff), density * 0.85f);
        }
        const float r = std::sqrt((x - sunX) * (x - sunX) + (y - sunY) * (y - sunY));
        return mix(c, Rgb{1.0f, 0.97f, 0.86f}, smoothstep(sunR + 2.0f * s, sunR - 2.0f * s, r));
    });
    addGrain(image, 11.0f, 17u);
}

// ---------------------------------------------------------------------------------
// 02: a meadow of flowers in colour patches under summer clouds.
void flowerField(QImage& image) {
    const int W = image.width(), H = image.height();
    const float s = W / 3264.0f;
    const float horizon = 0.42f * H;
    // Which colour grows where: strips across the field, squeezed towards the horizon.
    auto patchAt = [&](float x, float y) {
        const float d = std::max(0.0f, (y - horizon) / (H - horizon));
        return static_cast<int>(noise(x / (520.0f * s), 1.2f / (d + 0.06f), 27u) * 4.0f);
    };
    shade(image, [&](int x, int y) {
        const float fy = static_cast<float>(y);
        const float treeTop = horizon - H * (0.012f + 0.035f * fbm1(x / (140.0f * s), 5, 21u));
        if (fy < treeTop) {
            Rgb c = mix(Rgb{0.17f, 0.38f, 0.82f}, Rgb{0.66f, 0.81f, 0.95f}, smoothstep(0.0f, horizon, fy));
            const float cloud = fbm(x / (520.0f * s), y / (230.0f * s), 6, 22u);
            const float density =
                smoothstep(0.50f, 0.70f, cloud) * smoothstep(horizon, horizon - 0.12f * H, fy);
            if (density > 0.0f) {
                const float lit = fbm(x / (160.0f * s) + 7.0f, y / (140.0f * s), 4, 23u);
                const Rgb cl =
                    mix(Rgb{0.62f, 0.66f, 0.74f}, Rgb{0.99f, 0.99f, 0.97f}, smoothstep(0.3f, 0.7f, lit));
                c = mix(c, cl, density);
            }
            return c;
        }
        if (fy < horizon + 0.006f * H) {
            const float leaf = fbm(x / (8.0f * s), y / (8.0f * s), 3, 24u);
            return mix(Rgb{0.07f, 0.16f, 0.08f}, Rgb{0.26f, 0.38f, 0.20f}, leaf) * 0.9f;
        }
        const float d = (fy - horizon) / (H - horizon);
        const float grain = fbm(x / ((3.0f + 40.0f * d) * s), y / ((1.5f + 12.0f * d) * s), 4, 25u);
        Rgb c = mix(Rgb{0.40f, 0.52f, 0.30f}, Rgb{0.16f, 0.36f, 0.08f}, smoothstep(0.0f, 0.6f, d));
        c = c * (0.65f + 0.7f * grain);
        // Far away the flowers are only specks of colour in the grass.
        const float speck = lattice(static_cast<int>(x / (2.0f * s)), static_cast<int>(y / (1.5f * s)), 26u);
        if (speck < 0.82f - 0.3f * d) return c;
        const Rgb tints[] = {
            {0.85f, 0.12f, 0.10f}, {0.95f, 0.80f, 0.15f}, {0.55f, 0.30f, 0.75f}, {0.95f, 0.95f, 0.90f}};
        return mix(c, tints[patchAt(x, fy)], 0.75f * (1.0f - smoothstep(0.25f, 0.5f, d)));
    });

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(2024);
    // Grass blades first, then the flowers from the back to the front.
    for (int i = 0; i < 5000; ++i) {
        const float d = std::pow(rng.uniform(), 0.6f);
        const float x = rng.range(0.0f, static_cast<float>(W));
        const float y = horizon + d * (H - horizon) + 0.02f * H;
        const float len = (6.0f + 90.0f * d * d) * s;
        const float lean = rng.range(-0.4f, 0.4f) * len;
        QPainterPath blade;
        blade.moveTo(x, y);
        blade.quadTo(x + lean * 0.3f, y - len * 0.6f, x + lean, y - len);
        p.setPen(QPen(qcolor(Rgb{0.18f, 0.42f, 0.10f} * rng.range(0.6f, 1.3f)), (0.6f + 3.0f * d) * s));
        p.drawPath(blade);
    }
    struct Flower {
        float x, y, d;
    };
    std::vector<Flower> flowers;
    for (int i = 0; i < 7000; ++i) {
        const float d = std::pow(rng.uniform(), 1.7f);
        flowers.push_back(
            {rng.range(0.0f, static_cast<float>(W)), horizon + 0.01f * H + d * (H - horizon), d});
    }
    std::sort(flowers.begin(), flowers.end(), [](const Flower& a, const Flower& b) { return a.y < b.y; });
    const Rgb petals[] = {
        {0.86f, 0.10f, 0.09f}, {0.98f, 0.82f, 0.12f}, {0.58f, 0.30f, 0.80f}, {0.98f, 0.97f, 0.93f}};
    for (const Flower& f : flowers) {
        const float r = (1.5f + 34.0f * f.d * f.d) * s;
        const Rgb base =
            petals[rng.below(10) == 0 ? rng.below(4) : patchAt(f.x, f.y)] * rng.range(0.8f, 1.1f);
        if (r > 6.0f * s) {
            p.setPen(QPen(qcolor({0.16f, 0.40f, 0.10f}), std::max(1.0f, r * 0.12f)));
            p.drawLine(QPointF(f.x, f.y), QPointF(f.x + rng.range(-0.3f, 0.3f) * r, f.y + r * 3.0f));
        }
        p.setPen(r > 4.0f * s ? QPen(qcolor(base * 0.6f), std::max(0.5f, r * 0.04f)) : Qt::NoPen);
        const float turn = rng.range(0.0f, 2.0f * kPi);
        const float squash = 0.45f + 0.5f * (1.0f - f.d);  // seen from the side when far away
        for (int k = 0; k < 5; ++k) {
            const float a = turn + k * 2.0f * kPi / 5.0f;
            const QPointF centre(f.x + std::cos(a) * r * 0.55f,
                                 f.y + std::sin(a) * r * 0.55f * (1.0f - squash * 0.5f));
            p.setBrush(qcolor(mix(base, base * 1.25f, rng.uniform() * 0.5f)));
            p.drawEllipse(centre, r * 0.55f, r * 0.55f * (1.0f - squash * 0.4f));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor({0.55f, 0.38f, 0.05f}));
        p.drawEllipse(QPointF(f.x, f.y), r * 0.28f, r * 0.25f);
    }
    p.end();
    addGrain(image, 9.0f, 29u);
}

// ---------------------------------------------------------------------------------
// 03: a harbour skyline at dusk with lit windows, mirrored in the water.
void cityDusk(QImage& image) {
    const int W = image.width(), H = image.height();
    const float s = W / 3000.0f;
    const int waterline = static_cast<int>(0.70f * H);
    const Stop sky[] = {{0.00f, {0.04f, 0.06f, 0.20f}},
                        {0.45f, {0.14f, 0.20f, 0.44f}},
                        {0.75f, {0.52f, 0.36f, 0.50f}},
                        {1.00f, {0.98f, 0.58f, 0.32f}}};
    shade(image, [&](int x, int y) {
        Rgb c = ramp(sky, static_cast<float>(y) / waterline);
        const float haze = fbm(x / (600.0f * s), y / (50.0f * s), 4, 31u);
        c = c + Rgb{0.25f, 0.12f, 0.12f} *
                    (smoothstep(0.55f, 0.8f, haze) * smoothstep(0.2f * H, 0.6f * H, y) * 0.5f);
        if (y < 0.35f * H && hash2(x, y, 32u) % 9000u == 0) c = c + Rgb{0.7f, 0.7f, 0.75f};
        return c;
    });

    QPainter p(&image);
    Rng rng(303);
    auto skyline = [&](float minW, float maxW, float minH, float maxH, Rgb body, float lit, bool near) {
        float x = -rng.range(0.0f, maxW);
        while (x < W) {
            const float bw = rng.range(minW, maxW) * s;
            const float bh = rng.range(minH, maxH) * H;
            const float top = waterline - bh;
            QLinearGradient fill(x, top, x + bw, top);
            fill.setColorAt(0, qcolor(body * 1.25f));
            fill.setColorAt(1, qcolor(body * 0.8f));
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawRect(QRectF(x, top, bw, bh));
            if (rng.below(4) == 0) {  // a pointed roof or a mast with its warning light
                QPainterPath roof;
                roof.moveTo(x, top);
                roof.lineTo(x + bw / 2, top - bw * rng.range(0.2f, 0.6f));
                roof.lineTo(x + bw, top);
                p.drawPath(roof);
            } else if (near && rng.below(3) == 0) {
                p.setPen(QPen(qcolor(body), 2.0f * s));
                const float mx = x + bw * rng.range(0.3f, 0.7f), mh = rng.range(30.0f, 90.0f) * s;
                p.drawLine(QPointF(mx, top), QPointF(mx, top - mh));
                p.setPen(Qt::NoPen);
                p.setBrush(qcolor({1.0f, 0.15f, 0.1f}));
                p.drawEllipse(QPointF(mx, top - mh), 3.0f * s, 3.0f * s);
            }
            const float cellW = (near ? 16.0f : 10.0f) * s, cellH = (near ? 22.0f : 14.0f) * s;
            const float chance = lit * rng.range(0.4f, 1.6f);
            const Rgb warm = rng.below(3) == 0 ? Rgb{0.80f, 0.88f, 1.0f} : Rgb{1.0f, 0.82f, 0.48f};
            for (float wy = top + cellH * 0.8f; wy < waterline - cellH; wy += cellH)
                for (float wx = x + cellW * 0.5f; wx < x + bw - cellW * 0.8f; wx += cellW)
                    if (rng.uniform() < chance) {
                        p.setBrush(qcolor(warm * rng.range(0.55f, 1.05f)));
                        p.drawRect(QRectF(wx, wy, cellW * 0.55f, cellH * 0.55f));
                    }
            x += bw + rng.range(-0.1f, 0.25f) * bw;
        }
    };
    skyline(50, 150, 0.10f, 0.30f, {0.20f, 0.19f, 0.30f}, 0.10f, false);
    skyline(90, 260, 0.06f, 0.44f, {0.07f, 0.07f, 0.12f}, 0.30f, true);
    // Lamps along the quay.
    for (float x = 20.0f * s; x < W; x += 95.0f * s) {
        QRadialGradient glow(x, waterline - 6.0f * s, 28.0f * s);
        glow.setColorAt(0, QColor::fromRgbF(1.0f, 0.85f, 0.55f, 0.9f));
        glow.setColorAt(1, QColor::fromRgbF(1.0f, 0.7f, 0.4f, 0.0f));
        p.setBrush(glow);
        p.drawEllipse(QPointF(x, waterline - 6.0f * s), 28.0f * s, 28.0f * s);
    }
    p.end();
    reflect(image, waterline, s, {0.02f, 0.04f, 0.10f}, 0.62f, 34u);
    addGrain(image, 14.0f, 35u);
}

// ---------------------------------------------------------------------------------
// 04 (portrait): a waterfall over a mossy cliff in a forest, with mist over the pool.
void forestWaterfall(QImage& image) {
    const int W = image.width(), H = image.height();
    const float s = W / 2000.0f;
    const float poolTop = 0.78f * H, cliffTop = 0.16f * H;
    struct Trunk {
        float x, half;
    };
    Rng rng(404);
    std::vector<Trunk> trunks;
    for (int i = 0; i < 9; ++i) {
        float x = rng.range(0.0f, 1.0f);
        x = x < 0.5f ? x * 0.55f : 0.72f + (x - 0.5f) * 0.56f;  // keep the fall itself clear
        trunks.push_back({x * W, rng.range(20.0f, 60.0f) * s});
    }
    auto fallCentre = [&](float y) { return 0.5f * W + 0.025f * W * std::sin(y / H * 4.0f); };
    auto fallHalf = [&](float y) {
        return (0.06f + 0.05f * (y - cliffTop) / H) * W * (0.85f + 0.3f * noise1(y / (240.0f * s), 41u));
    };
    shade(image, [&](int x, int y) {
        const float fx = static_cast<float>(x), fy = static_cast<float>(y);
        const float centre = fallCentre(fy);
        const float dist = std::fabs(fx - centre);
        // Mist over the pool, widest where the water lands.
        const float mist = std::exp(-((fx - centre) * (fx - centre)) / (0.06f * W * W) -
                                    ((fy - poolTop) * (fy - poolTop)) / (0.006f * H * H)) *
                           0.5f * (0.6f + 0.8f * fbm(x / (90.0f * s), y / (60.0f * s), 3, 42u));
        Rgb c;
        if (fy >= poolTop) {
            const float depth = (fy - poolTop) / (H - poolTop);
            c = mix(Rgb{0.10f, 0.30f, 0.28f}, Rgb{0.04f, 0.14f, 0.12f}, depth);
            const float wave = noise(x / (70.0f * s), y / ((5.0f + 20.0f * depth) * s), 43u);
            c = c + Rgb{0.5f, 0.6f, 0.6f} * (smoothstep(0.65f, 0.9f, wave) * 0.25f);
            const float foam = std::exp(-dist / (0.11f * W)) * std::exp(-(fy - poolTop) / (0.05f * H));
            c = mix(c, Rgb{0.92f, 0.95f, 0.96f},
                    clamp01(foam * (0.6f + 0.8f * fbm(x / (14.0f * s), y / (6.0f * s), 3, 44u))));
        } else {
            const float half = fy > cliffTop ? fallHalf(fy) : 0.0f;
            const float canopy = fbm(x / (110.0f * s), y / (110.0f * s), 5, 45u);
            const float leaves = noise(x / (7.0f * s), y / (7.0f * s), 46u);
            c = mix(Rgb{0.03f, 0.07f, 0.04f}, Rgb{0.30f, 0.44f, 0.18f},
                    smoothstep(0.25f, 0.85f, canopy * 0.75f + leaves * 0.25f));
            const float sun = fbm(x / (30.0f * s) + 5.0f, y / (30.0f * s), 3, 47u);
            c = c + Rgb{0.45f, 0.5f, 0.15f} * (smoothstep(0.68f, 0.8f, sun) * 0.35f);
            const float cliffEdge = 0.22f * W + 0.06f * W * noise1(y / (200.0f * s), 48u);
            const float cliffRight = 0.78f * W - 0.06f * W * noise1(y / (200.0f * s), 49u);
            if (fy > cliffTop + 0.03f * H * noise1(x / (150.0f * s), 50u) && fx > cliffEdge &&
                fx < cliffRight) {
                const float rock = ridged(x / (130.0f * s), y / (70.0f * s), 5, 51u);
                c = mix(Rgb{0.20f, 0.19f, 0.16f}, Rgb{0.52f, 0.49f, 0.43f}, rock);
                const float moss = fbm(x / (60.0f * s), y / (60.0f * s), 4, 52u);
                c = mix(c, Rgb{0.22f, 0.36f, 0.10f} * (0.7f + 0.6f * leaves), smoothstep(0.52f, 0.62f, moss));
            }
            if (dist < half + 6.0f * s && fy > cliffTop) {
                const float streak = fbm(x / (5.0f * s), y / (320.0f * s) - x / (900.0f * s), 4, 53u);
                const Rgb water =
                    mix(Rgb{0.50f, 0.62f, 0.66f}, Rgb{0.97f, 0.98f, 1.0f}, smoothstep(0.3f, 0.72f, streak));
                c = mix(c, water, smoothstep(half + 6.0f * s, half - 6.0f * s, dist));
            }
            for (const Trunk& t : trunks) {
                const float u = (fx - t.x) / t.half;
                if (std::fabs(u) < 1.0f) {
                    const float bark = noise(x / (5.0f * s), y / (70.0f * s), 54u);
                    const float round = std::sqrt(1.0f - u * u) * (0.75f + 0.25f * -u);  // lit from the left
                    c = Rgb{0.24f, 0.18f, 0.12f} * (0.25f + 0.9f * round) * (0.7f + 0.5f * bark);
                }
            }
            // The mossy bank along the pool, cut where the fall comes down.
            const float bankTop = poolTop - 0.045f * H * (0.5f + noise1(x / (120.0f * s), 56u));
            if (fy > bankTop && dist > half + 0.04f * W) {
                const float moss = fbm(x / (12.0f * s), y / (8.0f * s), 4, 57u);
                c = mix(Rgb{0.06f, 0.09f, 0.04f}, Rgb{0.28f, 0.38f, 0.14f}, moss) *
                    (0.7f + 0.5f * smoothstep(bankTop + 10.0f * s, bankTop, fy));
            }
        }
        return mix(c, Rgb{0.92f, 0.95f, 0.95f}, clamp01(mist));
    });

    // Ferns in the lower corners.
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 70; ++i) {
        const bool left = i % 2 == 0;
        const float bx = left ? rng.range(-0.05f, 0.25f) * W : rng.range(0.75f, 1.05f) * W;
        const float by = rng.range(0.86f, 1.02f) * H;
        const float len = rng.range(140.0f, 360.0f) * s;
        const float angle = (left ? rng.range(-1.3f, -0.2f) : rng.range(-2.9f, -1.8f));
        const Rgb green = Rgb{0.20f, 0.45f, 0.12f} * rng.range(0.6f, 1.3f);
        p.setPen(QPen(qcolor(green * 0.7f), 3.0f * s));
        const QPointF tip(bx + std::cos(angle) * len, by + std::sin(angle) * len);
        p.drawLine(QPointF(bx, by), tip);
        p.setPen(Qt::NoPen);
        p.setBrush(qcolor(green));
        for (int k = 1; k < 14; ++k) {
            const float t = k / 14.0f;
            const QPointF at(bx + (tip.x() - bx) * t, by + (tip.y() - by) * t);
            const float leaf = (1.0f - t) * 26.0f * s + 4.0f * s;
            for (int side = -1; side <= 1; side += 2) {
                const float a = angle + side * 1.1f;
                p.save();
                p.translate(at);
                p.rotate(a * 180.0f / kPi);
                p.drawEllipse(QPointF(leaf * 0.5f, 0), leaf * 0.6f, leaf * 0.18f);
                p.restore();
            }
        }
    }
    p.end();
    addGrain(image, 10.0f, 55u);
}

// ---------------------------------------------------------------------------------
// 05: a beach with turquoise water, surf, rippled sand and a striped umbrella.
void beach(QImage& image) {
    const int W = image.width(), H = image.height();
    const float s = W / 2592.0f;
    const float horizon = 0.44f * H;
    auto shoreAt = [&](float x) {
        return 0.64f * H + 0.03f * H * std::sin(x / W * 5.0f + 1.0f) +
               0.02f * H * (noise1(x / (160.0f * s), 61u) - 0.5f);
    };
    shade(image, [&](int x, int y) {
        const float fx = static_cast<float>(x), fy = static_cast<float>(y);
        if (fy < horizon) {
            Rgb c = mix(Rgb{0.14f, 0.42f, 0.84f}, Rgb{0.74f, 0.87f, 0.97f}, std::pow(fy / horizon, 1.6f));
            const float wisp = fbm(x / (650.0f * s), y / (55.0f * s), 6, 62u);
            return mix(c, Rgb{0.98f, 0.98f, 1.0f}, smoothstep(0.55f, 0.8f, wisp) * 0.75f);
        }
        const float shore = shoreAt(fx);
        if (fy < shore) {
            const float t = (fy - horizon) / (shore - horizon);
            const Stop sea[] = {
                {0.0f, {0.05f, 0.24f, 0.48f}}, {0.55f, {0.08f, 0.46f, 0.62f}}, {1.0f, {0.32f, 0.76f, 0.74f}}};
            Rgb c = ramp(sea, t);
            const float wave = noise(x / ((12.0f + 160.0f * t) * s), y / ((1.5f + 10.0f * t) * s), 63u);
            c = c * (0.85f + 0.3f * wave);
            c = c + Rgb{1.0f, 1.0f, 1.0f} * (smoothstep(0.78f, 0.95f, wave) * 0.2f);
            const float foam =
                smoothstep(shore - 0.03f * H, shore, fy) * fbm(x / (18.0f * s), y / (5.0f * s), 4, 64u);
            return mix(c, Rgb{0.96f, 0.97f, 0.96f}, smoothstep(0.35f, 0.6f, foam));
        }
        const float beachDepth = (fy - shore) / (H - shore);
        const float ripple =
            std::sin((fy + 50.0f * s * noise(x / (200.0f * s), y / (200.0f * s), 65u)) / (7.0f * s));
        Rgb sand = mix(Rgb{0.93f, 0.83f, 0.64f}, Rgb{0.86f, 0.71f, 0.50f}, beachDepth);
        const float wet = smoothstep(0.10f, 0.0f, beachDepth + 0.03f * noise(x / (40.0f * s), 0.5f, 66u));
        sand = mix(sand, Rgb{0.60f, 0.52f, 0.40f}, wet * 0.8f);
        sand = sand * (0.96f + 0.05f * ripple * (1.0f - wet));
        const std::uint32_t speck = hash2(x, y, 67u) % 1000u;
        if (speck < 6)
            sand = sand * 0.6f;
        else if (speck < 12)
            sand = sand * 1.12f;
        return sand;
    });

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF foot(0.70f * W, 0.86f * H);
    const float radius = 0.16f * W;
    // Shadow on the sand, then the towel, then pole and canopy.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgbF(0.25f, 0.18f, 0.10f, 0.35f));
    p.drawEllipse(QPointF(foot.x() + 0.05f * W, foot.y() + 0.02f * H), radius * 1.05f, radius * 0.28f);
    p.save();
    p.translate(0.42f * W, 0.86f * H);
    p.rotate(-8);
    const QRectF towel(-0.10f * W, -0.05f * H, 0.20f * W, 0.10f * H);
    const Rgb stripes[] = {{0.10f, 0.32f, 0.72f}, {0.97f, 0.96f, 0.92f}, {0.95f, 0.52f, 0.10f}};
    for (int k = 0; k < 9; ++k) {
        p.setBrush(qcolor(stripes[k % 3]));
        p.drawRect(QRectF(towel.left() + towel.width() * k / 9.0f, towel.top(), towel.width() / 9.0f + 0.5f,
                          towel.height()));
    }
    p.restore();
    p.setPen(QPen(qcolor({0.85f, 0.85f, 0.82f}), 9.0f * s));
    const QPointF top(foot.x() - 0.03f * W, 0.56f * H);
    p.drawLine(foot, top);
    p.setPen(Qt::NoPen);
    const QRectF canopy(top.x() - radius, top.y() - radius * 0.35f, 2 * radius, radius * 0.7f);
    for (int k = 0; k < 8; ++k) {
        const Rgb red{0.86f, 0.12f, 0.14f}, white{0.98f, 0.97f, 0.94f};
        p.setBrush(qcolor((k % 2 ? white : red) * (0.8f + 0.03f * k)));
        p.drawPie(canopy, (k * 180 / 8) * 16, (180 / 8) * 16);
    }
    p.end();
    addGrain(image, 9.0f, 68u);
}

// ---------------------------------------------------------------------------------
// 06: a colour chart to judge a print by eye: colour patches, a gray wedge, a hue band,
// channel ramps and fine line patterns. Clean digital colours, no grain.
void colourChart(QImage& image) {
    const int W = image.width(), H = image.height();
    image.fill(qRgb(118, 118, 118));
    QPainter p(&image);
    const float m = 0.03f * W;  // outer margin
    const Rgb patches[] = {
        {1.00f, 0.00f, 0.00f}, {0.00f, 0.75f, 0.00f}, {0.00f, 0.15f, 1.00f}, {0.00f, 0.80f, 0.90f},
        {0.90f, 0.00f, 0.70f}, {1.00f, 0.90f, 0.00f}, {0.98f, 0.55f, 0.05f}, {0.40f, 0.10f, 0.55f},
        {0.95f, 0.80f, 0.70f}, {0.87f, 0.66f, 0.53f}, {0.70f, 0.47f, 0.34f}, {0.42f, 0.26f, 0.17f},
        {0.25f, 0.42f, 0.15f}, {0.55f, 0.72f, 0.30f}, {0.45f, 0.65f, 0.88f}, {0.10f, 0.30f, 0.55f},
        {0.98f, 0.75f, 0.80f}, {0.75f, 0.90f, 0.75f}, {0.78f, 0.82f, 0.98f}, {0.98f, 0.95f, 0.75f},
        {0.55f, 0.12f, 0.12f}, {0.12f, 0.40f, 0.38f}, {0.50f, 0.45f, 0.20f}, {0.30f, 0.30f, 0.36f}};
    const int cols = 8, rows = 3;
    const float areaW = W - 2 * m, patchW = areaW / cols, patchH = 0.12f * H;
    for (int i = 0; i < cols * rows; ++i) {
        const QRectF cell(m + (i % cols) * patchW, m + (i / cols) * patchH, patchW, patchH);
        p.fillRect(cell.adjusted(0.06f * patchW, 0.06f * patchH, -0.06f * patchW, -0.06f * patchH),
                   qcolor(patches[i]));
    }
    float y = m + rows * patchH + 0.02f * H;
    // Gray wedge, 16 steps from black to white.
    const float wedgeH = 0.08f * H;
    p.fillRect(QRectF(m - 3, y - 3, areaW + 6, wedgeH + 6),
               Qt::black);  // the mid step matches the background
    for (int k = 0; k < 16; ++k) {
        const int v = k * 255 / 15;
        p.fillRect(QRectF(m + k * areaW / 16, y, areaW / 16 + 1, wedgeH), QColor(v, v, v));
    }
    y += wedgeH + 0.02f * H;
    // Smooth hue band and one ramp per channel.
    const int x0 = static_cast<int>(m), x1 = static_cast<int>(W - m);
    const int bandH = static_cast<int>(0.045f * H);
    for (int band = 0; band < 5; ++band) {
        const int top = static_cast<int>(y) + band * bandH;
        for (int x = x0; x < x1; ++x) {
            const float t = static_cast<float>(x - x0) / (x1 - x0 - 1);
            QColor c;
            switch (band) {
                case 0:
                    c = QColor::fromHsvF(std::min(t, 0.9999f), 1.0f, 1.0f);
                    break;
                case 1:
                    c = qcolor({t, 0, 0});
                    break;
                case 2:
                    c = qcolor({0, t, 0});
                    break;
                case 3:
                    c = qcolor({0, 0, t});
                    break;
                default:
                    c = qcolor({t, t, t});
                    break;
            }
            p.fillRect(QRect(x, top, 1, bandH - 2), c);
        }
    }
    y += 5 * bandH + 0.02f * H;
    // Line pairs of 1 to 4 pixels and a star of fine rays show sharpness and scaling.
    const int bottom = static_cast<int>(H - m);
    float x = m;
    for (int width = 1; width <= 4; ++width) {
        const float blockW = 0.12f * W;
        p.fillRect(QRectF(x, y, blockW, bottom - y), Qt::white);
        for (int lx = 0; lx + width <= blockW; lx += 2 * width)
            p.fillRect(QRectF(x + lx, y, width, bottom - y), Qt::black);
        x += blockW + 0.02f * W;
    }
    const QPointF centre((x + W - m) / 2.0f, (y + bottom) / 2.0f);
    const float radius = std::min((W - m - x) / 2.0f, (bottom - y) / 2.0f);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::black);
    for (int k = 0; k < 36; k += 2) {
        const float a0 = k * 10.0f, r = radius * 0.98f;
        QPainterPath ray;
        ray.moveTo(centre);
        ray.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), a0, 10.0f);
        ray.closeSubpath();
        p.drawPath(ray);
    }
    p.end();
}

// ---------------------------------------------------------------------------------
// 07 (portrait): snow-capped mountains mirrored in a still lake, pebbles in front.
void mountainLake(QImage& image) {
    const int W = image.width(), H = image.height();
    const float s = W / 1536.0f;
    const int lakeTop = static_cast<int>(0.56f * H);
    std::vector<float> peak(static_cast<std::size_t>(W)), hills(static_cast<std::size_t>(W));
    for (int x = 0; x < W; ++x) {
        const float u = (x - 0.58f * W) / (0.25f * W);
        const float h = 0.07f + 0.13f * fbm1(x / (380.0f * s), 6, 71u) +
                        0.025f * ridged(x / (160.0f * s), 0.5f, 3, 70u) + 0.18f * std::exp(-u * u);
        peak[static_cast<std::size_t>(x)] = lakeTop - h * H;
        // Conifers on the near shore: a spiky edge from sharp noise.
        const float spikes = ridged(x / (7.0f * s), 0.5f, 2, 72u);
        hills[static_cast<std::size_t>(x)] =
            lakeTop - H * (0.025f + 0.045f * fbm1(x / (260.0f * s), 4, 73u) + 0.018f * spikes);
    }
    const Rgb skyTop{0.20f, 0.42f, 0.78f}, skyLow{0.72f, 0.83f, 0.93f};
    for (int y = 0; y < lakeTop; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < W; ++x) {
            const float fy = static_cast<float>(y);
            const Rgb air = mix(skyTop, skyLow, fy / lakeTop);
            Rgb c = air;
            if (fy >= hills[static_cast<std::size_t>(x)]) {
                const float needles = noise(x / (3.0f * s), y / (9.0f * s), 74u);
                c = Rgb{0.05f, 0.14f, 0.08f} * (0.6f + 0.8f * needles);
            } else if (fy >= peak[static_cast<std::size_t>(x)]) {
                const float altitude = (lakeTop - fy) / (0.46f * H);
                const float rock = ridged(x / (45.0f * s), y / (150.0f * s), 5, 75u);
                const float slope = ridged((x + 3.0f) / (45.0f * s), y / (150.0f * s), 5, 75u) - rock;
                const float light = clamp01(0.6f + slope * 12.0f);
                c = mix(Rgb{0.24f, 0.24f, 0.28f}, Rgb{0.55f, 0.53f, 0.55f}, rock) * (0.6f + 0.6f * light);
                const float snowLine = 0.50f + 0.12f * (noise(x / (60.0f * s), y / (40.0f * s), 76u) - 0.5f);
                const float snow = smoothstep(snowLine, snowLine + 0.04f, altitude + 0.15f * (rock - 0.5f));
                c = mix(c, Rgb{0.86f, 0.90f, 0.98f} * (0.75f + 0.35f * light), snow);
                const float forest =
                    smoothstep(0.22f, 0.12f, altitude) *
                    smoothstep(0.45f, 0.55f, noise(x / (30.0f * s), y / (20.0f * s), 77u) + 0.3f);
                c = mix(c, Rgb{0.10f, 0.22f, 0.12f}, forest);
                c = mix(c, air, 0.22f);  // distance haze
            } else {
                const float cloud = fbm(x / (300.0f * s), y / (90.0f * s), 5, 78u);
                c = mix(c, Rgb{0.97f, 0.97f, 0.98f}, smoothstep(0.58f, 0.78f, cloud) * 0.9f);
            }
            line[x] = toPixel(c);
        }
    }
    reflect(image, lakeTop, s, {0.04f, 0.14f, 0.20f}, 0.72f, 79u);
    // Pebbles on the near shore: cells of a jittered grid, each a rounded stone.
    const int shore = static_cast<int>(0.88f * H);
    const float cell = 46.0f * s;
    for (int y = shore; y < H; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < W; ++x) {
            const float edge = shore + 40.0f * s * noise1(x / (90.0f * s), 85u);
            const float fx = x / cell, fy = y / cell;
            const int cx = static_cast<int>(std::floor(fx)), cy = static_cast<int>(std::floor(fy));
            float best = 9.0f, second = 9.0f;
            std::uint32_t bestId = 0;
            for (int j = -1; j <= 1; ++j)
                for (int i = -1; i <= 1; ++i) {
                    const float px = cx + i + lattice(cx + i, cy + j, 80u),
                                py = cy + j + lattice(cx + i, cy + j, 81u);
                    const float d = std::sqrt((px - fx) * (px - fx) + (py - fy) * (py - fy));
                    if (d < best) {
                        second = best;
                        best = d;
                        bestId = hash2(cx + i, cy + j, 82u);
                    } else if (d < second) {
                        second = d;
                    }
                }
            const Rgb tones[] = {
                {0.55f, 0.50f, 0.45f}, {0.40f, 0.38f, 0.36f}, {0.66f, 0.60f, 0.52f}, {0.48f, 0.36f, 0.28f}};
            Rgb stone = tones[bestId % 4] * (0.8f + 0.25f * noise(x / (6.0f * s), y / (6.0f * s), 83u));
            // Rounded: brighter towards each stone's middle, dark in the gaps.
            stone = stone * (0.25f + 0.75f * smoothstep(0.0f, 0.3f, second - best)) * (1.15f - 0.5f * best);
            const float blend = smoothstep(edge, edge + 30.0f * s, static_cast<float>(y));
            line[x] = toPixel(mix(fromPixel(line[x]), stone, blend));
        }
    }
    addGrain(image, 9.0f, 84u);
}

// ---------------------------------------------------------------------------------
// 08 (portrait): an autumn twig against soft out-of-focus foliage.
void autumnLeaves(QImage& image) {
    const int W = image.width(), H = image.height();
    const float s = W / 1200.0f;
    shade(image, [&](int x, int y) {
        const float f = fbm(x / (260.0f * s), y / (260.0f * s), 4, 91u);
        const Stop bokeh[] = {{0.0f, {0.10f, 0.12f, 0.05f}},
                              {0.45f, {0.28f, 0.30f, 0.08f}},
                              {0.7f, {0.62f, 0.38f, 0.08f}},
                              {1.0f, {0.85f, 0.62f, 0.20f}}};
        return ramp(bokeh, f * 1.2f - 0.1f);
    });
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(808);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        const QPointF c(rng.range(0.0f, static_cast<float>(W)), rng.range(0.0f, static_cast<float>(H)));
        const float r = rng.range(15.0f, 80.0f) * s;
        const Rgb tone = rng.below(3) == 0 ? Rgb{0.6f, 0.7f, 0.3f} : Rgb{0.8f, 0.55f, 0.2f};
        QRadialGradient g(c, r);
        const float a = rng.range(0.12f, 0.4f);
        g.setColorAt(0.0, qcolor(tone, a * 0.7f));
        g.setColorAt(0.85, qcolor(tone, a));
        g.setColorAt(1.0, qcolor(tone, 0.0f));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // The twig: one curved branch with a few side shoots.
    QPainterPath branch;
    branch.moveTo(-0.05f * W, 0.18f * H);
    branch.cubicTo(0.30f * W, 0.25f * H, 0.55f * W, 0.42f * H, 1.05f * W, 0.55f * H);
    auto onBranch = [&](float t) { return branch.pointAtPercent(t); };
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(qcolor({0.18f, 0.11f, 0.06f}), 18.0f * s, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(branch);
    p.setPen(QPen(qcolor({0.42f, 0.30f, 0.20f}), 5.0f * s, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(branch.translated(0, -5.0f * s));

    const Stop autumn[] = {
        {0.0f, {0.70f, 0.08f, 0.05f}}, {0.5f, {0.93f, 0.42f, 0.06f}}, {1.0f, {0.98f, 0.78f, 0.15f}}};
    for (int i = 0; i < 16; ++i) {
        const QPointF at = onBranch(0.08f + 0.055f * i);
        const float len = rng.range(150.0f, 260.0f) * s, wid = len * rng.range(0.45f, 0.6f);
        const float angle = (i % 2 ? 1.0f : -1.0f) * rng.range(30.0f, 75.0f) + 90.0f;
        const float hue = rng.uniform();
        p.save();
        p.translate(at);
        p.rotate(angle);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.cubicTo(len * 0.25f, -wid * 0.6f, len * 0.75f, -wid * 0.5f, len, 0);
        leaf.cubicTo(len * 0.75f, wid * 0.5f, len * 0.25f, wid * 0.6f, 0, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgbF(0, 0, 0, 0.25f));  // shadow
        p.drawPath(leaf.translated(8.0f * s, 10.0f * s));
        QLinearGradient fill(0, -wid / 2, len, wid / 2);
        fill.setColorAt(0, qcolor(ramp(autumn, hue * 0.7f)));
        fill.setColorAt(1, qcolor(ramp(autumn, std::min(1.0f, hue * 0.7f + 0.35f))));
        p.setBrush(fill);
        p.drawPath(leaf);
        p.setPen(QPen(qcolor(ramp(autumn, 1.0f) * 1.1f, 0.7f), 2.5f * s));
        p.drawLine(QPointF(0, 0), QPointF(len * 0.95f, 0));
        p.setPen(QPen(qcolor(ramp(autumn, 1.0f), 0.45f), 1.2f * s));
        for (int v = 1; v < 7; ++v) {
            const float vx = len * v / 8.0f;
            const float reach = wid * 0.42f * std::sin(kPi * v / 8.0f);
            p.drawLine(QPointF(vx, 0), QPointF(vx + len * 0.1f, -reach));
            p.drawLine(QPointF(vx, 0), QPointF(vx + len * 0.1f, reach));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgbF(0.25f, 0.10f, 0.03f, 0.5f));
        for (int spot = rng.below(5); spot > 0; --spot)
            p.drawEllipse(QPointF(rng.range(0.3f, 0.8f) * len, rng.range(-0.15f, 0.15f) * wid), 5.0f * s,
                          4.0f * s);
        p.restore();
    }
    p.end();
    addGrain(image, 6.0f, 92u);
}

const Scene kScenes[] = {
    {"01-sunset-hills.jpg", 4000, 3000, sunsetHills},          // 12.0 MP
    {"02-flower-field.jpg", 3264, 2448, flowerField},          // 8.0 MP
    {"03-city-dusk.jpg", 3000, 2000, cityDusk},                // 6.0 MP
    {"04-forest-waterfall.jpg", 2000, 3000, forestWaterfall},  // 6.0 MP, portrait
    {"05-beach-umbrella.jpg", 2592, 1944, beach},              // 5.0 MP
    {"06-colour-chart.png", 1800, 1125, colourChart},          // 2.0 MP
    {"07-mountain-lake.jpg", 1536, 2048, mountainLake},        // 3.1 MP, portrait
    {"08-autumn-leaves.png", 1200, 1680, autumnLeaves},        // 2.0 MP, portrait
};

}  // namespace

const Scene* scenes(int* count) {
    *count = static_cast<int>(std::size(kScenes));
    return kScenes;
}

const Scene* findScene(const QString& fileName) {
    for (const Scene& scene : kScenes)
        if (fileName == QLatin1String(scene.fileName)) return &scene;
    return nullptr;
}

}  // namespace samplegen
