// Drawing resources, card faces and backs, the trump indicator, the status text and icon loading.
#include "cards/card_render.hpp"

#include "cards/card.hpp"
#include "cards/card_set.hpp"
#include "cards/card_style.hpp"
#include "cards/status_line.hpp"
#include "platform/density.hpp"
#include "platform/resources.hpp"

#include <SDL.h>

#include <algorithm>
#include <initializer_list>
#include <string>

namespace ct {

namespace {

Image loadStored(int resource, int size)
{
    return Image::fromPng(resourceData("icon" + std::to_string(resource) + "_" + std::to_string(size) + ".png"));
}

// Copies the whole source into a transparent size x size picture, scaled to fill it or centred
// at its own size. The icon's alpha is copied as it stands, not blended.
Image copyOnto(const Image& source, int size, bool scaled)
{
    Image target = Image::blank(size, size);
    if (target.empty() || source.empty())
        return Image{};
    SDL_Surface* src = source.surface();
    SDL_BlendMode oldMode = SDL_BLENDMODE_BLEND;
    SDL_GetSurfaceBlendMode(src, &oldMode);
    SDL_SetSurfaceBlendMode(src, SDL_BLENDMODE_NONE);
    int result = 0;
    if (scaled) {
        SDL_Rect dst{0, 0, size, size};
        result = SDL_BlitScaled(src, nullptr, target.surface(), &dst);
    } else {
        SDL_Rect dst{size / 2 - source.width() / 2, size / 2 - source.height() / 2, source.width(), source.height()};
        result = SDL_BlitSurface(src, nullptr, target.surface(), &dst);
    }
    SDL_SetSurfaceBlendMode(src, oldMode);
    return result == 0 ? std::move(target) : Image{};
}

// Chooses among the stored sizes (largest first) as the icon loaders do: a size that is
// stored is loaded as it is; a larger size takes the largest stored size below it, centred on
// a transparent canvas, never stretched; a size below the smallest stored one is loaded at that
// size if such a file exists, else made by shrinking the smallest stored picture.
Icon loadFromSizes(int resource, int size, std::initializer_list<int> storedSizes)
{
    if (size <= 0)
        return Icon{};
    const int smallest = *(storedSizes.end() - 1);
    if (size <= smallest) {
        Image exact = loadStored(resource, size);
        if (!exact.empty())
            return exact;
    }
    for (int stored : storedSizes) {
        if (stored > size)
            continue;
        Image image = loadStored(resource, stored);
        if (image.empty())
            continue;
        if (stored == size)
            return image;
        Image padded = copyOnto(image, size, false);
        // If padding fails the icon is used at its stored size.
        return padded.empty() ? std::move(image) : std::move(padded);
    }
    // Nothing stored at or below the size: shrink the smallest larger picture that exists.
    for (auto it = storedSizes.end(); it != storedSizes.begin();) {
        --it;
        if (*it <= size)
            continue;
        Image image = loadStored(resource, *it);
        if (!image.empty()) {
            Image shrunk = copyOnto(image, size, true);
            return shrunk.empty() ? std::move(image) : std::move(shrunk);
        }
    }
    return Icon{};
}

std::string_view rankLabel(int rank)
{
    const auto& labels = cardStyle().rankLabels;
    if (rank < 0 || rank >= static_cast<int>(labels.size()))
        return {};
    return labels[static_cast<std::size_t>(rank)];
}

void drawPip(Canvas& canvas, const Icon& icon, int x, int y, int size)
{
    if (icon.width() == size && icon.height() == size)
        canvas.drawIcon(icon, x, y);
    else
        canvas.drawIconSized(icon, x, y, size);
}

const Icon& suitIcon(int suit)
{
    static const Icon none;
    if (suit < 1 || suit > 4)
        return none;
    return drawingResources().suitIcons[static_cast<std::size_t>(suit)];
}

// A face with its top left corner at (area.left, area.top).
void drawFace(Canvas& canvas, int suit, int rank, bool selected, const Rect& area)
{
    const DrawingResources& res = drawingResources();
    const int x = area.left;
    const int y = area.top;
    const int width = area.width();
    const int height = area.height();
    canvas.fillRect(area, res.black);
    canvas.fillRect(Rect{x + 1, y + 1, x + width - 1, y + height - 1}, selected ? res.grey : res.white);

    const int pip = scaleX(9);
    const Icon& icon = suitIcon(suit);
    const std::string_view label = rankLabel(rank);
    const Color ink = isRedSuit(suit) ? Color{255, 0, 0} : Color{0, 0, 0};

    if (cardStyle().face == FaceLayout::OneCorner) {
        drawPip(canvas, icon, x + width - scaleX(2) - scaleX(9), y + height - scaleY(2) - scaleY(9), pip);
        canvas.drawText(labelFont(), label, x + 2, y, ink);
        return;
    }

    drawPip(canvas, icon, x + width - pip - 2, y + 2, pip);
    drawPip(canvas, icon, x + 2, y + height - pip - 2, pip);
    const Size extent = canvas.textExtent(labelFont(), label);
    canvas.drawText(labelFont(), label, x + 2, y, ink);
    canvas.drawText(labelFont(), label, x + width - extent.width - 1, y + height - extent.height - 2, ink);
}

Uint32* pixelRow(SDL_Surface* surface, int y)
{
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + static_cast<std::ptrdiff_t>(y) * surface->pitch);
}

// What a face holds where nothing is drawn on it: the border all round, the fill inside.
bool plainEdgeRow(const PreparedFace& face, int y)
{
    return y == 0 || y == face.height - 1;
}

// Keeps the pixels of `card` (a whole face) that differ from its plain border and fill, a row at
// a time. Runs a few equal pixels apart are kept as one, which is cheaper than another span.
void keepDifferences(PreparedFace& face, SDL_Surface* card)
{
    constexpr int joinGap = 4;
    face.rowSpans.reserve(static_cast<std::size_t>(face.height) + 1);
    for (int y = 0; y < face.height; ++y) {
        face.rowSpans.push_back(static_cast<std::uint32_t>(face.spans.size()));
        const Uint32* pixels = pixelRow(card, y);
        const bool edgeRow = plainEdgeRow(face, y);
        auto plain = [&](int x) {
            return pixels[x] == (edgeRow || x == 0 || x == face.width - 1 ? face.edge : face.fill);
        };
        for (int x = 0; x < face.width;) {
            if (plain(x)) {
                ++x;
                continue;
            }
            int end = x + 1;
            for (int next = end; next < face.width && next < end + joinGap; ++next)
                if (!plain(next))
                    end = next + 1;
            face.spans.push_back(PreparedFace::Span{static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(end - x),
                                                    static_cast<std::uint32_t>(face.pixels.size())});
            face.pixels.insert(face.pixels.end(), pixels + x, pixels + end);
            x = end;
        }
    }
    face.rowSpans.push_back(static_cast<std::uint32_t>(face.spans.size()));
    face.spans.shrink_to_fit();
    face.pixels.shrink_to_fit();
}

// Puts a prepared face on the canvas with its top left corner at (x, y), clipped to the canvas:
// the same pixels as drawing it there, since a face is opaque.
void copyFace(Canvas& canvas, const PreparedFace& face, int x, int y)
{
    SDL_Surface* target = canvas.surface();
    if (target == nullptr)
        return;
    const int left = std::max(x, 0);
    const int right = std::min(x + face.width, target->w);
    const int top = std::max(y, 0);
    const int bottom = std::min(y + face.height, target->h);
    if (left >= right || top >= bottom)
        return;
    // Face columns [from, to) land on the canvas at x + column.
    const int from = left - x;
    const int to = right - x;
    SDL_LockSurface(target);
    for (int ty = top; ty < bottom; ++ty) {
        const int fy = ty - y;
        Uint32* out = pixelRow(target, ty) + left;   // face column `from`
        if (plainEdgeRow(face, fy)) {
            std::fill(out, out + (to - from), face.edge);
        } else {
            std::fill(out, out + (to - from), face.fill);
            if (from == 0)
                out[0] = face.edge;
            if (to == face.width)
                out[to - from - 1] = face.edge;
        }
        for (std::uint32_t i = face.rowSpans[static_cast<std::size_t>(fy)];
             i < face.rowSpans[static_cast<std::size_t>(fy) + 1]; ++i) {
            const PreparedFace::Span& span = face.spans[i];
            const int first = std::max(static_cast<int>(span.x), from);
            const int last = std::min(span.x + span.length, to);
            if (first < last)
                std::copy(face.pixels.begin() + span.offset + (first - span.x),
                          face.pixels.begin() + span.offset + (last - span.x), out + (first - from));
        }
    }
    SDL_UnlockSurface(target);
}

// The face drawn once and kept, or null when a copy would not give the same pixels as drawing it
// on the table: a label or pip reaching past the card's edge.
const PreparedFace* preparedFace(int suit, int rank, bool selected, int width, int height)
{
    DrawingResources& res = drawingResources();
    if (width <= 2 || height <= 2 || width > 0xFFFF || height > 0xFFFF || suit < 0 || suit > 255 || rank < 0 ||
        rank > 255)
        return nullptr;
    if (res.facesFont != labelFont().id() || res.facesStyle != cardStyleGeneration()) {
        res.faces.clear();
        res.facesFont = labelFont().id();
        res.facesStyle = cardStyleGeneration();
    }
    const std::uint64_t key = static_cast<std::uint64_t>(suit) | static_cast<std::uint64_t>(rank) << 8 |
                              static_cast<std::uint64_t>(selected ? 1 : 0) << 16 |
                              static_cast<std::uint64_t>(width) << 20 | static_cast<std::uint64_t>(height) << 40;
    if (const auto it = res.faces.find(key); it != res.faces.end())
        return it->second.width == 0 ? nullptr : &it->second;

    Canvas scratch(1, 1);
    const Size label = scratch.textExtent(labelFont(), rankLabel(rank));
    const int pip = scaleX(9);
    const bool oneCorner = cardStyle().face == FaceLayout::OneCorner;
    const bool fits = label.width + 2 <= width && label.height + 2 <= height &&
                      (oneCorner ? scaleX(2) + scaleX(9) <= width && scaleY(2) + scaleY(9) <= height
                                 : pip + 2 <= width && pip + 2 <= height);
    // A bound for the odd program drawing cards at many sizes; a few pack's worth otherwise.
    if (res.faces.size() >= 512)
        res.faces.clear();
    PreparedFace& face = res.faces[key];
    if (!fits)
        return nullptr;
    Canvas card(width, height);
    if (card.surface() == nullptr)
        return nullptr;
    // The plain colours as this canvas stores them, read before anything is drawn on them.
    card.fillRect(Rect{0, 0, width, height}, res.black);
    card.fillRect(Rect{1, 1, width - 1, height - 1}, selected ? res.grey : res.white);
    SDL_Surface* surface = card.surface();
    SDL_LockSurface(surface);
    const Uint32 edge = pixelRow(surface, 0)[0];
    const Uint32 fill = pixelRow(surface, 1)[1];
    SDL_UnlockSurface(surface);
    drawFace(card, suit, rank, selected, Rect{0, 0, width, height});
    SDL_LockSurface(surface);
    face.width = width;
    face.height = height;
    face.edge = edge;
    face.fill = fill;
    keepDifferences(face, surface);
    SDL_UnlockSurface(surface);
    return &face;
}

} // namespace

DrawingResources& drawingResources()
{
    static DrawingResources resources;
    return resources;
}

void createDrawingResources()
{
    DrawingResources& res = drawingResources();
    createFonts();
    // Suits 1..4 are diamonds, hearts, clubs, spades; the pip resources are numbered
    // diamonds, hearts, spades, clubs.
    constexpr std::array<int, 5> suitResources{0, 105, 106, 108, 107};
    for (int suit = 1; suit <= 4; ++suit)
        res.suitIcons[static_cast<std::size_t>(suit)] =
            loadSmallIcon(suitResources[static_cast<std::size_t>(suit)], scaleX(9));
    res.scaledBacks.clear();
    res.faces.clear();
    // The indicator is drawn onto a white box and copied whole, so it is blended only once.
    const int pip = scaleX(9);
    for (int suit = 1; suit <= 4; ++suit) {
        Canvas box(pip + 2, pip + 2);
        box.fillRect(Rect{0, 0, pip + 2, pip + 2}, res.white);
        drawPip(box, res.suitIcons[static_cast<std::size_t>(suit)], 1, 2, pip);
        res.trumpIndicators[static_cast<std::size_t>(suit)] = box.picture(Rect{0, 0, pip + 2, pip + 2});
    }
}

const Image& storedBack(int back)
{
    DrawingResources& res = drawingResources();
    const std::size_t index = back >= 0 && back < static_cast<int>(res.backs.size()) ? static_cast<std::size_t>(back) : 0;
    if (res.backs[index].empty())
        res.backs[index] = Image::fromPng(resourceData("back" + std::to_string(backResources[index]) + ".png"));
    return res.backs[index];
}

const ScaledBack& scaledBack(int back, int width, int height)
{
    DrawingResources& res = drawingResources();
    const int index = back >= 0 && back < static_cast<int>(res.backs.size()) ? back : 0;
    for (const ScaledBack& prepared : res.scaledBacks)
        if (prepared.back == index && prepared.width == width && prepared.height == height)
            return prepared;
    // Sizes come from the programs' card styles, so this stays short; a bound all the same.
    if (res.scaledBacks.size() >= 32)
        res.scaledBacks.clear();
    res.faces.clear();
    Image picture = storedBack(index).scaled(width, height);
    const bool opaque = picture.opaque();
    res.scaledBacks.push_back(ScaledBack{index, width, height, std::move(picture), opaque});
    return res.scaledBacks.back();
}

void releaseDrawingResources()
{
    drawingResources() = DrawingResources{};
    releaseFonts();
}

Color tableColor(int index)
{
    if (index < 0 || index >= static_cast<int>(tableColors.size()))
        return tableColors[0];
    return tableColors[static_cast<std::size_t>(index)];
}

bool Card::drawCard(Canvas& canvas) const
{
    if (!isPlaced() || hidden)
        return false;

    if (faceDown) {
        const ScaledBack& prepared = scaledBack(back, bounds.width(), bounds.height());
        // An opaque back covers whatever lies below: a plain copy gives the same pixels.
        if (prepared.opaque)
            canvas.copyPicture(prepared.picture, bounds.left, bounds.top);
        else
            canvas.drawIcon(prepared.picture, bounds.left, bounds.top);
        if (selected)
            canvas.invertRect(bounds);
        return true;
    }

    const PreparedFace* face = preparedFace(suit, rank, selected, width, height);
    if (face != nullptr)
        copyFace(canvas, *face, x, y);
    else
        drawFace(canvas, suit, rank, selected, bounds);
    return true;
}

void CardSet::drawAll(Canvas& canvas) const
{
    // In set order, so that later cards lie on top of earlier ones.
    for (const Card& card : cards)
        card.drawCard(canvas);
}

void drawTrumpIndicator(Canvas& canvas, int suit, int x, int y)
{
    if (suit >= 1 && suit <= 4) {
        canvas.copyPicture(drawingResources().trumpIndicators[static_cast<std::size_t>(suit)], x, y);
        return;
    }
    const int pip = scaleX(9);
    canvas.fillRect(Rect{x, y, x + pip + 2, y + pip + 2}, drawingResources().white);
}

void StatusLine::draw(Canvas& canvas) const
{
    if (!shown_)
        return;
    canvas.drawTextInRect(textFont(), buffer_.data(), scaleRect(region_.drawn), region_.format,
                          Color{255, 255, 255});
}

Icon loadIcon(int resource, int size)
{
    return loadFromSizes(resource, size, {64, 32, 16});
}

Icon loadSmallIcon(int resource, int size)
{
    return loadFromSizes(resource, size, {18, 9});
}

} // namespace ct
