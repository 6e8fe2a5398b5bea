// Test aid: a throwaway run directory holding a stand-in for every file of some asset tables
// (small pictures written as real PNG files, and tiny but well-formed WAV and Ogg Vorbis files,
// which pass the loaders' structure checks and are not decoded without an audio device), and
// the dummy display that display-format conversion needs.
#pragma once
#include <SDL.h>
#include <png.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/ressources.h"
#include "outils_sdl.h"

namespace factices {

// The dummy 640x480x32 display of the test helpers (no audio device).
inline SDL_Surface* ouvrir_ecran_factice() { return ecran_de_test(); }

// The w x h RGB picture given by pixel(x, y) -> 0xRRGGBB, written as a PNG file.
template <typename F>
void ecrire_png(const std::string& chemin, int w, int h, F pixel) {
    std::vector<png_byte> octets(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Uint32 c = pixel(x, y);
            png_byte* p = &octets[(size_t(y) * w + x) * 3];
            p[0] = png_byte(c >> 16), p[1] = png_byte(c >> 8), p[2] = png_byte(c);
        }
    png_image image;
    memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(w);
    image.height = png_uint_32(h);
    image.format = PNG_FORMAT_RGB;
    png_image_write_to_file(&image, chemin.c_str(), 0, octets.data(), 0, nullptr);
}

inline void ajouter32(std::string& o, uint32_t v) {
    for (int i = 0; i < 4; ++i) o += char((v >> (8 * i)) & 255);
}

// A mono 16-bit 22050 Hz WAV of a few silent samples.
inline std::string wav_factice() {
    std::string o = "RIFF";
    ajouter32(o, 36 + 8);
    o += "WAVEfmt ";
    ajouter32(o, 16);
    o += std::string("\x01\x00\x01\x00", 4);  // PCM, 1 channel
    ajouter32(o, 22050);
    ajouter32(o, 44100);
    o += std::string("\x02\x00\x10\x00", 4);  // block 2, 16 bits
    o += "data";
    ajouter32(o, 8);
    o += std::string(8, '\0');
    return o;
}

// One Ogg page, first and last of its stream, holding a Vorbis identification header.
inline std::string ogg_factice() {
    std::string corps = "\x01vorbis";
    ajouter32(corps, 0);                  // version
    corps += char(1);                     // channels
    ajouter32(corps, 22050);              // rate
    ajouter32(corps, 0);
    ajouter32(corps, 64000);
    ajouter32(corps, 0);
    corps += char(0xB8);                  // block sizes
    corps += char(1);                     // framing
    std::string page = "OggS";
    page += char(0);
    page += char(0x06);                   // beginning and end of the stream
    page += std::string(8, '\0');         // granule position
    ajouter32(page, 1);                   // serial
    ajouter32(page, 0);                   // page number
    ajouter32(page, 0);                   // CRC, filled below
    page += char(1);
    page += char(corps.size());
    page += corps;
    uint32_t crc = 0;
    for (unsigned char c : page) {
        crc ^= uint32_t(c) << 24;
        for (int k = 0; k < 8; ++k) crc = crc & 0x80000000u ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    for (int i = 0; i < 4; ++i) page[22 + i] = char((crc >> (8 * i)) & 255);
    return page;
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
        Uint32 c = Uint32(r) << 16 | Uint32(g) << 8 | b;
        if (chemin.size() > 4 && chemin.compare(chemin.size() - 4, 4, ".bmp") == 0) {
            SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
            SDL_FillRect(s, NULL, c);
            SDL_SaveBMP(s, chemin.c_str());
            SDL_FreeSurface(s);
        } else {
            ecrire_png(chemin, w, h, [c](int, int) { return c; });
        }
    }
    // A 640 x h picture whose column c is (r, (c + 1) / 256, (c + 1) % 256): a scrolling band
    // whose every column can be told from the screen.
    void image_colonnes(const std::string& chemin, int h, Uint8 r) {
        ecrire_png(chemin, 640, h, [r](int x, int) { return Uint32(r) << 16 | Uint32(x + 1); });
    }
    void son(const std::string& chemin) {
        bool musique = chemin.size() > 4 && chemin.compare(chemin.size() - 4, 4, ".ogg") == 0;
        std::ofstream(chemin, std::ios::binary) << (musique ? ogg_factice() : wav_factice());
    }
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
