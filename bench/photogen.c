/* photogen: a photo-like test picture as binary PPM on stdout, the same for the
 * same seed: colour gradients, soft value-noise texture at three scales, a few
 * blurry blobs and film grain.
 *
 *     cc -O2 -o photogen photogen.c -lm
 *     ./photogen WIDTH HEIGHT SEED | cjpeg -quality 90 > photo.jpg
 */
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

static uint64_t state;
static uint32_t next(void) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return (uint32_t)(state >> 11);
}
static double unit(void) { return (next() & 0xffffff) / 16777216.0; }

/* A lattice of random values, smoothly interpolated. */
typedef struct {
    int w, h;
    float* v;
} Lattice;

static Lattice lattice(int w, int h) {
    Lattice l = {w, h, malloc(sizeof(float) * (size_t)w * (size_t)h)};
    for (int i = 0; i < w * h; ++i) l.v[i] = (float)unit();
    return l;
}

static double smooth(double t) { return t * t * (3 - 2 * t); }

static double sample(const Lattice* l, double x, double y) {
    int x0 = (int)x, y0 = (int)y;
    double fx = smooth(x - x0), fy = smooth(y - y0);
    int x1 = x0 + 1 < l->w ? x0 + 1 : x0, y1 = y0 + 1 < l->h ? y0 + 1 : y0;
    double a = l->v[y0 * l->w + x0], b = l->v[y0 * l->w + x1];
    double c = l->v[y1 * l->w + x0], d = l->v[y1 * l->w + x1];
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

static int clamp(double v) { return v < 0 ? 0 : v > 255 ? 255 : (int)v; }

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: photogen WIDTH HEIGHT SEED\n");
        return 2;
    }
    const int w = atoi(argv[1]), h = atoi(argv[2]);
    state = 0x9E3779B97F4A7C15ull ^ (uint64_t)strtoull(argv[3], NULL, 10) * 0xD1B54A32D192ED03ull;
    if (w < 8 || h < 8 || (double)w * h > 2e8) {
        fprintf(stderr, "photogen: size out of range\n");
        return 2;
    }
    /* Texture at three scales: coarse shapes, medium detail, fine structure. */
    const int scales[3] = {6, 40, 300};
    Lattice tex[3][3];
    for (int s = 0; s < 3; ++s)
        for (int c = 0; c < 3; ++c) tex[s][c] = lattice(scales[s] + 2, scales[s] * h / w + 2);
    double sky[3], ground[3];
    for (int c = 0; c < 3; ++c) {
        sky[c] = 90 + 150 * unit();
        ground[c] = 20 + 120 * unit();
    }
    const double horizon = 0.35 + 0.3 * unit();

    unsigned char* row = malloc((size_t)w * 3);
    printf("P6\n%d %d\n255\n", w, h);
    for (int y = 0; y < h; ++y) {
        const double v = (double)y / h;
        for (int x = 0; x < w; ++x) {
            const double u = (double)x / w;
            const double edge = horizon + 0.08 * sin(u * 9.0 + 1.3) + 0.05 * (sample(&tex[0][0], u * scales[0], v * scales[0] * h / w) - 0.5);
            const double blend = 1 / (1 + exp(-(v - edge) * 40));
            for (int c = 0; c < 3; ++c) {
                double base = sky[c] * (1 - blend) + ground[c] * blend;
                base += 60 * (sample(&tex[0][c], u * scales[0], v * scales[0] * h / w) - 0.5);
                base += 35 * blend * (sample(&tex[1][c], u * scales[1], v * scales[1] * h / w) - 0.5);
                base += 40 * blend * (sample(&tex[2][c], u * scales[2], v * scales[2] * h / w) - 0.5);
                base += 30 * (u - 0.5) * (c == 0 ? 1 : -0.5);
                /* Grain: the sum of three uniforms is near enough to a bell. */
                base += 17.0 * (unit() + unit() + unit() - 1.5);
                row[3 * x + c] = (unsigned char)clamp(base);
            }
        }
        fwrite(row, 3, (size_t)w, stdout);
    }
    free(row);
    return 0;
}
