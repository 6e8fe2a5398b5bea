// The desktop icons the generator draws: every hicolor size is a square RGBA PNG whose corners
// are transparent and whose middle is opaque, the small sizes agree with the large one, and
// the scalable one is an SVG of the same 256-unit drawing.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const std::string DOSSIER = std::string(MIRAGE_RUN_DIR) + "/icones/";

Uint8 alpha(SDL_Surface* s, int x, int y) {
    Uint32 p = 0;
    memcpy(&p, static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 4, 4);
    Uint8 r, g, b, a;
    SDL_GetRGBA(p, s->format, &r, &g, &b, &a);
    return a;
}

TEST(Icone, ChaqueTailleEstCarreeTransparenteAuxCoinsOpaqueAuMilieu) {
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256}) {
        std::string f = DOSSIER + std::to_string(taille) + "x" + std::to_string(taille) + ".png";
        SCOPED_TRACE(f);
        SDL_Surface* s = IMG_Load(f.c_str());
        ASSERT_NE(s, nullptr) << IMG_GetError();
        EXPECT_EQ(s->w, taille);
        EXPECT_EQ(s->h, taille);
        ASSERT_EQ(s->format->BytesPerPixel, 4);
        ASSERT_NE(s->format->Amask, 0u);
        SDL_LockSurface(s);
        for (int c : {0, taille - 1}) {
            EXPECT_EQ(alpha(s, c, 0), 0);
            EXPECT_EQ(alpha(s, c, taille - 1), 0);
        }
        EXPECT_EQ(alpha(s, taille / 2, taille / 2), 255);
        // Round: about the corners' share of the square (1 - pi/4 of it, less the rim's
        // width) is clear, and most of the rest fully opaque.
        int clairs = 0, opaques = 0;
        for (int y = 0; y < taille; ++y)
            for (int x = 0; x < taille; ++x) {
                Uint8 a = alpha(s, x, y);
                clairs += a == 0;
                opaques += a == 255;
            }
        double aire = double(taille) * taille;
        EXPECT_GT(clairs / aire, 0.15);
        EXPECT_LT(clairs / aire, 0.32);
        EXPECT_GT(opaques / aire, 0.55);
        SDL_UnlockSurface(s);
        SDL_FreeSurface(s);
    }
}

TEST(Icone, LeSvgDessineLeMemeCarre) {
    std::ifstream in(DOSSIER + "scalable.svg");
    std::string svg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(svg.empty());
    EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos);
    EXPECT_NE(svg.find("<clipPath id=\"medaillon\">"), std::string::npos);
    EXPECT_NE(svg.find("clip-path=\"url(#medaillon)\""), std::string::npos);
    EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7);
}

}  // namespace
