// Screenshots of the simulated screen (see capture.h).
#include "capture.h"

#include <png.h>
#include <stdio.h>

#include <vector>

int ecrire_capture_png(SDL_Surface* surface, const char* chemin) {
    FILE* f = fopen(chemin, "wb");
    if (!f) {
        fprintf(stderr, "simulateur: cannot write %s\n", chemin);
        return -1;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(f);
        fprintf(stderr, "simulateur: libpng failed on %s\n", chemin);
        return -1;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, surface->w, surface->h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 3);
    png_write_info(png, info);
    std::vector<unsigned char> ligne(size_t(surface->w) * 3);
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    const int bpp = surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; ++y) {
        const Uint8* p = (const Uint8*)surface->pixels + y * surface->pitch;
        for (int x = 0; x < surface->w; ++x) {
            Uint32 valeur = 0;
            switch (bpp) {
                case 4: valeur = *(const Uint32*)(p + 4 * x); break;
                case 2: valeur = *(const Uint16*)(p + 2 * x); break;
                default: valeur = p[bpp * x] | (p[bpp * x + 1] << 8) | (p[bpp * x + 2] << 16); break;
            }
            SDL_GetRGB(valeur, surface->format, &ligne[3 * x], &ligne[3 * x + 1], &ligne[3 * x + 2]);
        }
        png_write_row(png, ligne.data());
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    fclose(f);
    return 0;
}
