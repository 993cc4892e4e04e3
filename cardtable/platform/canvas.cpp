// Canvas, Image and Font on SDL software surfaces: the drawing every backend shares.
#include "platform/canvas.hpp"

#include <cstdio>
#include <vector>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <list>
#include <unordered_map>
#include <string>
#include <vector>

namespace ct {

namespace {

// Every surface we make is 32-bit ARGB, so pixels can be read and written directly.
constexpr Uint32 pixelFormat = SDL_PIXELFORMAT_ARGB8888;

SDL_Surface* newSurface(int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    return SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, pixelFormat);
}

inline Uint32* row(SDL_Surface* s, int y)
{
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch);
}

inline Uint32 pack(Uint8 a, Uint8 r, Uint8 g, Uint8 b)
{
    return (Uint32{a} << 24) | (Uint32{r} << 16) | (Uint32{g} << 8) | Uint32{b};
}

// Blends one ARGB source pixel over an opaque destination pixel.
inline Uint32 blendOver(Uint32 dst, Uint32 src)
{
    const Uint32 a = src >> 24;
    if (a == 255)
        return src | 0xFF000000u;
    if (a == 0)
        return dst;
    auto mix = [a](Uint32 s, Uint32 d) { return (s * a + d * (255 - a) + 127) / 255; };
    const Uint32 r = mix((src >> 16) & 0xFF, (dst >> 16) & 0xFF);
    const Uint32 g = mix((src >> 8) & 0xFF, (dst >> 8) & 0xFF);
    const Uint32 b = mix(src & 0xFF, dst & 0xFF);
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// The part of `area` that lies on a width x height surface and inside `clip` (right/bottom exclusive).
Rect clipped(const Rect& area, int width, int height, const Rect* clip = nullptr)
{
    Rect r{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, width), std::min(area.bottom, height)};
    if (clip) {
        r.left = std::max(r.left, clip->left);
        r.top = std::max(r.top, clip->top);
        r.right = std::min(r.right, clip->right);
        r.bottom = std::min(r.bottom, clip->bottom);
    }
    if (r.right < r.left)
        r.right = r.left;
    if (r.bottom < r.top)
        r.bottom = r.top;
    return r;
}

// An icon at its own size over the canvas: most of an icon is fully transparent or fully
// opaque, so only its anti-aliased edge needs the blend.
void blendIcon(SDL_Surface* canvas, SDL_Surface* src, int x, int y)
{
    if (!canvas || !src)
        return;
    const Rect r = clipped(Rect{x, y, x + src->w, y + src->h}, canvas->w, canvas->h);
    if (r.width() <= 0 || r.height() <= 0)
        return;
    SDL_LockSurface(src);
    SDL_LockSurface(canvas);
    for (int row_ = r.top; row_ < r.bottom; ++row_) {
        const Uint32* in = row(src, row_ - y);
        Uint32* out = row(canvas, row_);
        for (int col = r.left; col < r.right; ++col) {
            const Uint32 s = in[col - x];
            if (s < 0x01000000u)
                continue;
            out[col] = s >= 0xFF000000u ? s : blendOver(out[col], s);
        }
    }
    SDL_UnlockSurface(canvas);
    SDL_UnlockSurface(src);
}

// Draws `src` (ARGB) scaled to dst onto `canvas` through `put(dstPixel, srcPixel)`.
// Each destination pixel takes the average of the source pixels it covers, so a 56 x 80 back
// drawn at 28 x 40 keeps its pattern instead of dropping every other line.
template <typename Put>
void scaleOnto(SDL_Surface* canvas, SDL_Surface* src, const Rect& dst, const Rect* clip, Put put)
{
    if (!canvas || !src || dst.width() <= 0 || dst.height() <= 0)
        return;
    const Rect r = clipped(dst, canvas->w, canvas->h, clip);
    if (r.width() <= 0 || r.height() <= 0)
        return;
    SDL_LockSurface(src);
    SDL_LockSurface(canvas);
    const int sw = src->w;
    const int sh = src->h;
    const int dw = dst.width();
    const int dh = dst.height();
    if (sw == dw && sh == dh) {
        // Same size: every destination pixel covers exactly one source pixel, so the averaging
        // below would copy it unchanged; a prepared picture is drawn by this plain copy.
        for (int y = r.top; y < r.bottom; ++y) {
            const Uint32* in = row(src, y - dst.top);
            Uint32* out = row(canvas, y);
            for (int x = r.left; x < r.right; ++x)
                out[x] = put(out[x], in[x - dst.left]);
        }
        SDL_UnlockSurface(canvas);
        SDL_UnlockSurface(src);
        return;
    }
    for (int y = r.top; y < r.bottom; ++y) {
        const int dy = y - dst.top;
        int sy0 = dy * sh / dh;
        int sy1 = std::max(sy0 + 1, (dy + 1) * sh / dh);
        sy1 = std::min(sy1, sh);
        Uint32* out = row(canvas, y);
        for (int x = r.left; x < r.right; ++x) {
            const int dx = x - dst.left;
            int sx0 = dx * sw / dw;
            int sx1 = std::min(std::max(sx0 + 1, (dx + 1) * sw / dw), sw);
            Uint32 a = 0, rr = 0, g = 0, b = 0, n = 0;
            for (int sy = sy0; sy < sy1; ++sy) {
                const Uint32* in = row(src, sy);
                for (int sx = sx0; sx < sx1; ++sx) {
                    const Uint32 p = in[sx];
                    const Uint32 pa = p >> 24;
                    a += pa;
                    // Colours weighted by alpha so transparent pixels do not darken edges.
                    rr += ((p >> 16) & 0xFF) * pa;
                    g += ((p >> 8) & 0xFF) * pa;
                    b += (p & 0xFF) * pa;
                    ++n;
                }
            }
            Uint32 pixel = 0;
            if (n == 1) {
                pixel = row(src, sy0)[sx0];
            } else if (a > 0) {
                pixel = pack(static_cast<Uint8>(a / n), static_cast<Uint8>(rr / a), static_cast<Uint8>(g / a),
                             static_cast<Uint8>(b / a));
            }
            out[x] = put(out[x], pixel);
        }
    }
    SDL_UnlockSurface(canvas);
    SDL_UnlockSurface(src);
}

// The font files, looked up once: the Debian location, else whatever fontconfig offers.
std::string findFontFile(bool bold)
{
    static std::string cached[2];
    static bool looked[2] = {false, false};
    const int i = bold ? 1 : 0;
    if (looked[i])
        return cached[i];
    looked[i] = true;

    // The packaged DejaVu file first: asking fontconfig costs most of a start-up, and the
    // tables must look the same on every machine that has the package.
    std::error_code ec;
    const std::string packaged = bold ? "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
                                      : "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (std::filesystem::exists(packaged, ec)) {
        cached[i] = packaged;
        return cached[i];
    }
    if (FcConfig* config = FcInitLoadConfigAndFonts()) {
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(bold ? "DejaVu Sans:bold" : "DejaVu Sans"));
        if (pattern) {
            FcConfigSubstitute(config, pattern, FcMatchPattern);
            FcDefaultSubstitute(pattern);
            FcResult result = FcResultNoMatch;
            if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
                FcChar8* file = nullptr;
                if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
                    cached[i] = reinterpret_cast<const char*>(file);
                FcPatternDestroy(match);
            }
            FcPatternDestroy(pattern);
        }
        FcConfigDestroy(config);
    }
    if (!cached[i].empty() && !std::filesystem::exists(cached[i], ec))
        cached[i].clear();
    return cached[i];
}

bool ttfReady()
{
    static const bool ready = TTF_WasInit() > 0 || TTF_Init() == 0;
    return ready;
}

TTF_Font* ttf(const Font& font) { return static_cast<TTF_Font*>(font.handle()); }

// Splits text into lines at "\r\n" or "\n".
std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (c == '\n') {
            lines.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    lines.push_back(current);
    return lines;
}

// Measured widths by font and text: measuring shapes the whole text, and the same few texts are
// measured on every paint. Keyed by the font's id, which a reopened font never shares.
std::unordered_map<std::string, int>& textWidths()
{
    static std::unordered_map<std::string, int> widths;
    return widths;
}

int textWidth(const Font& font, const std::string& text)
{
    TTF_Font* f = ttf(font);
    if (text.empty() || f == nullptr)
        return 0;
    std::string key;
    key.reserve(text.size() + 8);
    const std::uint64_t id = font.id();
    key.append(reinterpret_cast<const char*>(&id), sizeof id);
    key.append(text);
    auto& widths = textWidths();
    if (const auto it = widths.find(key); it != widths.end())
        return it->second;
    int w = 0, h = 0;
    if (TTF_SizeUTF8(f, text.c_str(), &w, &h) != 0)
        w = 0;
    // A bound: widths are small, but word wrapping measures many prefixes.
    if (widths.size() >= 4 * textCacheLimit)
        widths.clear();
    widths.emplace(std::move(key), w);
    return w;
}

// Byte length of the UTF-8 sequence starting with lead byte c.
std::size_t utf8Length(unsigned char c)
{
    if (c >= 0xF0)
        return 4;
    if (c >= 0xE0)
        return 3;
    if (c >= 0xC0)
        return 2;
    return 1;
}

// Breaks one paragraph into lines no wider than maxWidth: at spaces where possible, inside a
// word only when the word alone is too wide (so nothing spills out of the rectangle).
void wrapParagraph(const Font& font, const std::string& paragraph, int maxWidth, std::vector<std::string>& out)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : paragraph) {
        if (c == ' ') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(word);
    if (words.empty()) {
        out.emplace_back();
        return;
    }
    std::string line;
    for (const std::string& w : words) {
        const std::string candidate = line.empty() ? w : line + " " + w;
        if (textWidth(font, candidate) <= maxWidth) {
            line = candidate;
            continue;
        }
        if (!line.empty())
            out.push_back(line);
        line.clear();
        if (textWidth(font, w) <= maxWidth) {
            line = w;
            continue;
        }
        // A word wider than the rectangle: cut it between characters.
        std::string piece;
        for (std::size_t i = 0; i < w.size();) {
            const std::size_t n = std::min(utf8Length(static_cast<unsigned char>(w[i])), w.size() - i);
            const std::string next = piece + w.substr(i, n);
            if (!piece.empty() && textWidth(font, next) > maxWidth) {
                out.push_back(piece);
                piece = w.substr(i, n);
            } else {
                piece = next;
            }
            i += n;
        }
        line = piece;
    }
    if (!line.empty())
        out.push_back(line);
}

} // namespace

// ---- Image ----

Image::Image(SDL_Surface* owned) : surface_(owned) {}

Image::~Image()
{
    if (surface_)
        SDL_FreeSurface(surface_);
}

Image::Image(Image&& other) noexcept : surface_(other.surface_) { other.surface_ = nullptr; }

Image& Image::operator=(Image&& other) noexcept
{
    if (this != &other) {
        if (surface_)
            SDL_FreeSurface(surface_);
        surface_ = other.surface_;
        other.surface_ = nullptr;
    }
    return *this;
}

Image Image::fromPng(std::span<const unsigned char> data)
{
    if (data.empty())
        return Image{};
    SDL_RWops* rw = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
    if (!rw)
        return Image{};
    SDL_Surface* loaded = IMG_Load_RW(rw, 1);
    if (!loaded)
        return Image{};
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, pixelFormat, 0);
    SDL_FreeSurface(loaded);
    return Image{converted};
}

Image Image::blank(int width, int height)
{
    SDL_Surface* s = newSurface(width, height);
    if (s)
        SDL_FillRect(s, nullptr, 0);
    return Image{s};
}

int Image::width() const { return surface_ ? surface_->w : 0; }
int Image::height() const { return surface_ ? surface_->h : 0; }

// ---- Font ----

Font::~Font()
{
    if (font_)
        TTF_CloseFont(static_cast<TTF_Font*>(font_));
}

Font::Font(Font&& other) noexcept : font_(other.font_), id_(other.id_)
{
    other.font_ = nullptr;
    other.id_ = 0;
}

Font& Font::operator=(Font&& other) noexcept
{
    if (this != &other) {
        if (font_)
            TTF_CloseFont(static_cast<TTF_Font*>(font_));
        font_ = other.font_;
        id_ = other.id_;
        other.font_ = nullptr;
        other.id_ = 0;
    }
    return *this;
}

Font Font::open(int points, int dpi, bool bold)
{
    Font font;
    if (points <= 0 || dpi <= 0 || !ttfReady())
        return font;
    const std::string file = findFontFile(bold);
    if (file.empty())
        return font;
    // The requested height is the whole character cell (ascent plus descent), as a positive
    // font height asks of the classic font mapper; the em size is chosen to fit that cell.
    const int cell = std::max(1, points * dpi / 72);
    TTF_Font* f = TTF_OpenFont(file.c_str(), cell);
    if (!f)
        return font;
    const int height = TTF_FontHeight(f);
    if (height > cell) {
        int size = std::max(1, cell * cell / height);
        TTF_SetFontSize(f, size);
        while (size > 1 && TTF_FontHeight(f) > cell)
            TTF_SetFontSize(f, --size);
    }
    TTF_SetFontHinting(f, TTF_HINTING_LIGHT);
    // Never reused, so texts cached for a closed font cannot be taken for a new one's.
    static std::uint64_t lastId = 0;
    font.font_ = f;
    font.id_ = ++lastId;
    return font;
}

// ---- Canvas ----

Canvas::Canvas(int width, int height) : surface_(newSurface(width, height))
{
    if (surface_)
        SDL_FillRect(surface_, nullptr, 0xFF000000u);
}

std::unique_ptr<Canvas> Canvas::over(SDL_Surface* target, const Rect& area)
{
    if (!target || !target->pixels || SDL_MUSTLOCK(target) || area.left < 0 || area.top < 0 ||
        area.right > target->w || area.bottom > target->h || area.width() <= 0 || area.height() <= 0)
        return nullptr;
    // The alpha byte a canvas writes is the unused byte of an xRGB surface.
    const Uint32 format = target->format->format;
    if (format != pixelFormat && format != SDL_PIXELFORMAT_RGB888)
        return nullptr;
    auto* first = static_cast<Uint8*>(target->pixels) + static_cast<std::ptrdiff_t>(area.top) * target->pitch +
                  static_cast<std::ptrdiff_t>(area.left) * 4;
    // A surface made on given pixels leaves them to their owner when it is freed.
    SDL_Surface* view =
        SDL_CreateRGBSurfaceWithFormatFrom(first, area.width(), area.height(), 32, target->pitch, pixelFormat);
    if (!view)
        return nullptr;
    return std::unique_ptr<Canvas>(new Canvas(view));
}

Canvas::~Canvas()
{
    if (surface_)
        SDL_FreeSurface(surface_);
}

int Canvas::width() const { return surface_ ? surface_->w : 0; }
int Canvas::height() const { return surface_ ? surface_->h : 0; }

void Canvas::fillRect(const Rect& area, Color color)
{
    if (!surface_)
        return;
    const Rect r = clipped(area, surface_->w, surface_->h);
    if (r.width() <= 0 || r.height() <= 0)
        return;
    // wmemset (wchar_t is 32 bits here) rather than SDL_FillRect, whose streaming stores bypass
    // the cache: the table fill would then be read back from memory by everything drawn over it.
    static_assert(sizeof(wchar_t) == sizeof(Uint32));
    const auto value = static_cast<wchar_t>(pack(255, color.r, color.g, color.b));
    const auto n = static_cast<std::size_t>(r.width());
    for (int y = r.top; y < r.bottom; ++y)
        std::wmemset(reinterpret_cast<wchar_t*>(row(surface_, y) + r.left), value, n);
}

void Canvas::stretchImage(const Image& image, const Rect& dst)
{
    scaleOnto(surface_, image.surface(), dst, nullptr, [](Uint32 d, Uint32 s) { return blendOver(d, s); });
}

void Canvas::invertRect(const Rect& area)
{
    if (!surface_)
        return;
    const Rect r = clipped(area, surface_->w, surface_->h);
    SDL_LockSurface(surface_);
    for (int y = r.top; y < r.bottom; ++y) {
        Uint32* p = row(surface_, y);
        for (int x = r.left; x < r.right; ++x)
            p[x] ^= 0x00FFFFFFu;
    }
    SDL_UnlockSurface(surface_);
}

void Canvas::drawIcon(const Icon& icon, int x, int y, IconDraw mode)
{
    if (icon.empty())
        return;
    drawIconSized(icon, x, y, -1, mode);
}

void Canvas::copyPicture(const Image& picture, int x, int y)
{
    SDL_Surface* src = picture.surface();
    if (!surface_ || !src)
        return;
    const Rect r = clipped(Rect{x, y, x + src->w, y + src->h}, surface_->w, surface_->h);
    if (r.width() <= 0 || r.height() <= 0)
        return;
    SDL_LockSurface(src);
    SDL_LockSurface(surface_);
    const std::size_t bytes = static_cast<std::size_t>(r.width()) * sizeof(Uint32);
    for (int row_ = r.top; row_ < r.bottom; ++row_)
        std::memcpy(row(surface_, row_) + r.left, row(src, row_ - y) + (r.left - x), bytes);
    SDL_UnlockSurface(surface_);
    SDL_UnlockSurface(src);
}

void Canvas::drawIconSized(const Icon& icon, int x, int y, int size, IconDraw mode)
{
    if (icon.empty() || size == 0)
        return;
    const int w = size < 0 ? icon.width() : size;
    const int h = size < 0 ? icon.height() : size;
    const Rect dst{x, y, x + w, y + h};
    switch (mode) {
    case IconDraw::normal:
        if (w == icon.width() && h == icon.height()) {
            blendIcon(surface_, icon.surface(), x, y);
            break;
        }
        scaleOnto(surface_, icon.surface(), dst, nullptr, [](Uint32 d, Uint32 s) { return blendOver(d, s); });
        break;
    case IconDraw::maskOnly:
        // The mask alone: black wherever the icon has any coverage, the table elsewhere.
        scaleOnto(surface_, icon.surface(), dst, nullptr,
                  [](Uint32 d, Uint32 s) { return (s >> 24) > 0 ? 0xFF000000u : d; });
        break;
    case IconDraw::imageOnly:
        scaleOnto(surface_, icon.surface(), dst, nullptr, [](Uint32, Uint32 s) { return s | 0xFF000000u; });
        break;
    }
}

Size Canvas::textExtent(const Font& font, std::string_view text) const
{
    TTF_Font* f = ttf(font);
    if (!f)
        return {};
    return Size{textWidth(font, std::string(text)), TTF_FontHeight(f)};
}

namespace {

// Rendered lines by font, colour and text, the least recently drawn dropped first.
class TextCache {
public:
    // Null when the text cannot be rendered (that answer is not kept).
    SDL_Surface* line(const Font& font, const std::string& text, Color color)
    {
        std::string key;
        key.reserve(text.size() + 12);
        const std::uint64_t id = font.id();
        key.append(reinterpret_cast<const char*>(&id), sizeof id);
        key.push_back(static_cast<char>(color.r));
        key.push_back(static_cast<char>(color.g));
        key.push_back(static_cast<char>(color.b));
        key.append(text);
        if (const auto it = index_.find(key); it != index_.end()) {
            order_.splice(order_.begin(), order_, it->second);
            return it->second->picture.surface();
        }
        Image picture = render(static_cast<TTF_Font*>(font.handle()), text, color);
        if (picture.empty())
            return nullptr;
        order_.push_front(Entry{key, std::move(picture)});
        index_.emplace(std::move(key), order_.begin());
        if (order_.size() > textCacheLimit) {
            index_.erase(order_.back().key);
            order_.pop_back();
        }
        return order_.front().picture.surface();
    }
    void clear()
    {
        index_.clear();
        order_.clear();
    }
    std::size_t size() const { return order_.size(); }

private:
    struct Entry {
        std::string key;
        Image picture;
    };
    static Image render(TTF_Font* font, const std::string& text, Color color)
    {
        SDL_Surface* line = TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{color.r, color.g, color.b, 255});
        if (!line || line->format->format == pixelFormat)
            return Image{line};
        SDL_Surface* argb = SDL_ConvertSurfaceFormat(line, pixelFormat, 0);
        SDL_FreeSurface(line);
        return Image{argb};
    }
    std::list<Entry> order_;
    std::unordered_map<std::string, std::list<Entry>::iterator> index_;
};

TextCache& textCache()
{
    static TextCache cache;
    return cache;
}

// Blends one anti-aliased line onto the surface, clipped to `clip`.
void renderLine(SDL_Surface* canvas, const Font& font, const std::string& text, int x, int y, Color color,
                const Rect& clip)
{
    if (!canvas || font.empty() || text.empty())
        return;
    if (SDL_Surface* line = textCache().line(font, text, color)) {
        const Rect dst{x, y, x + line->w, y + line->h};
        scaleOnto(canvas, line, dst, &clip, [](Uint32 d, Uint32 s) { return blendOver(d, s); });
    }
}

} // namespace

void Canvas::drawText(const Font& font, std::string_view text, int x, int y, Color color)
{
    if (!surface_)
        return;
    const Rect whole{0, 0, surface_->w, surface_->h};
    renderLine(surface_, font, std::string(text), x, y, color, whole);
}

namespace {

// The lines drawTextInRect draws for a format in a rectangle `width` pixels wide.
std::vector<std::string> layoutLines(const Font& font, std::string_view text, int width, unsigned format)
{
    std::vector<std::string> lines;
    if (format & (textSingleLine | textVCenter)) {
        // One line: line breaks do not break, they read as spaces.
        std::string one;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                continue;
            one += (text[i] == '\n' || text[i] == '\r') ? ' ' : text[i];
        }
        lines.push_back(one);
    } else if (format & textWordBreak) {
        for (const std::string& paragraph : splitLines(text))
            wrapParagraph(font, paragraph, width, lines);
    } else {
        lines = splitLines(text);
    }
    return lines;
}

} // namespace

void Canvas::drawTextInRect(const Font& font, std::string_view text, const Rect& area, unsigned format, Color color)
{
    TTF_Font* f = ttf(font);
    if (!surface_ || !f || area.width() <= 0 || area.height() <= 0)
        return;
    const int lineHeight = TTF_FontLineSkip(f);
    const bool center = (format & textCenter) != 0;
    const std::vector<std::string> lines = layoutLines(font, text, area.width(), format);
    int y = area.top;
    if (format & textVCenter)
        y = area.top + (area.height() - TTF_FontHeight(f)) / 2;
    for (const std::string& line : lines) {
        if (y >= area.bottom)
            break;
        const int w = textWidth(font, line);
        const int x = center ? area.left + (area.width() - w) / 2 : area.left;
        renderLine(surface_, font, line, x, y, color, area);
        y += lineHeight;
    }
}

int Canvas::textHeightInRect(const Font& font, std::string_view text, int width, unsigned format) const
{
    TTF_Font* f = ttf(font);
    if (!f || width <= 0)
        return 0;
    const auto lines = layoutLines(font, text, width, format);
    if (lines.empty())
        return 0;
    return static_cast<int>(lines.size() - 1) * TTF_FontLineSkip(f) + TTF_FontHeight(f);
}

std::size_t cachedTextCount() { return textCache().size(); }
void clearTextCache()
{
    textCache().clear();
    textWidths().clear();
}

Image Canvas::picture(const Rect& area) const
{
    if (!surface_)
        return Image{};
    const Rect r = clipped(area, surface_->w, surface_->h);
    Image copy = Image::blank(r.width(), r.height());
    if (copy.empty())
        return copy;
    SDL_Rect sr{r.left, r.top, r.width(), r.height()};
    SDL_SetSurfaceBlendMode(surface_, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(surface_, &sr, copy.surface(), nullptr);
    return copy;
}

Image Image::scaled(int width, int height) const
{
    Image target = blank(width, height);
    if (!target.empty())
        scaleOnto(target.surface(), surface_, Rect{0, 0, width, height}, nullptr, [](Uint32, Uint32 s) { return s; });
    return target;
}

bool Image::opaque() const
{
    if (!surface_)
        return false;
    SDL_LockSurface(surface_);
    bool all = true;
    for (int y = 0; y < surface_->h && all; ++y) {
        const Uint32* p = row(surface_, y);
        for (int x = 0; x < surface_->w && all; ++x)
            all = (p[x] >> 24) == 255;
    }
    SDL_UnlockSurface(surface_);
    return all;
}

Color Canvas::pixel(int x, int y) const
{
    if (!surface_ || x < 0 || y < 0 || x >= surface_->w || y >= surface_->h)
        return {};
    SDL_LockSurface(surface_);
    const Uint32 p = row(surface_, y)[x];
    SDL_UnlockSurface(surface_);
    return Color{static_cast<std::uint8_t>((p >> 16) & 0xFF), static_cast<std::uint8_t>((p >> 8) & 0xFF),
                 static_cast<std::uint8_t>(p & 0xFF)};
}

namespace {

// An SDL stream that appends to a byte vector, so the picture is complete before any file is touched.
SDL_RWops* vectorStream(std::vector<unsigned char>& bytes)
{
    SDL_RWops* rw = SDL_AllocRW();
    if (rw == nullptr)
        return nullptr;
    rw->hidden.unknown.data1 = &bytes;
    rw->size = [](SDL_RWops* r) -> Sint64 { return static_cast<Sint64>(static_cast<std::vector<unsigned char>*>(r->hidden.unknown.data1)->size()); };
    rw->seek = [](SDL_RWops* r, Sint64, int) -> Sint64 { return static_cast<Sint64>(static_cast<std::vector<unsigned char>*>(r->hidden.unknown.data1)->size()); };
    rw->read = [](SDL_RWops*, void*, size_t, size_t) -> size_t { return 0; };
    rw->write = [](SDL_RWops* r, const void* data, size_t size, size_t count) -> size_t {
        auto* out = static_cast<std::vector<unsigned char>*>(r->hidden.unknown.data1);
        const auto* from = static_cast<const unsigned char*>(data);
        out->insert(out->end(), from, from + size * count);
        return count;
    };
    rw->close = [](SDL_RWops* r) -> int {
        SDL_FreeRW(r);
        return 0;
    };
    return rw;
}

} // namespace

bool Canvas::savePng(const std::string& path) const
{
    if (!surface_ || path.empty() || path.find('\0') != std::string::npos)
        return false;
    std::vector<unsigned char> bytes;
    SDL_RWops* stream = vectorStream(bytes);
    if (stream == nullptr || IMG_SavePNG_RW(surface_, stream, 1) != 0)
        return false;
    // Every byte written and the file closed without error, or the save failed (a full disk
    // would otherwise leave a cut-off picture behind as a success).
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

void Canvas::blit(const Canvas& from, const Rect& area)
{
    if (!surface_ || !from.surface_)
        return;
    const Rect r = clipped(area, std::min(surface_->w, from.surface_->w), std::min(surface_->h, from.surface_->h));
    if (r.width() <= 0 || r.height() <= 0)
        return;
    SDL_Rect sr{r.left, r.top, r.width(), r.height()};
    SDL_Rect dr = sr;
    SDL_SetSurfaceBlendMode(from.surface_, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(from.surface_, &sr, surface_, &dr);
}

} // namespace ct
