// Draws the programs' artwork (suit pips, button pictures, the program icon, card backs) and
// writes it as PNG files; run by hand, the PNGs it writes are committed beside it.
//
//   make_artwork OUTPUT_DIR
//
// Every picture is described in continuous coordinates and rendered with supersampling, so
// edges are anti-aliased at any size. The 9-pixel suit pips are too small for that and are
// drawn pixel by pixel instead. Nothing here is random: a run always writes the same files.

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;

// A colour with straight (not premultiplied) alpha, all channels 0..1.
struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

Rgba rgb(int r, int g, int b, double a = 1.0)
{
    return {r / 255.0, g / 255.0, b / 255.0, a};
}

Rgba mix(Rgba x, Rgba y, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Rgba scaled(Rgba c, double f)
{
    return {std::clamp(c.r * f, 0.0, 1.0), std::clamp(c.g * f, 0.0, 1.0), std::clamp(c.b * f, 0.0, 1.0), c.a};
}

Rgba withAlpha(Rgba c, double a)
{
    c.a = a;
    return c;
}

// A picture being drawn: premultiplied RGBA, composited with "over".
class Picture {
public:
    Picture(int width, int height) : width_(width), height_(height), pixels_(std::size_t(width) * height) {}

    int width() const { return width_; }
    int height() const { return height_; }

    // Composites shader(x, y) over the picture, averaging samples × samples points per pixel.
    // The shader returns a straight-alpha colour; alpha 0 leaves the point untouched.
    void shade(const std::function<Rgba(double, double)>& shader, int samples = 8)
    {
        for (int py = 0; py < height_; ++py)
            for (int px = 0; px < width_; ++px) {
                Rgba sum;
                for (int sy = 0; sy < samples; ++sy)
                    for (int sx = 0; sx < samples; ++sx) {
                        Rgba c = shader(px + (sx + 0.5) / samples, py + (sy + 0.5) / samples);
                        sum.r += c.r * c.a;
                        sum.g += c.g * c.a;
                        sum.b += c.b * c.a;
                        sum.a += c.a;
                    }
                const double n = double(samples) * samples;
                over(px, py, {sum.r / n, sum.g / n, sum.b / n, sum.a / n});
            }
    }

    // Sets one pixel to a straight-alpha colour (for pictures drawn pixel by pixel).
    void set(int x, int y, Rgba c) { pixels_[std::size_t(y) * width_ + x] = {c.r * c.a, c.g * c.a, c.b * c.a, c.a}; }

    bool save(const std::string& path) const
    {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width_, height_, 32, SDL_PIXELFORMAT_RGBA32);
        if (!surface)
            return false;
        for (int y = 0; y < height_; ++y) {
            auto* row = static_cast<unsigned char*>(surface->pixels) + std::size_t(y) * surface->pitch;
            for (int x = 0; x < width_; ++x) {
                const Rgba& p = pixels_[std::size_t(y) * width_ + x];
                const double a = std::clamp(p.a, 0.0, 1.0);
                // Un-premultiply; a fully transparent pixel is stored as transparent black.
                auto channel = [a](double v) { return a > 0 ? int(std::lround(std::clamp(v / a, 0.0, 1.0) * 255)) : 0; };
                row[x * 4 + 0] = static_cast<unsigned char>(channel(p.r));
                row[x * 4 + 1] = static_cast<unsigned char>(channel(p.g));
                row[x * 4 + 2] = static_cast<unsigned char>(channel(p.b));
                row[x * 4 + 3] = static_cast<unsigned char>(std::lround(a * 255));
            }
        }
        const bool ok = IMG_SavePNG(surface, path.c_str()) == 0;
        SDL_FreeSurface(surface);
        return ok;
    }

private:
    // Premultiplied source over premultiplied destination.
    void over(int x, int y, Rgba src)
    {
        Rgba& dst = pixels_[std::size_t(y) * width_ + x];
        const double k = 1.0 - src.a;
        dst = {src.r + dst.r * k, src.g + dst.g * k, src.b + dst.b * k, src.a + dst.a * k};
    }

    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

// ---------------------------------------------------------------------------------------------
// Signed distances (negative inside) for the shapes the pictures are built from.

struct Vec {
    double x = 0, y = 0;
};

Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double length(Vec a) { return std::sqrt(dot(a, a)); }

double sdCircle(Vec p, Vec c, double r) { return length(p - c) - r; }

// Approximate distance to an ellipse; good enough for anti-aliasing one pixel wide.
double sdEllipse(Vec p, Vec c, double rx, double ry)
{
    const Vec q{(p.x - c.x) / rx, (p.y - c.y) / ry};
    const double k = length(q);
    if (k == 0)
        return -std::min(rx, ry);
    const Vec grad{q.x / (rx * k), q.y / (ry * k)};
    return (k - 1.0) / std::max(length(grad), 1e-9);
}

// Distance to an axis-aligned box with rounded corners of radius r.
double sdBox(Vec p, Vec lo, Vec hi, double r = 0)
{
    const Vec c = (lo + hi) * 0.5;
    const Vec h{(hi.x - lo.x) * 0.5 - r, (hi.y - lo.y) * 0.5 - r};
    const Vec d{std::abs(p.x - c.x) - h.x, std::abs(p.y - c.y) - h.y};
    const Vec outside{std::max(d.x, 0.0), std::max(d.y, 0.0)};
    return length(outside) + std::min(std::max(d.x, d.y), 0.0) - r;
}

// Distance to the segment a-b thickened to radius r (a stroke with round ends).
double sdSegment(Vec p, Vec a, Vec b, double r)
{
    const Vec pa = p - a;
    const Vec ba = b - a;
    const double h = std::clamp(dot(pa, ba) / dot(ba, ba), 0.0, 1.0);
    return length(pa - ba * h) - r;
}

// Exact distance to a simple polygon.
double sdPolygon(Vec p, const std::vector<Vec>& v)
{
    double d = dot(p - v[0], p - v[0]);
    double s = 1.0;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        const Vec e = v[j] - v[i];
        const Vec w = p - v[i];
        const Vec b = w - e * std::clamp(dot(w, e) / dot(e, e), 0.0, 1.0);
        d = std::min(d, dot(b, b));
        const bool c1 = p.y >= v[i].y;
        const bool c2 = p.y < v[j].y;
        const bool c3 = e.x * w.y > e.y * w.x;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3))
            s = -s;
    }
    return s * std::sqrt(d);
}

// Rotates p by -degrees about c: shapes drawn with the result appear rotated by +degrees.
Vec unrotate(Vec p, Vec c, double degrees)
{
    const double a = -degrees * pi / 180.0;
    const Vec d = p - c;
    return {c.x + d.x * std::cos(a) - d.y * std::sin(a), c.y + d.x * std::sin(a) + d.y * std::cos(a)};
}

bool inside(double sd) { return sd <= 0; }

// ---------------------------------------------------------------------------------------------
// Suit shapes in an 18 × 18 box; distances in units of that box.

double sdDiamond(Vec p)
{
    // Slightly concave sides read as a diamond rather than a square on its corner.
    std::vector<Vec> v;
    const Vec c{9, 9};
    const double rx = 7.0, ry = 8.6;
    for (int i = 0; i < 4; ++i) {
        const double a = i * pi / 2;
        const Vec tip{c.x + rx * std::sin(a), c.y - ry * std::cos(a)};
        const double b = a + pi / 4;
        const double k = 0.47;
        const Vec mid{c.x + rx * k * std::sin(b) * 1.41421356, c.y - ry * k * std::cos(b) * 1.41421356};
        v.push_back(tip);
        v.push_back(mid);
    }
    return sdPolygon(p, v);
}

double sdHeart(Vec p)
{
    const double lobes = std::min(sdCircle(p, {5.4, 6.2}, 4.3), sdCircle(p, {12.6, 6.2}, 4.3));
    const double point = sdPolygon(p, {{1.35, 7.4}, {16.65, 7.4}, {9, 16.6}});
    return std::min(lobes, point);
}

double sdSpade(Vec p)
{
    const double lobes = std::min(sdCircle(p, {5.4, 10.6}, 4.0), sdCircle(p, {12.6, 10.6}, 4.0));
    const double point = sdPolygon(p, {{1.45, 9.7}, {16.55, 9.7}, {9, 1.0}});
    const double stem = sdPolygon(p, {{9, 10.5}, {12.2, 17.2}, {5.8, 17.2}});
    return std::min({lobes, point, stem});
}

double sdClub(Vec p)
{
    const double leaves = std::min({sdCircle(p, {9, 4.9}, 3.75), sdCircle(p, {4.7, 10.5}, 3.75),
                                    sdCircle(p, {13.3, 10.5}, 3.75), sdCircle(p, {9, 9.2}, 1.8)});
    const double stem = std::min(sdBox(p, {8.1, 9}, {9.9, 15}), sdPolygon(p, {{9, 12.0}, {12.0, 17.2}, {6.0, 17.2}}));
    return std::min(leaves, stem);
}

const Rgba pipRed = rgb(215, 0, 0);
const Rgba pipBlack = rgb(0, 0, 0);

void drawPip18(Picture& pic, double (*shape)(Vec), Rgba colour)
{
    pic.shade([&](double x, double y) { return inside(shape({x, y})) ? colour : Rgba{}; }, 16);
}

// The 9-pixel pips, one character per pixel: '#' full, '+' two thirds, '-' one third.
void drawPip9(Picture& pic, const char* const rows[9], Rgba colour)
{
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const char c = rows[y][x];
            const double a = c == '#' ? 1.0 : c == '+' ? 0.66 : c == '-' ? 0.33 : 0.0;
            pic.set(x, y, withAlpha(colour, a));
        }
}

const char* const diamond9[9] = {
    "....+....",
    "...-#-...",
    "...###...",
    "..+###+..",
    ".+#####+.",
    "..+###+..",
    "...###...",
    "...-#-...",
    "....+....",
};

const char* const heart9[9] = {
    ".-#+.+#-.",
    "-#######-",
    "#########",
    "#########",
    "+#######+",
    ".+#####+.",
    "..+###+..",
    "...+#+...",
    "....#....",
};

const char* const spade9[9] = {
    "....#....",
    "...###...",
    "..#####..",
    ".#######.",
    "+#######+",
    "#########",
    "+##+#+##+",
    "...-#-...",
    "..+###+..",
};

const char* const club9[9] = {
    "...+#+...",
    "..+###+..",
    "..#####..",
    ".+-###-+.",
    "+###+###+",
    "#########",
    "+##+#+##+",
    "...+#+...",
    "..+###+..",
};

// ---------------------------------------------------------------------------------------------
// Button pictures, designed on a 64 × 64 grid: light art with a dark rim so that they read on
// every table colour, and a solid silhouette for the pressed state.

const Rgba buttonWhite = rgb(255, 255, 255);
const Rgba buttonRim = rgb(0, 0, 0, 0.55);

// Draws shape (in 64-unit coordinates) scaled to the picture, with a rim `rim` units wide.
void drawButtonShape(Picture& pic, const std::function<double(Vec)>& shape, double rim = 2.6)
{
    const double k = 64.0 / pic.width();
    pic.shade([&](double x, double y) { return inside(shape({x * k, y * k}) - rim) ? buttonRim : Rgba{}; });
    pic.shade([&](double x, double y) { return inside(shape({x * k, y * k})) ? buttonWhite : Rgba{}; });
}

double sdTakeTriangle(Vec p)
{
    return sdPolygon(p, {{12, 17}, {52, 17}, {32, 49}}) - 3.0;
}

double sdOkLetters(Vec p)
{
    const double ring = std::abs(sdEllipse(p, {19.5, 32}, 11.5, 15.5)) - 3.6;
    const double stem = sdBox(p, {36, 16}, {43.2, 48}, 0.8);
    const double upper = sdSegment(p, {41, 35}, {54, 18.5}, 3.7);
    const double lower = sdSegment(p, {44.5, 30.5}, {55, 45.5}, 3.7);
    const double k = std::max(std::min({stem, upper, lower}), std::max(p.y - 48.0, 16.0 - p.y));
    return std::min(ring, k);
}

// Small cards in two rows, with arrows up and down beside them.
void drawSortButton(Picture& pic)
{
    const double k = 64.0 / pic.width();
    const Rgba cardFace = rgb(255, 255, 255);
    const Rgba cardEdge = rgb(30, 30, 30);
    struct MiniCard {
        double x, y;
        bool red;
    };
    const double w = 13, h = 18;
    const MiniCard cards[] = {{3, 8, true}, {12, 8, false}, {21, 8, true}, {3, 36, false}, {12, 36, true}, {21, 36, false}};
    const double rim = pic.width() < 64 ? 2.0 : 1.6;
    for (const MiniCard& c : cards) {
        const Vec lo{c.x, c.y}, hi{c.x + w, c.y + h};
        pic.shade([&](double x, double y) {
            const Vec p{x * k, y * k};
            const double d = sdBox(p, lo, hi, 1.5);
            if (!inside(d))
                return Rgba{};
            if (d > -rim)
                return cardEdge;
            // A pip in the corner that the next card leaves visible.
            const Vec pip{c.x + 4.6, c.y + 5.2};
            const double pd = std::abs(p.x - pip.x) / 2.6 + std::abs(p.y - pip.y) / 3.4;
            if (pd <= 1.0)
                return c.red ? pipRed : pipBlack;
            return cardFace;
        });
    }
    auto arrow = [](Vec p, double x, bool up) {
        const double top = 9, bottom = 55;
        const double shaft = sdBox(p, {x - 2.4, top + 6}, {x + 2.4, bottom - 6});
        const double headY = up ? top : bottom;
        const double baseY = up ? top + 12 : bottom - 12;
        const double head = sdPolygon(p, {{x, headY}, {x + 7.5, baseY}, {x - 7.5, baseY}}) - 0.8;
        return std::min(shaft, head);
    };
    drawButtonShape(pic, [&](Vec p) { return std::min(arrow(p, 44.5, true), arrow(p, 56.5, false)); }, 2.2);
}

// ---------------------------------------------------------------------------------------------
// The program icon: a fan of cards, designed on a 64 × 64 grid. The 16-pixel icon shows two
// larger cards, since three cards of that size would be a blur.

void drawProgramIcon(Picture& pic)
{
    const double k = 64.0 / pic.width();
    const bool tiny = pic.width() <= 16;
    const Vec pivot{32, tiny ? 84.0 : 70.0};
    const double cw = tiny ? 36 : 26, ch = tiny ? 50 : 38;
    const Vec lo{32 - cw / 2, tiny ? 8.0 : 12.0}, hi{32 + cw / 2, (tiny ? 8.0 : 12.0) + ch};
    // The edge stays at least one pixel wide at every size.
    const double edge = std::max(1.4, k * 1.1);
    const double corner = tiny ? 5.0 : 3.0;
    const Rgba ink = rgb(20, 20, 20);
    const Rgba face = rgb(255, 255, 255);

    enum Kind { back, spade, heart };
    struct Fanned {
        double angle;
        Kind kind;
    };
    const std::vector<Fanned> fan = tiny ? std::vector<Fanned>{{-15, back}, {15, heart}}
                                         : std::vector<Fanned>{{-24, back}, {0, spade}, {24, heart}};
    for (const Fanned& card : fan) {
        pic.shade(
            [&](double x, double y) {
                const Vec p = unrotate({x * k, y * k}, pivot, card.angle);
                const double d = sdBox(p, lo, hi, corner);
                if (!inside(d))
                    return Rgba{};
                if (d > -edge)
                    return ink;
                if (card.kind == back) {
                    // A blue back with a white margin.
                    if (d > -edge - (tiny ? 4.0 : 2.2))
                        return face;
                    const double u = (p.x + p.y) / 4.0, v = (p.x - p.y) / 4.0;
                    const bool check = (int(std::floor(u)) + int(std::floor(v))) % 2 == 0;
                    return tiny ? rgb(40, 90, 210) : check ? rgb(30, 70, 190) : rgb(70, 120, 230);
                }
                // A pip where the fan leaves it visible: the left of the middle card, the
                // middle of the top card.
                const double size = card.kind == spade ? 13.0 : tiny ? 26.0 : 17.0;
                const Vec mid{(lo.x + hi.x) / 2, (lo.y + hi.y) / 2};
                const Vec at = card.kind == spade ? Vec{lo.x + 3.5, lo.y + 4.0} : Vec{mid.x - size / 2, mid.y - size / 2};
                const Vec box{(p.x - at.x) / size * 18.0, (p.y - at.y) / size * 18.0};
                if (card.kind == spade && inside(sdSpade(box)))
                    return pipBlack;
                if (card.kind == heart && inside(sdHeart(box)))
                    return pipRed;
                return face;
            },
            12);
    }
}

// ---------------------------------------------------------------------------------------------
// The programs' desktop icons, designed on a 64 × 64 grid: a rounded tile in each program's own
// colour with white cards on it. Colour and pip differ between programs, so that each is
// recognisable even at 16 pixels, where the pictures drop to one large card.

struct IconCard {
    Vec centre;
    double width, height, angle;
    double (*pip)(Vec);   // null: a blank card
    Rgba pipColour;
};

void drawIconTile(Picture& pic, Rgba tile, const std::vector<IconCard>& cards)
{
    const double k = 64.0 / pic.width();
    const double edge = std::max(1.2, k * 1.0);
    pic.shade(
        [&](double x, double y) {
            const Vec p{x * k, y * k};
            const double d = sdBox(p, {2, 2}, {62, 62}, 12);
            if (!inside(d))
                return Rgba{};
            // A little light from the top.
            return mix(scaled(tile, 1.25), scaled(tile, 0.8), p.y / 64.0);
        },
        8);
    for (const IconCard& card : cards) {
        pic.shade(
            [&](double x, double y) {
                const Vec p = unrotate({x * k, y * k}, card.centre, card.angle);
                const Vec lo{card.centre.x - card.width / 2, card.centre.y - card.height / 2};
                const Vec hi{card.centre.x + card.width / 2, card.centre.y + card.height / 2};
                const double d = sdBox(p, lo, hi, std::min(card.width, card.height) * 0.14);
                if (!inside(d))
                    return Rgba{};
                if (d > -edge)
                    return rgb(30, 30, 30);
                if (card.pip) {
                    // The pip fills the middle of the card.
                    const double size = std::min(card.width, card.height * 0.75) * 0.8;
                    const Vec box{(p.x - card.centre.x) / size * 18.0 + 9, (p.y - card.centre.y) / size * 18.0 + 9};
                    if (inside(card.pip(box)))
                        return card.pipColour;
                }
                return rgb(255, 255, 255);
            },
            12);
    }
}

// Velmar, the attack-and-defence game: a card beaten by a card laid across it.
void drawVelmarIcon(Picture& pic)
{
    if (pic.width() <= 16)
        return drawIconTile(pic, rgb(20, 120, 50), {{{32, 32}, 40, 52, 0, sdHeart, pipRed}});
    drawIconTile(pic, rgb(20, 120, 50), {{{23, 28}, 26, 36, -18, sdSpade, pipBlack},
                                         {{41, 37}, 26, 36, 22, sdHeart, pipRed}});
}

// Zembrola, the trick game: a fan of three cards led together.
void drawZembrolaIcon(Picture& pic)
{
    if (pic.width() <= 16)
        return drawIconTile(pic, rgb(25, 70, 170), {{{32, 32}, 40, 52, 0, sdClub, pipBlack}});
    drawIconTile(pic, rgb(25, 70, 170), {{{22, 34}, 22, 32, -22, nullptr, pipBlack},
                                         {{32, 31}, 22, 32, 0, nullptr, pipBlack},
                                         {{42, 34}, 22, 32, 22, sdClub, pipBlack}});
}

// Trevallo, the shedding game: a card going onto the pile.
void drawTrevalloIcon(Picture& pic)
{
    if (pic.width() <= 16)
        return drawIconTile(pic, rgb(215, 110, 20), {{{32, 32}, 40, 52, 0, sdDiamond, pipRed}});
    drawIconTile(pic, rgb(215, 110, 20), {{{27, 36}, 26, 36, -8, nullptr, pipBlack},
                                          {{31, 35}, 26, 36, 4, nullptr, pipBlack},
                                          {{37, 30}, 26, 36, 14, sdDiamond, pipRed}});
}

// Sarvotte, the row game: a row of cards stepping to the right.
void drawSarvotteIcon(Picture& pic)
{
    if (pic.width() <= 16)
        return drawIconTile(pic, rgb(120, 40, 150), {{{20, 32}, 22, 40, 0, nullptr, pipBlack},
                                                     {{44, 32}, 22, 40, 0, sdSpade, pipBlack}});
    drawIconTile(pic, rgb(120, 40, 150), {{{17, 32}, 18, 26, 0, nullptr, pipBlack},
                                          {{27, 32}, 18, 26, 0, nullptr, pipBlack},
                                          {{37, 32}, 18, 26, 0, nullptr, pipBlack},
                                          {{47, 32}, 18, 26, 0, sdSpade, pipBlack}});
}

// ---------------------------------------------------------------------------------------------
// Card backs. Each has a dark frame and a white margin around its design, two pixels each on
// the 56-pixel backs (so that both survive being halved to a 28-pixel card) and one pixel on
// the 28-pixel back.

const Rgba frameInk = rgb(25, 25, 35);
const Rgba marginWhite = rgb(255, 255, 255);

// The rectangle left for a back's design inside its frame and margin.
struct Area {
    double x0, y0, x1, y1;
    double cx() const { return (x0 + x1) / 2; }
    double cy() const { return (y0 + y1) / 2; }
};

// Fills the frame and margin, `line` pixels each; returns the area left for the design.
// The 79-pixel back has one pixel of frame at the top: shrunk to 40 rows, its first two rows
// then fall into one row of the card (frame) and the margin into the next, instead of frame and
// margin blending into a grey line; stretched to 80 rows, its first row is doubled.
Area drawBackFrame(Picture& pic, int line)
{
    const int w = pic.width(), h = pic.height();
    const int topShift = h % 2 == 1 ? 1 : 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int edge = std::min({x, y + topShift, w - 1 - x, h - 1 - y});
            if (edge < line)
                pic.set(x, y, frameInk);
            else if (edge < 2 * line)
                pic.set(x, y, marginWhite);
        }
    return {2.0 * line, 2.0 * line - topShift, double(w - 2 * line), double(h - 2 * line)};
}

// Fills the design area with shader(x, y), opaque.
void drawBackDesign(Picture& pic, const Area& area, const std::function<Rgba(double, double)>& shader)
{
    pic.shade([&](double x, double y) {
        if (x < area.x0 || x >= area.x1 || y < area.y0 || y >= area.y1)
            return Rgba{};
        return withAlpha(shader(x, y), 1.0);
    });
}

// Two sets of strands woven over and under each other on the diagonal.
void drawPlaitingBack(Picture& pic)
{
    const Area area = drawBackFrame(pic, 2);
    const Rgba strandA = rgb(196, 38, 46);
    const Rgba strandB = rgb(236, 196, 112);
    const Rgba gap = rgb(60, 20, 20);
    const double period = 11.0;
    drawBackDesign(pic, area, [&](double x, double y) {
        const double u = (x - area.cx() + y - area.cy()) / period + 0.5;
        const double v = (x - area.cx() - (y - area.cy())) / period + 0.5;
        const double iu = std::floor(u), iv = std::floor(v);
        const double fu = u - iu, fv = v - iv;
        const double halfWidth = 0.36;
        const bool onA = std::abs(fv - 0.5) < halfWidth;   // strand A runs along u
        const bool onB = std::abs(fu - 0.5) < halfWidth;   // strand B runs along v
        const bool aOnTop = (int(iu) + int(iv)) % 2 == 0;
        // A strand is lit in the middle of a crossing and dips into shadow where it passes under.
        auto strand = [](Rgba c, double along, double across, double halfW) {
            const double depth = 0.62 + 0.38 * std::sin(pi * along);
            const double edge = 1.0 - 0.35 * std::pow(std::abs(across - 0.5) / halfW, 3.0);
            return scaled(c, depth * edge);
        };
        if (onA && (aOnTop || !onB))
            return strand(strandA, fu, fv, halfWidth);
        if (onB)
            return strand(strandB, fv, fu, halfWidth);
        return gap;
    });
}

// Rows of fish swimming in turn left and right through water.
void drawFishBack(Picture& pic)
{
    const Area area = drawBackFrame(pic, 2);
    const Rgba deep = rgb(8, 52, 110);
    const Rgba shallow = rgb(20, 130, 160);
    const Rgba body = rgb(250, 150, 30);
    const Rgba belly = rgb(255, 215, 90);
    const Rgba fin = rgb(220, 90, 20);
    const Rgba eye = rgb(10, 20, 40);
    const Rgba bubble = rgb(190, 235, 250);

    // One fish facing right, centred at the origin, about 17 units long.
    auto fish = [&](Vec p) -> Rgba {
        if (inside(sdCircle(p, {4.8, -1.0}, 1.0)))
            return eye;
        if (inside(sdCircle(p, {4.8, -1.0}, 1.7)))
            return rgb(255, 255, 255);
        const double bodyD = sdEllipse(p, {1.0, 0}, 7.0, 4.2);
        if (inside(bodyD)) {
            // Gill line, stripes and a lighter belly.
            if (std::abs(sdCircle(p, {6.5, 0}, 4.0)) < 0.45 && p.x < 3.6)
                return fin;
            if (std::abs(p.x + 1.5) < 0.55 || std::abs(p.x + 4.0) < 0.5)
                return fin;
            return p.y > 1.2 ? belly : body;
        }
        const double tail = std::max(sdPolygon(p, {{-4.8, 0}, {-10.5, -4.8}, {-10.5, 4.8}}), -sdCircle(p, {-12.5, 0}, 3.0));
        if (inside(tail))
            return fin;
        const double dorsal = sdPolygon(p, {{-1.5, -3.6}, {3.0, -3.9}, {-3.5, -6.0}});
        if (inside(dorsal))
            return fin;
        return {};
    };

    struct Placed {
        Vec at;
        bool right;
    };
    std::vector<Placed> school;
    const double rowGap = 18.0;
    for (int row = 0; row < 4; ++row) {
        const double y = area.cy() + (row - 1.5) * rowGap;
        const bool right = row % 2 == 0;
        // Each row is shifted towards its tails so that the fish stay clear of the margin.
        const double shift = right ? -1.0 : 1.0;
        for (int col = 0; col < 2; ++col)
            school.push_back({{area.cx() + (col - 0.5) * 23.0 + shift, y}, right});
    }
    // Two bubbles rise before the mouth of the fish that faces the middle of its row.
    std::vector<std::pair<Vec, double>> bubbles;
    for (std::size_t i = 0; i < school.size(); ++i) {
        const Placed& f = school[i];
        if ((i % 2 == 0) != f.right)
            continue;
        const double dir = f.right ? 1.0 : -1.0;
        bubbles.push_back({{f.at.x + dir * 8.2, f.at.y - 2.6}, 1.1});
        bubbles.push_back({{f.at.x + dir * 9.4, f.at.y - 6.0}, 1.4});
    }

    drawBackDesign(pic, area, [&](double x, double y) {
        for (const Placed& f : school) {
            const double size = 0.8;
            Vec p{(x - f.at.x) / size, (y - f.at.y) / size};
            if (!f.right)
                p.x = -p.x;
            const Rgba c = fish(p);
            if (c.a > 0)
                return c;
        }
        for (const auto& [at, radius] : bubbles) {
            const double d = sdCircle({x, y}, at, radius);
            if (std::abs(d + 0.25) < 0.45)
                return bubble;
        }
        // Water: lighter towards the top, with gentle wave bands.
        const double t = (y - area.y0) / (area.y1 - area.y0);
        const double wave = 0.05 * std::sin((y + 2.0 * std::sin(x * 0.5)) * 0.9);
        return scaled(mix(shallow, deep, t), 1.0 + wave);
    });
}

// A portrait of a lady with her hair in a bun, in an oval gilt frame.
void drawPortraitBack(Picture& pic)
{
    const Area area = drawBackFrame(pic, 2);
    const Vec c{area.cx(), area.cy()};
    const double ovalRx = 21.0, ovalRy = 32.5;
    const Rgba wall = rgb(70, 38, 28);
    const Rgba wallLine = rgb(96, 56, 38);
    const Rgba gold = rgb(214, 170, 70);
    const Rgba goldDark = rgb(140, 100, 30);
    const Rgba glow = rgb(120, 170, 170);
    const Rgba backdrop = rgb(20, 70, 80);
    const Rgba hair = rgb(150, 72, 32);
    const Rgba hairShine = rgb(190, 110, 55);
    const Rgba skin = rgb(236, 196, 150);
    const Rgba skinShade = rgb(205, 155, 110);
    const Rgba dress = rgb(140, 24, 40);
    const Rgba dressShade = rgb(100, 14, 28);
    const Rgba collar = rgb(245, 240, 225);
    const Rgba feature = rgb(70, 40, 25);

    drawBackDesign(pic, area, [&](double x, double y) {
        const Vec p{x, y};
        const double oval = sdEllipse(p, c, ovalRx, ovalRy);
        if (oval > 0) {
            if (oval < 2.4)
                return mix(gold, goldDark, oval / 2.4);
            // Panelled wall: fine diagonal lattice around the frame.
            const double d = std::fmod(std::abs(x - c.x) + std::abs(y - c.y), 6.0);
            return d < 0.8 ? wallLine : wall;
        }
        if (oval > -1.3)
            return mix(goldDark, gold, -oval / 1.3);

        // Relative to the middle of the face.
        const Vec f{c.x, c.y - 7.0};
        const Vec q = p - f;

        const double body = std::min(sdEllipse(p, {c.x, c.y + 26}, 18.0, 16.0), sdEllipse(p, {c.x, f.y + 19.5}, 12.0, 6.5));
        const double neck = sdBox(p, {c.x - 2.4, f.y + 6}, {c.x + 2.4, f.y + 13}, 1);
        const double collarD = std::abs(sdEllipse(p, {c.x, f.y + 13.0}, 5.6, 3.3)) - 0.9;
        const double pendant = sdCircle(p, {c.x, f.y + 17.6}, 1.3);
        const double bun = sdCircle(p, {f.x, f.y - 10.0}, 4.6);
        const double hairD = std::min(sdEllipse(p, {f.x, f.y - 1.6}, 7.6, 8.6), bun);
        const double face = sdEllipse(p, f, 6.0, 7.8);

        if (inside(face) && q.y > -4.2) {
            // Eyes, brows, nose shadow, cheeks and a faint smile.
            if (inside(sdEllipse(q, {-2.4, -0.9}, 1.1, 0.6)) || inside(sdEllipse(q, {2.4, -0.9}, 1.1, 0.6)))
                return feature;
            if (inside(sdSegment(q, {-3.6, -2.7}, {-1.2, -2.9}, 0.28)) || inside(sdSegment(q, {1.2, -2.9}, {3.6, -2.7}, 0.28)))
                return mix(hair, feature, 0.5);
            if (inside(sdSegment(q, {0.4, -0.6}, {0.8, 2.2}, 0.35)))
                return skinShade;
            if (std::abs(sdCircle(q, {0, 1.5}, 3.4)) < 0.35 && q.y > 4.0 && std::abs(q.x) < 2.2)
                return rgb(180, 70, 60);
            if (inside(sdCircle(q, {-3.4, 2.0}, 1.2)) || inside(sdCircle(q, {3.4, 2.0}, 1.2)))
                return mix(skin, rgb(230, 130, 110), 0.35);
            return mix(skin, skinShade, std::clamp((std::abs(q.x) - 3.5) / 3.0, 0.0, 1.0));
        }
        if (inside(hairD)) {
            // Strands swept back towards the bun.
            const double strand = std::sin(std::atan2(q.y + 10.0, q.x) * 9.0);
            return strand > 0.6 ? hairShine : hair;
        }
        if (inside(pendant))
            return inside(pendant + 0.6) ? rgb(60, 130, 200) : gold;
        if (inside(collarD) && p.y > f.y + 11.0)
            return collar;
        if (inside(neck) || (inside(sdEllipse(p, {c.x, f.y + 13.0}, 5.6, 3.3)) && p.y > f.y + 11.0))
            return skinShade;
        if (inside(body)) {
            // Folds of the dress fall from the shoulders.
            const double fold = std::sin((x - c.x) * (1.1 - 0.012 * (y - f.y)) + 0.8);
            return fold > 0.75 ? dressShade : dress;
        }
        // A plain backdrop, lighter behind the head.
        return mix(glow, backdrop, length(p - Vec{f.x, f.y - 3.0}) / 24.0);
    });
}

// A smooth diagonal blend from deep blue through violet to rose.
void drawGradientBack(Picture& pic)
{
    const Area area = drawBackFrame(pic, 1);
    const Rgba a = rgb(20, 40, 170);
    const Rgba b = rgb(120, 40, 170);
    const Rgba c = rgb(220, 60, 110);
    drawBackDesign(pic, area, [&](double x, double y) {
        const double t = ((x - area.x0) / (area.x1 - area.x0) * 0.35 + (y - area.y0) / (area.y1 - area.y0) * 0.65);
        return t < 0.5 ? mix(a, b, t * 2) : mix(b, c, t * 2 - 1);
    });
}

// A symmetric lattice of diamonds with rosettes where the lines cross.
void drawPatternBack(Picture& pic)
{
    const Area area = drawBackFrame(pic, 2);
    const Rgba ground = rgb(20, 90, 70);
    const Rgba groundAlt = rgb(14, 66, 52);
    const Rgba line = rgb(235, 200, 110);
    const Rgba rosette = rgb(200, 50, 50);
    const double cell = 16.0;
    drawBackDesign(pic, area, [&](double x, double y) {
        // Distances from the middle, folded so that the design is symmetric both ways.
        const double dx = std::abs(x - area.cx()), dy = std::abs(y - area.cy());
        const double u = (dx + dy) / cell, v = (dx - dy) / cell;
        const double fu = u - std::floor(u), fv = v - std::floor(v);
        const double lineHalf = 0.07;
        const bool onLine = fu < lineHalf || fu > 1 - lineHalf || fv < lineHalf || fv > 1 - lineHalf;
        // Crossing points of the lattice: where both u and v are whole.
        const double nu = std::round(u), nv = std::round(v);
        const double cdx = (nu + nv) / 2 * cell - dx, cdy = (nu - nv) / 2 * cell - dy;
        const double toCross = std::sqrt(cdx * cdx + cdy * cdy);
        if (toCross < 2.8)
            return toCross < 1.3 ? line : rosette;
        if (onLine)
            return line;
        // Small diamonds in the middle of each cell.
        if (std::abs(fu - 0.5) + std::abs(fv - 0.5) < 0.16)
            return line;
        const bool alt = (int(std::floor(u)) + int(std::floor(v))) % 2 == 0;
        return alt ? ground : groundAlt;
    });
}

// ---------------------------------------------------------------------------------------------

struct Output {
    std::string name;
    int width;
    int height;
    std::function<void(Picture&)> draw;
};

std::vector<Output> allPictures()
{
    std::vector<Output> out;
    struct Suit {
        int id;
        double (*shape)(Vec);
        const char* const* small;
        Rgba colour;
    };
    const Suit suits[] = {{105, sdDiamond, diamond9, pipRed}, {106, sdHeart, heart9, pipRed},
                          {107, sdSpade, spade9, pipBlack}, {108, sdClub, club9, pipBlack}};
    for (const Suit& s : suits) {
        out.push_back({"icon" + std::to_string(s.id) + "_18.png", 18, 18, [s](Picture& p) { drawPip18(p, s.shape, s.colour); }});
        out.push_back({"icon" + std::to_string(s.id) + "_9.png", 9, 9, [s](Picture& p) { drawPip9(p, s.small, s.colour); }});
    }
    for (int size : {64, 32}) {
        const std::string suffix = "_" + std::to_string(size) + ".png";
        out.push_back({"icon117" + suffix, size, size, [](Picture& p) { drawButtonShape(p, sdTakeTriangle); }});
        out.push_back({"icon119" + suffix, size, size, [](Picture& p) { drawButtonShape(p, sdOkLetters); }});
        out.push_back({"icon124" + suffix, size, size, drawSortButton});
    }
    for (int size : {64, 32, 16})
        out.push_back({"icon101_" + std::to_string(size) + ".png", size, size, drawProgramIcon});
    const std::pair<const char*, void (*)(Picture&)> programs[] = {
        {"velmar", drawVelmarIcon}, {"zembrola", drawZembrolaIcon}, {"trevallo", drawTrevalloIcon},
        {"sarvotte", drawSarvotteIcon}};
    for (const auto& [program, draw] : programs)
        for (int size : {16, 32, 48, 64, 128, 256})
            out.push_back({"icons/" + std::string(program) + "_" + std::to_string(size) + ".png", size, size, draw});
    out.push_back({"canvas_16.png", 16, 16, [](Picture&) {}});
    out.push_back({"back116.png", 56, 80, drawPlaitingBack});
    out.push_back({"back127.png", 56, 80, drawFishBack});
    out.push_back({"back128.png", 56, 79, drawPortraitBack});
    out.push_back({"back129.png", 28, 40, drawGradientBack});
    out.push_back({"back135.png", 56, 80, drawPatternBack});
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    for (const Output& o : allPictures()) {
        Picture pic(o.width, o.height);
        o.draw(pic);
        const std::string path = dir + "/" + o.name;
        // The first failure (usually a wrong directory) would repeat for every file: stop there.
        if (!pic.save(path)) {
            std::fprintf(stderr, "make_artwork: cannot write %s: %s\n", path.c_str(), SDL_GetError());
            return 1;
        }
        std::printf("%s %dx%d\n", path.c_str(), o.width, o.height);
    }
    return 0;
}
