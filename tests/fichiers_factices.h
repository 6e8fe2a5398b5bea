// Test aid: a throwaway run directory holding a stand-in for every file of some asset tables
// (small flat pictures saved as BMP under their .png names, which SDL_image recognises by
// content, and short non-empty sound files, which are only checked for presence when no audio
// device is open), and the dummy display that display-format conversion needs.
#pragma once
#include <SDL.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/ressources.h"

namespace factices {

// Opens the dummy 640x480x32 display once per process (no audio device).
inline SDL_Surface* ouvrir_ecran_factice() {
    static SDL_Surface* ecran = nullptr;
    if (!ecran) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) < 0) return nullptr;
        ecran = SDL_SetVideoMode(640, 480, 32, 0);
    }
    return ecran;
}

// A directory under /tmp that becomes the working directory for the object's lifetime.
class RepertoireFactice {
  public:
    RepertoireFactice() {
        char modele[] = "/tmp/mirage_factice_XXXXXX";
        racine_ = mkdtemp(modele);
        std::filesystem::create_directories(racine_ + "/Images");
        std::filesystem::create_directories(racine_ + "/Sound");
        ancien_ = std::filesystem::current_path();
        std::filesystem::current_path(racine_);
    }
    ~RepertoireFactice() {
        std::filesystem::current_path(ancien_);
        std::filesystem::remove_all(racine_);
    }
    // A w x h picture of one colour at `chemin` (relative to the directory).
    void image(const std::string& chemin, int w, int h, Uint8 r, Uint8 g, Uint8 b) {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        SDL_FillRect(s, NULL, SDL_MapRGB(s->format, r, g, b));
        SDL_SaveBMP(s, chemin.c_str());
        SDL_FreeSurface(s);
    }
    // A 640 x h picture whose column c is (r, (c + 1) / 256, (c + 1) % 256): a scrolling band
    // whose every column can be told from the screen.
    void image_colonnes(const std::string& chemin, int h, Uint8 r) {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, h, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < 640; ++x)
                ((Uint32*)s->pixels)[y * s->pitch / 4 + x] = SDL_MapRGB(s->format, r, Uint8((x + 1) >> 8), Uint8(x + 1));
        SDL_SaveBMP(s, chemin.c_str());
        SDL_FreeSurface(s);
    }
    void son(const std::string& chemin) { std::ofstream(chemin, std::ios::binary) << "RIFF-stand-in"; }
    // Every file of the table (pictures 8 x 8 of a colour that is not any key, red 5).
    void remplir(const EntreeRessource* table, int n) {
        for (int i = 0; i < n; ++i) {
            if (table[i].genre == RES_SON || table[i].genre == RES_MUSIQUE) son(table[i].chemin);
            else image(table[i].chemin, 8, 8, 5, 7, 7);
        }
    }
    const std::string& racine() const { return racine_; }

  private:
    std::string racine_;
    std::filesystem::path ancien_;
};

}  // namespace factices
