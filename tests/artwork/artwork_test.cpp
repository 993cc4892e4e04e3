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

enum class Kind { icon, back, padding };

struct Picture {
    std::string name;
    int width;
    int height;
    Kind kind;
};

std::vector<Picture> pictures()
{
    std::vector<Picture> out{{"back116.png", 56, 80, Kind::back}, {"back127.png", 56, 80, Kind::back},
                             {"back128.png", 56, 79, Kind::back}, {"back129.png", 28, 40, Kind::back},
                             {"back135.png", 56, 80, Kind::back}, {"canvas_16.png", 16, 16, Kind::padding}};
    auto icon = [&out](int id, int size) {
        out.push_back({"icon" + std::to_string(id) + "_" + std::to_string(size) + ".png", size, size, Kind::icon});
    };
    for (int id : {105, 106, 107, 108})
        for (int size : {18, 9})
            icon(id, size);
    for (int id : {117, 119, 124})
        for (int size : {64, 32})
            icon(id, size);
    for (int size : {64, 32, 16})
        icon(101, size);
    return out;
}

TEST(Artwork, EveryPictureIsEmbeddedAtItsSizeWithTheRightTransparency)
{
    for (const Picture& p : pictures()) {
        SCOPED_TRACE(p.name);
        const auto data = ct::resourceData(p.name);
        ASSERT_FALSE(data.empty());
        SDL_Surface* raw = IMG_LoadTyped_RW(SDL_RWFromConstMem(data.data(), int(data.size())), 1, "PNG");
        ASSERT_NE(raw, nullptr);
        std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> s(
            SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0), SDL_FreeSurface);
        SDL_FreeSurface(raw);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->w, p.width);
        EXPECT_EQ(s->h, p.height);
        auto alpha = [&s](int x, int y) { return static_cast<unsigned char*>(s->pixels)[y * s->pitch + x * 4 + 3]; };
        int opaque = 0, clear = 0;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x) {
                opaque += alpha(x, y) == 255;
                clear += alpha(x, y) == 0;
            }
        if (p.kind == Kind::back) {   // the table must not show through a card back
            EXPECT_EQ(opaque, s->w * s->h);
        }
        if (p.kind == Kind::padding) {   // the padding canvas must add nothing visible around a padded icon
            EXPECT_EQ(clear, s->w * s->h);
        }
        if (p.kind == Kind::icon) {   // corners are background on every icon, and there is something to show
            EXPECT_EQ(alpha(0, 0), 0);
            EXPECT_EQ(alpha(s->w - 1, 0), 0);
            EXPECT_GT(opaque, s->w * s->h / 8);
        }
    }
    EXPECT_TRUE(ct::resourceData("icon999_18.png").empty());
}

} // namespace
