// The pictures that are computed pixel by pixel: the main window's fractal,
// the hidden window's fractal mosaic and the intro's mosaic floor. This file
// is compiled with optimisation even in debug builds (see CMakeLists.txt):
// the main window's background is computed when the program starts.

#include "resources/ArtworkPainters.h"

#include <QtConcurrentMap>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <numeric>
#include <vector>

namespace resources::detail {
namespace {

// ---------------------------------------------------------------------------
// Small tools

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb operator*(Rgb a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
Rgb lerp(Rgb a, Rgb b, double t) {
    return a * (1 - t) + b * t;
}

constexpr Rgb hex(std::uint32_t v) {
    return {double((v >> 16) & 0xff), double((v >> 8) & 0xff), double(v & 0xff)};
}

QRgb pack(Rgb c) {
    auto clamp = [](double v) { return int(std::lround(std::clamp(v, 0.0, 255.0))); };
    return qRgb(clamp(c.r), clamp(c.g), clamp(c.b));
}

// A colour ramp: stops at increasing positions from 0 to 1.
struct Stop {
    double at;
    Rgb colour;
};

template <std::size_t N> Rgb ramp(const std::array<Stop, N>& stops, double t) {
    t = std::clamp(t, 0.0, 1.0);
    for (std::size_t i = 1; i < N; ++i) {
        if (t <= stops[i].at) {
            const double span = stops[i].at - stops[i - 1].at;
            const double u = span > 0 ? (t - stops[i - 1].at) / span : 0;
            // Smoothstep between stops hides the kinks of a linear ramp.
            return lerp(stops[i - 1].colour, stops[i].colour, u * u * (3 - 2 * u));
        }
    }
    return stops[N - 1].colour;
}

// A repeatable pseudo-random number in [0, 1) for integer coordinates.
double hash(int x, int y, int salt = 0) {
    std::uint32_t h = std::uint32_t(x) * 0x8da6b343u ^ std::uint32_t(y) * 0xd8163841u ^
                      std::uint32_t(salt) * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return double(h & 0xffffff) / double(0x1000000);
}

// Runs work(row) for every row from 0 to count - 1, shared out over the
// processor's cores by Qt's thread pool; returns when all are done. Each row is
// worked on by one call only, so calls may write to their own rows unguarded.
template <typename Work> void forEachRow(int count, const Work& work) {
    std::vector<int> rows(std::size_t(std::max(count, 0)));
    std::iota(rows.begin(), rows.end(), 0);
    QtConcurrent::blockingMap(rows, [&work](int row) { work(row); });
}

// Fills every pixel of an image from a function of the pixel's centre in
// logical coordinates. QImage is reentrant, not thread-safe (scanLine() may
// detach its data), so its memory is taken once here, on the calling thread;
// the workers only write pixels into that memory.
template <typename Shader> void shade(QImage& image, qreal ratio, const Shader& shader) {
    const int width = image.width();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    forEachRow(image.height(), [&](int y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        for (int x = 0; x < width; ++x)
            line[x] = shader((x + 0.5) / ratio, (y + 0.5) / ratio);
    });
}

QImage blankImage(const QSize& size, qreal ratio) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

// ---------------------------------------------------------------------------
// The main window's Julia set, in reds and greens

// Smooth escape counts of the Julia set z -> z^2 + c for four points at a
// time (negative inside the set). The four lanes run in step in plain arrays,
// which the compiler turns into vector instructions; neighbouring points
// escape at about the same time, so little work is wasted.
constexpr int kLanes = 4;

void juliaEscape(const double* x, const double* y, double cx, double cy, int limit, double* mu) {
    double zx[kLanes], zy[kLanes];
    bool done[kLanes];
    int running = kLanes;
    for (int k = 0; k < kLanes; ++k) {
        zx[k] = x[k];
        zy[k] = y[k];
        done[k] = false;
        mu[k] = -1;
    }
    for (int n = 0; n < limit && running > 0; ++n) {
        double xx[kLanes], yy[kLanes];
        for (int k = 0; k < kLanes; ++k) {
            xx[k] = zx[k] * zx[k];
            yy[k] = zy[k] * zy[k];
        }
        for (int k = 0; k < kLanes; ++k) {
            if (!done[k] && xx[k] + yy[k] > 1.0e4) {
                done[k] = true;
                --running;
                mu[k] = n + 1 - std::log2(0.5 * std::log(xx[k] + yy[k]));
            }
        }
        for (int k = 0; k < kLanes; ++k) {
            const double nx = xx[k] - yy[k] + cx;
            const double ny = 2 * zx[k] * zy[k] + cy;
            // A lane that has escaped idles at 0 instead of running off to infinity.
            zx[k] = done[k] ? 0.0 : nx;
            zy[k] = done[k] ? 0.0 : ny;
        }
    }
}

const std::array<Stop, 9> kEmberAndLeaf{{
    {0.00, hex(0x050104)},
    {0.16, hex(0x3a0309)},
    {0.32, hex(0x9c0f1c)},
    {0.44, hex(0xe8452a)},
    {0.50, hex(0xffd98a)},
    {0.56, hex(0x8fdc6a)},
    {0.68, hex(0x1f9a45)},
    {0.84, hex(0x0a4522)},
    {1.00, hex(0x050104)},
}};

// The spiral Julia set of c = -0.7269 + 0.1889i.
constexpr double kJuliaX = -0.7269, kJuliaY = 0.1889;

Rgb juliaColour(double mu) {
    if (mu < 0)
        return hex(0x020503);
    // The escape count grows towards the set's edge; its logarithm spreads the
    // bands evenly, and the ramp repeats so both colours come round.
    const double t = std::fmod(std::log(mu + 1.0) * 0.62 + 0.35, 1.0);
    return ramp(kEmberAndLeaf, t);
}

// ---------------------------------------------------------------------------
// Mosaic: tiles set in grout, each tile one colour taken from a design

struct Tile {
    Rgb colour;
    double coverage;  // 1 inside a tile, 0 in the grout, between at the edges
    double lightness; // bevel: above 1 towards the top left, below towards the bottom right
};

// Where a point falls among tiles of a given size; rows are shifted at random
// like a hand-set floor when `staggered`. Returns the tile's cell and the
// point's place inside it.
struct Cell {
    int column, row;
    double u, v; // 0..size
    double left; // the cell's left edge in logical coordinates
};

Cell locate(double x, double y, double size, bool staggered) {
    const int row = int(std::floor(y / size));
    const double shift = staggered ? hash(row, 7, 3) * size : 0.0;
    const int column = int(std::floor((x + shift) / size));
    const double left = column * size - shift;
    return {column, row, x - left, y - row * size, left};
}

// The shape of the tile inside its cell: a slightly irregular rounded square.
Tile tileAt(const Cell& cell, double size, double grout, qreal ratio, Rgb colour) {
    const double j = 0.22 * size; // jitter of each edge
    const double l = grout / 2 + hash(cell.column, cell.row, 11) * j * 0.5;
    const double r = size - grout / 2 - hash(cell.column, cell.row, 12) * j * 0.5;
    const double t = grout / 2 + hash(cell.column, cell.row, 13) * j * 0.5;
    const double b = size - grout / 2 - hash(cell.column, cell.row, 14) * j * 0.5;
    const double radius = std::min(1.2, size * 0.18);
    const double cx = (l + r) / 2, cy = (t + b) / 2;
    const double hx = (r - l) / 2 - radius, hy = (b - t) / 2 - radius;
    const double dx = std::abs(cell.u - cx) - hx, dy = std::abs(cell.v - cy) - hy;
    const double outside = std::hypot(std::max(dx, 0.0), std::max(dy, 0.0));
    const double inside = std::min(std::max(dx, dy), 0.0);
    const double distance = outside + inside - radius; // negative inside
    const double coverage = std::clamp(0.5 - distance * ratio, 0.0, 1.0);
    // Each stone differs a little in tone.
    const double tone = 0.92 + 0.16 * hash(cell.column, cell.row, 21);
    const double px = (cell.u - cx) / std::max(1.0, (r - l) / 2);
    const double py = (cell.v - cy) / std::max(1.0, (b - t) / 2);
    const double edge = std::max(std::abs(px), std::abs(py));
    double light = 1.0 - 0.07 * (px + py);
    if (edge > 0.72)
        light += (px + py < 0 ? 0.10 : -0.14) * (edge - 0.72) / 0.28;
    return {colour * tone, coverage, light};
}

Rgb setInGrout(const Tile& tile, Rgb grout) {
    return lerp(grout, tile.colour * tile.lightness, tile.coverage);
}

// ---------------------------------------------------------------------------
// The hidden window's picture: the whole Mandelbrot set as a Byzantine
// mosaic, a gold figure on bands of lapis, turquoise, white and red

const std::array<Stop, 8> kJewels{{
    {0.00, hex(0x070d26)},
    {0.30, hex(0x173a8a)},
    {0.50, hex(0x2d8fb8)},
    {0.62, hex(0x9fdde0)},
    {0.72, hex(0xf7f2e2)},
    {0.82, hex(0xe0a23a)},
    {0.92, hex(0xb2321e)},
    {1.00, hex(0x4e0c22)},
}};

constexpr Rgb kSmaltiGold = hex(0xd9a93e);

Rgb secretDesign(double x, double y, const QSize& size, int column, int row) {
    // The picture spans 3.7 units, the set in the middle with room around it.
    const double unit = 3.7 / size.width();
    const double cr = -0.72 + (x - size.width() / 2.0) * unit;
    const double ci = (y - size.height() / 2.0) * unit;
    double zx = 0, zy = 0;
    for (int n = 0; n < 500; ++n) {
        const double xx = zx * zx, yy = zy * zy;
        if (xx + yy > 1.0e4) {
            const double mu = n + 1 - std::log2(0.5 * std::log(xx + yy));
            // From deep lapis far out to red at the set's edge.
            return ramp(kJewels, (std::log2(mu) - 0.6) / 4.6);
        }
        zy = 2 * zx * zy + ci;
        zx = xx - yy + cr;
    }
    // Gold smalti, deeper where the orbit settles near the origin, and here
    // and there a stone that catches the light.
    if (hash(column, row, 5) > 0.88)
        return hex(0xf8e39a);
    const double settle = std::clamp(std::sqrt(zx * zx + zy * zy) * 1.6, 0.0, 1.0);
    return lerp(hex(0x9a5a16), kSmaltiGold, settle);
}

// ---------------------------------------------------------------------------
// The intro's floor: a Roman mosaic in stone colours, laid on a grid of tiles

namespace stone {
constexpr Rgb cream = hex(0xeadfc6);
constexpr Rgb marble = hex(0xf5f0e4);
constexpr Rgb sand = hex(0xd6c29a);
constexpr Rgb ochre = hex(0xc9973b);
constexpr Rgb terracotta = hex(0xb4462c);
constexpr Rgb oxblood = hex(0x7e2419);
constexpr Rgb slate = hex(0x2f4a73);
constexpr Rgb ink = hex(0x1c2230);
constexpr Rgb serpentine = hex(0x4e6a4a);
constexpr Rgb grout = hex(0x9c917e);
} // namespace stone

// The intro floor is designed for a window of 792 x 573 and scaled to the
// size asked for. Its grid has 88 x 64 square-ish tiles; the medallion on the
// right is laid in rings, as the emblem of a Roman floor is.
constexpr double kIntroWidth = 792, kIntroHeight = 573;
constexpr int kIntroColumns = 88, kIntroRows = 64;
constexpr double kCellW = kIntroWidth / kIntroColumns, kCellH = kIntroHeight / kIntroRows;
constexpr double kMedallionX = 562, kMedallionY = 287, kMedallionRadius = 160;
constexpr double kRing = 8.6; // width of one ring of the medallion

// The panel behind the product's name (cells, inclusive): the letters stand
// at x 88 to 345, y 88 to 152 of the window.
constexpr int kPanelLeft = 8, kPanelRight = 41, kPanelTop = 8, kPanelBottom = 18;

Rgb introGridCell(int c, int r) {
    const int edge = std::min({c, r, kIntroColumns - 1 - c, kIntroRows - 1 - r});
    // The border, six tiles deep, from the outside in: a black frame, a white
    // line, a band of stepped red triangles, a blue line.
    if (edge == 0)
        return stone::ink;
    if (edge == 1)
        return stone::marble;
    if (edge >= 2 && edge <= 4) {
        const bool horizontal =
            (r == edge || kIntroRows - 1 - r == edge) && c >= edge && c <= kIntroColumns - 1 - edge;
        const int along = horizontal ? c : r;
        const int depth = edge - 2; // 0 outside .. 2 inside
        const int step = ((along % 6) + 6) % 6;
        const int rise = step < 3 ? step : 5 - step;
        return depth <= rise ? stone::terracotta : stone::sand;
    }
    if (edge == 5)
        return stone::slate;

    // The panel for the name: white marble framed in black and red.
    if (c >= kPanelLeft && c <= kPanelRight && r >= kPanelTop && r <= kPanelBottom) {
        const int inner =
            std::min({c - kPanelLeft, kPanelRight - c, r - kPanelTop, kPanelBottom - r});
        if (inner == 0)
            return stone::ink;
        if (inner == 1)
            return stone::terracotta;
        return stone::marble;
    }

    // The open field: cream, sown with small crosses, red hearts with green
    // arms, in a staggered lattice.
    const int lr = r - 3, lc = c - 3 + ((lr / 9) % 2) * 6;
    const int mr = ((lr % 9) + 9) % 9, mc = ((lc % 12) + 12) % 12;
    if ((mr == 4 && mc >= 5 && mc <= 7) || (mc == 6 && mr >= 3 && mr <= 5))
        return (mr == 4 && mc == 6) ? stone::terracotta : stone::serpentine;
    return stone::cream;
}

// The medallion's colour at ring k (0 at the centre), tile i of n in it.
Rgb introRingCell(int k, int i, int n, int rings) {
    const int fromOut = rings - 1 - k;
    switch (fromOut) {
    case 0:
        return stone::ink;
    case 1:
    case 3:
    case 6:
        return stone::marble;
    case 2:
        return stone::terracotta;
    case 4:
    case 5:
        // A chequer of blue and gold, shifted between the two rings.
        return ((i + fromOut) % 2 == 0) ? stone::slate : stone::ochre;
    default:
        break;
    }
    // The rosette: eight petals, red and blue by turns, outlined in black,
    // around a gold heart.
    if (k == 0)
        return stone::ochre;
    if (k == 1)
        return stone::oxblood;
    const double rho = (k + 0.5) / (rings - 7.0);
    const double angle = (i + 0.5) / n * 8.0; // petals
    const int petal = int(std::floor(angle));
    const double phi = std::abs(angle - petal - 0.5) * 2.0; // 0 at the petal's axis
    const double halfWidth =
        std::pow(std::sin(std::numbers::pi * std::clamp(rho * 1.02, 0.0, 1.0)), 0.7);
    if (phi < halfWidth * 0.72)
        return petal % 2 == 0 ? stone::terracotta : stone::slate;
    if (phi < halfWidth * 0.98 || (rho > 0.93 && phi < 0.35))
        return stone::ink;
    return stone::marble;
}

} // namespace

// ---------------------------------------------------------------------------

QImage renderMainBackground(const QSize& size, qreal ratio) {
    QImage image = blankImage(size, ratio);
    const int width = image.width(), height = image.height();
    // The set is viewed centred on its centre of symmetry, turned a little, so
    // its spirals fill the picture; a point and its opposite through the
    // centre escape alike, which halves the work.
    const double span = 2.55;
    const double unit = span / width;
    const double angle = -0.42;
    const double ca = std::cos(angle) * unit, sa = std::sin(angle) * unit;
    // On a normal screen every pixel averages the colours at its four corners
    // (neighbours share corners, so this costs one sample a pixel); a dense
    // screen has the pixels to show the detail itself, sampled at their centres.
    const bool corners = ratio < 1.5;
    const int gw = corners ? width + 1 : width, gh = corners ? height + 1 : height;
    const double offset = corners ? 0.0 : 0.5;
    std::vector<Rgb> grid(std::size_t(gw) * std::size_t(gh));
    const int half = (gh + 1) / 2;
    forEachRow(half, [&](int j) {
        const double v = j + offset - height / 2.0;
        for (int i = 0; i < gw; i += kLanes) {
            double zx[kLanes], zy[kLanes], mu[kLanes];
            for (int k = 0; k < kLanes; ++k) {
                const double u = i + k + offset - width / 2.0;
                zx[k] = u * ca - v * sa;
                zy[k] = u * sa + v * ca;
            }
            juliaEscape(zx, zy, kJuliaX, kJuliaY, 300, mu);
            for (int k = 0; k < kLanes && i + k < gw; ++k) {
                const Rgb c = juliaColour(mu[k]);
                grid[std::size_t(j) * gw + i + k] = c;
                grid[std::size_t(gh - 1 - j) * gw + (gw - 1 - i - k)] = c;
            }
        }
    });
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const Rgb* top = &grid[std::size_t(y) * gw];
        if (!corners) {
            for (int x = 0; x < width; ++x)
                line[x] = pack(top[x]);
            continue;
        }
        const Rgb* bottom = top + gw;
        for (int x = 0; x < width; ++x)
            line[x] = pack((top[x] + top[x + 1] + bottom[x] + bottom[x + 1]) * 0.25);
    }
    return image;
}

QImage renderSecretPicture(const QSize& size, qreal ratio) {
    QImage image = blankImage(size, ratio);
    const double tileSize = std::max(3.0, size.width() / 96.0);
    const double grout = tileSize * 0.18;
    const Rgb groutColour = hex(0x3a342c);
    // Each tile takes one colour: the design at its centre, worked out once.
    const int rows = int(std::ceil(size.height() / tileSize)) + 1;
    const int columns = int(std::ceil(size.width() / tileSize)) + 2;
    std::vector<Rgb> design(std::size_t(rows) * std::size_t(columns));
    forEachRow(rows, [&](int r) {
        for (int c = 0; c < columns; ++c) {
            const Cell cell = locate(0, r * tileSize, tileSize, true);
            const double cx = cell.left + (c - cell.column) * tileSize + tileSize / 2;
            design[std::size_t(r) * columns + c] =
                secretDesign(cx, r * tileSize + tileSize / 2, size, c, r);
        }
    });
    shade(image, ratio, [&](double x, double y) {
        const Cell cell = locate(x, y, tileSize, true);
        const int r = std::clamp(cell.row, 0, rows - 1);
        const int c = std::clamp(
            cell.column - locate(0, cell.row * tileSize, tileSize, true).column, 0, columns - 1);
        const Tile tile =
            tileAt(cell, tileSize, grout, ratio, design[std::size_t(r) * columns + c]);
        return pack(setInGrout(tile, groutColour));
    });
    return image;
}

QImage renderIntroBackground(const QSize& size, qreal ratio) {
    QImage image = blankImage(size, ratio);
    const double scale = std::min(size.width() / kIntroWidth, size.height() / kIntroHeight);
    const double sx = size.width() / kIntroWidth, sy = size.height() / kIntroHeight;
    const double grout = 1.3;
    const int rings = int(kMedallionRadius / kRing);
    const double medallion = rings * kRing;
    shade(image, ratio, [&](double px, double py) {
        // In the design's own coordinates.
        const double x = px / sx, y = py / sy;
        const double detail = ratio * scale; // device pixels per design pixel
        const double dx = x - kMedallionX, dy = y - kMedallionY;
        const double d = std::hypot(dx, dy);
        if (d < medallion) {
            // Rings of tiles, each ring holding about as many as fit its length,
            // in eights so the rosette keeps its symmetry.
            const int k = std::min(rings - 1, int(d / kRing));
            const int n = 8 * std::max(1, int(std::lround(2 * std::numbers::pi * (k + 0.5) / 8)));
            const double turn =
                (std::atan2(dy, dx) + std::numbers::pi) / (2 * std::numbers::pi) * n;
            const int i = std::min(n - 1, int(turn));
            const Cell cell{i, k + 1000, (turn - i) * kRing, d - k * kRing, 0};
            const Rgb colour = introRingCell(k, i, n, rings);
            return pack(setInGrout(tileAt(cell, kRing, grout, detail, colour), stone::grout));
        }
        const Cell cell{int(x / kCellW), int(y / kCellH), std::fmod(x, kCellW) * 9.0 / kCellW,
                        std::fmod(y, kCellH) * 9.0 / kCellH, 0};
        Tile tile = tileAt(cell, 9.0, grout, detail, introGridCell(cell.column, cell.row));
        // Tiles cut along the medallion's edge leave a line of grout there.
        tile.coverage *= std::clamp((d - medallion - grout / 2) * detail + 0.5, 0.0, 1.0);
        return pack(setInGrout(tile, stone::grout));
    });
    return image;
}

} // namespace resources::detail
