// Checks the artwork embedded into the programs: present, decodable, of the stored sizes,
// transparent around icons and opaque on card backs.
#include "platform/resources.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Picture {
    std::string name;
    int width;
    int height;
};

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// Decodes an embedded PNG into RGBA32; null when it is missing or not a PNG.
SurfacePtr decode(const std::string& name)
{
    const auto data = ct::resourceData(name);
    if (data.empty())
        return {nullptr, SDL_FreeSurface};
    SDL_Surface* raw = IMG_LoadTyped_RW(SDL_RWFromConstMem(data.data(), int(data.size())), 1, "PNG");
    if (!raw)
        return {nullptr, SDL_FreeSurface};
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(raw);
    return {rgba, SDL_FreeSurface};
}

unsigned char alphaAt(SDL_Surface* s, int x, int y)
{
    return static_cast<unsigned char*>(s->pixels)[y * s->pitch + x * 4 + 3];
}

std::vector<Picture> icons()
{
    std::vector<Picture> out;
    for (int id : {105, 106, 107, 108})
        for (int size : {18, 9})
            out.push_back({"icon" + std::to_string(id) + "_" + std::to_string(size) + ".png", size, size});
    for (int id : {117, 119, 124})
        for (int size : {64, 32})
            out.push_back({"icon" + std::to_string(id) + "_" + std::to_string(size) + ".png", size, size});
    for (int size : {64, 32, 16})
        out.push_back({"icon101_" + std::to_string(size) + ".png", size, size});
    return out;
}

const std::vector<Picture> backs = {
    {"back116.png", 56, 80}, {"back127.png", 56, 80}, {"back128.png", 56, 79}, {"back129.png", 28, 40}, {"back135.png", 56, 80},
};

TEST(Artwork, EveryPictureIsEmbeddedAtItsSize)
{
    std::vector<Picture> all = icons();
    all.insert(all.end(), backs.begin(), backs.end());
    all.push_back({"canvas_16.png", 16, 16});
    for (const Picture& p : all) {
        SCOPED_TRACE(p.name);
        SurfacePtr s = decode(p.name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->w, p.width);
        EXPECT_EQ(s->h, p.height);
    }
    EXPECT_TRUE(ct::resourceData("icon999_18.png").empty());
}

TEST(Artwork, IconsHaveATransparentBackgroundAndSomethingToShow)
{
    for (const Picture& p : icons()) {
        SCOPED_TRACE(p.name);
        SurfacePtr s = decode(p.name);
        ASSERT_NE(s, nullptr);
        // Corners are background on every one of these pictures.
        EXPECT_EQ(alphaAt(s.get(), 0, 0), 0);
        EXPECT_EQ(alphaAt(s.get(), s->w - 1, 0), 0);
        int opaque = 0;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x)
                opaque += alphaAt(s.get(), x, y) == 255;
        EXPECT_GT(opaque, s->w * s->h / 8);
    }
    // The padding canvas must add nothing visible around a padded icon.
    SurfacePtr canvas = decode("canvas_16.png");
    ASSERT_NE(canvas, nullptr);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(alphaAt(canvas.get(), x, y), 0) << x << "," << y;
}

TEST(Artwork, CardBacksAreOpaqueSoTheTableDoesNotShowThrough)
{
    for (const Picture& p : backs) {
        SCOPED_TRACE(p.name);
        SurfacePtr s = decode(p.name);
        ASSERT_NE(s, nullptr);
        int seeThrough = 0;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x)
                seeThrough += alphaAt(s.get(), x, y) != 255;
        EXPECT_EQ(seeThrough, 0);
    }
}

} // namespace
