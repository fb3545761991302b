// Renders the window's background picture: a dark panelled room lit by a
// lamp and a dusk window, in reddish-brown tones, written as a 24-bit
// uncompressed BMP.  Deterministic: the same picture on every run, so the
// committed file can be checked against a fresh rendering.
//
// Usage: make_background <output.bmp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

constexpr int imageWidth = 686;
constexpr int imageHeight = 456;

// The window shows the top-left 410 x 319 pixels, so the room's vanishing
// point sits inside that part.
constexpr double centreX = 225.0;
constexpr double centreY = 165.0;
constexpr double focalLength = 330.0;

constexpr double roomLeft = -3.0, roomRight = 3.4;
constexpr double roomFloor = -1.5, roomCeiling = 1.7;
constexpr double roomDepth = 7.0;

struct Vec {
    double x = 0, y = 0, z = 0;
};
Vec operator+(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator-(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator*(Vec a, double s)
{
    return {a.x * s, a.y * s, a.z * s};
}
Vec operator*(Vec a, Vec b)
{
    return {a.x * b.x, a.y * b.y, a.z * b.z};
}
double dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
double length(Vec a)
{
    return std::sqrt(dot(a, a));
}

// A repeatable pseudo-random value in [0, 1) for integer coordinates.
double hash(std::int64_t a, std::int64_t b, std::int64_t c = 0)
{
    auto h = static_cast<std::uint64_t>(a * 73856093 ^ b * 19349663 ^ c * 83492791);
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return static_cast<double>(h >> 11) / 9007199254740992.0;
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

const Vec darkWood{0.30, 0.13, 0.06};
const Vec redWood{0.42, 0.16, 0.08};
const Vec wallpaper{0.36, 0.12, 0.09};
const Vec lampColour{1.0, 0.62, 0.30};
const Vec duskColour{1.0, 0.45, 0.22};
const Vec lampPosition{1.6, 0.55, 4.6};
const Vec windowCentre{-0.9, 0.45, roomDepth};
constexpr double windowHalfWidth = 0.75, windowHalfHeight = 0.65;

double grain(double along, double across, int plank)
{
    const double phase = hash(plank, 7) * 6.28;
    return 0.85 + 0.15 * std::sin(along * 9.0 + std::sin(across * 5.0 + phase) * 2.0 + phase);
}

// Floor boards run into the room, with staggered joints.
Vec floorColour(Vec p)
{
    const double plankWidth = 0.32;
    const double u = (p.x - roomLeft) / plankWidth;
    const int plank = static_cast<int>(std::floor(u));
    const double offset = hash(plank, 1) * 2.0;
    const int segment = static_cast<int>(std::floor((p.z + offset) / 2.2));
    const double tint = 0.75 + 0.5 * hash(plank, segment);
    const double seam = smoothstep(0.0, 0.05, u - plank) * smoothstep(1.0, 0.95, u - plank);
    const double joint = smoothstep(0.0, 0.02, std::fabs(std::fmod(p.z + offset, 2.2)));
    return redWood * (tint * grain(p.z, p.x, plank) * (0.35 + 0.65 * seam * joint));
}

// Panelled wainscot below a rail, striped paper above.  `along` runs along
// the wall, `up` is the height.
Vec wallColour(double along, double up)
{
    const double rail = -0.35;
    if (up < rail) {
        const double panel = std::fmod(along + 40.0, 1.2) / 1.2;
        const double frame = smoothstep(0.04, 0.08, panel) * smoothstep(0.96, 0.92, panel) *
                             smoothstep(roomFloor + 0.10, roomFloor + 0.18, up) *
                             smoothstep(rail - 0.08, rail - 0.14, up);
        return darkWood * (0.8 + 0.35 * frame) * grain(up, along, static_cast<int>(along * 3));
    }
    if (up < rail + 0.08)
        return redWood * 1.2;
    const double stripe = 0.9 + 0.1 * std::sin(along * 40.0);
    const double motif = 0.95 + 0.05 * std::sin(along * 12.0) * std::sin(up * 12.0);
    return wallpaper * (stripe * motif);
}

Vec ceilingColour(Vec p)
{
    const double beam = std::fmod(p.z, 1.4) / 1.4;
    const bool onBeam = beam < 0.22;
    return onBeam ? darkWood * 0.55 : Vec{0.20, 0.09, 0.06};
}

struct Hit {
    Vec point;
    Vec normal;
    Vec albedo;
    Vec emission;
};

Hit trace(Vec dir)
{
    double t = roomDepth / dir.z;
    Vec normal{0, 0, -1};
    const auto consider = [&](double candidate, Vec n) {
        if (candidate > 0 && candidate < t) {
            t = candidate;
            normal = n;
        }
    };
    if (dir.y < 0)
        consider(roomFloor / dir.y, {0, 1, 0});
    if (dir.y > 0)
        consider(roomCeiling / dir.y, {0, -1, 0});
    if (dir.x < 0)
        consider(roomLeft / dir.x, {1, 0, 0});
    if (dir.x > 0)
        consider(roomRight / dir.x, {-1, 0, 0});

    Hit hit{dir * t, normal, {}, {}};
    const Vec p = hit.point;
    if (normal.y > 0) {
        hit.albedo = floorColour(p);
    } else if (normal.y < 0) {
        hit.albedo = ceilingColour(p);
    } else if (normal.z < 0) {
        const double dx = std::fabs(p.x - windowCentre.x), dy = std::fabs(p.y - windowCentre.y);
        if (dx < windowHalfWidth && dy < windowHalfHeight) {
            const bool mullion = dx < 0.03 || dy < 0.03;
            const double sky =
                0.35 + 0.65 * smoothstep(windowHalfHeight, -windowHalfHeight, p.y - windowCentre.y);
            hit.albedo = darkWood * 0.4;
            hit.emission = mullion ? Vec{} : duskColour * (0.9 * sky);
        } else if (dx < windowHalfWidth + 0.08 && dy < windowHalfHeight + 0.08) {
            hit.albedo = darkWood * 0.7;
        } else {
            hit.albedo = wallColour(p.x, p.y);
        }
    } else {
        hit.albedo = wallColour(p.z, p.y);
    }
    return hit;
}

Vec shade(const Hit& hit)
{
    Vec light{0.05, 0.025, 0.02};
    const Vec toLamp = lampPosition - hit.point;
    const double lampDistance = length(toLamp);
    const double lampFacing = std::max(0.0, dot(hit.normal, toLamp * (1.0 / lampDistance)));
    light = light + lampColour * (lampFacing * 2.2 / (1.0 + lampDistance * lampDistance));

    const Vec toWindow = windowCentre - hit.point;
    const double windowDistance = length(toWindow);
    const double windowFacing = std::max(0.0, dot(hit.normal, toWindow * (1.0 / windowDistance)));
    light = light + duskColour * (windowFacing * 0.9 / (1.0 + windowDistance * windowDistance));
    return hit.albedo * light + hit.emission;
}

std::uint8_t toByte(double linear, double dither)
{
    const double mapped = linear / (1.0 + linear);
    const double encoded = std::pow(std::clamp(mapped, 0.0, 1.0), 1.0 / 2.2);
    return static_cast<std::uint8_t>(std::clamp(encoded * 255.0 + dither, 0.0, 255.0));
}

void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

std::vector<std::uint8_t> render()
{
    constexpr std::uint32_t rowBytes = (imageWidth * 3 + 3) / 4 * 4;
    constexpr std::uint32_t pixelBytes = rowBytes * imageHeight;
    constexpr std::uint32_t headerBytes = 14 + 40;
    constexpr std::uint32_t pixelsPerMetre = 3780; // 96 dots per inch

    std::vector<std::uint8_t> bmp;
    bmp.reserve(headerBytes + pixelBytes);
    bmp.push_back('B');
    bmp.push_back('M');
    put32(bmp, headerBytes + pixelBytes);
    put32(bmp, 0);
    put32(bmp, headerBytes);
    put32(bmp, 40);
    put32(bmp, imageWidth);
    put32(bmp, imageHeight); // positive: rows stored bottom-up
    put16(bmp, 1);           // planes
    put16(bmp, 24);          // bits per pixel
    put32(bmp, 0);           // no compression
    put32(bmp, pixelBytes);
    put32(bmp, pixelsPerMetre);
    put32(bmp, pixelsPerMetre);
    put32(bmp, 0);
    put32(bmp, 0);

    const double lampScreenX = centreX + lampPosition.x / lampPosition.z * focalLength;
    const double lampScreenY = centreY - lampPosition.y / lampPosition.z * focalLength;
    for (int row = imageHeight - 1; row >= 0; --row) {
        for (int column = 0; column < imageWidth; ++column) {
            const Vec dir{(column + 0.5 - centreX) / focalLength,
                          (centreY - row - 0.5) / focalLength, 1.0};
            Vec colour = shade(trace(dir));

            const double glowX = column - lampScreenX, glowY = row - lampScreenY;
            const double glow = 1.0 / (1.0 + (glowX * glowX + glowY * glowY) / 90.0);
            colour = colour + lampColour * (glow * 1.6);

            const double vx = (column - centreX) / 420.0, vy = (row - centreY) / 320.0;
            colour = colour * std::max(0.25, 1.0 - 0.55 * (vx * vx + vy * vy));

            const double dither = hash(column, row, 3) - 0.5;
            bmp.push_back(toByte(colour.z, dither));
            bmp.push_back(toByte(colour.y, dither));
            bmp.push_back(toByte(colour.x, dither));
        }
        bmp.resize(bmp.size() + rowBytes - imageWidth * 3, 0);
    }
    return bmp;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.bmp>\n", argv[0]);
        return 2;
    }
    const std::vector<std::uint8_t> bmp = render();
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    return out ? 0 : 1;
}
