// Drawing resources, card faces and backs, the trump indicator, the status text and icon loading.
#include "cards/card_render.hpp"

#include "cards/card.hpp"
#include "cards/card_set.hpp"
#include "cards/card_style.hpp"
#include "cards/status_line.hpp"
#include "platform/density.hpp"
#include "platform/resources.hpp"

#include <SDL.h>

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
    for (std::size_t i = 0; i < backResources.size(); ++i)
        res.backs[i] = Image::fromPng(resourceData("back" + std::to_string(backResources[i]) + ".png"));
    res.scaledBacks.clear();
    // The indicator is drawn onto a white box and copied whole, so it is blended only once.
    const int pip = scaleX(9);
    for (int suit = 1; suit <= 4; ++suit) {
        Canvas box(pip + 2, pip + 2);
        box.fillRect(Rect{0, 0, pip + 2, pip + 2}, res.white);
        drawPip(box, res.suitIcons[static_cast<std::size_t>(suit)], 1, 2, pip);
        res.trumpIndicators[static_cast<std::size_t>(suit)] = box.picture(Rect{0, 0, pip + 2, pip + 2});
    }
}

const Image& scaledBack(int back, int width, int height)
{
    DrawingResources& res = drawingResources();
    const int index = back >= 0 && back < static_cast<int>(res.backs.size()) ? back : 0;
    for (const ScaledBack& prepared : res.scaledBacks)
        if (prepared.back == index && prepared.width == width && prepared.height == height)
            return prepared.picture;
    // Sizes come from the programs' card styles, so this stays short; a bound all the same.
    if (res.scaledBacks.size() >= 32)
        res.scaledBacks.clear();
    res.scaledBacks.push_back(ScaledBack{index, width, height,
                                         res.backs[static_cast<std::size_t>(index)].scaled(width, height)});
    return res.scaledBacks.back().picture;
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
    const DrawingResources& res = drawingResources();

    if (faceDown) {
        canvas.drawIcon(scaledBack(back, bounds.width(), bounds.height()), bounds.left, bounds.top);
        if (selected)
            canvas.invertRect(bounds);
        return true;
    }

    canvas.fillRect(bounds, res.black);
    canvas.fillRect(Rect{bounds.left + 1, bounds.top + 1, bounds.right - 1, bounds.bottom - 1},
                    selected ? res.grey : res.white);

    const int pip = scaleX(9);
    const Icon& icon = suitIcon(suit);
    const std::string_view label = rankLabel(rank);
    const Color ink = isRedSuit(suit) ? Color{255, 0, 0} : Color{0, 0, 0};

    if (cardStyle().face == FaceLayout::OneCorner) {
        drawPip(canvas, icon, x + width - scaleX(2) - scaleX(9), y + height - scaleY(2) - scaleY(9), pip);
        canvas.drawText(labelFont(), label, x + 2, y, ink);
        return true;
    }

    drawPip(canvas, icon, x + width - pip - 2, y + 2, pip);
    drawPip(canvas, icon, x + 2, y + height - pip - 2, pip);
    const Size extent = canvas.textExtent(labelFont(), label);
    canvas.drawText(labelFont(), label, x + 2, y, ink);
    canvas.drawText(labelFont(), label, x + width - extent.width - 1, y + height - extent.height - 2, ink);
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
        canvas.drawIcon(drawingResources().trumpIndicators[static_cast<std::size_t>(suit)], x, y,
                        IconDraw::imageOnly);
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
