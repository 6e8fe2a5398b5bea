// SDL2 beneath sdl12-compat, reached by name (see sdl2_direct.h).
#include "platform/sdl2_direct.h"

#ifndef __EMSCRIPTEN__
#include <dlfcn.h>
#endif

#include "platform/plateforme.h"

#ifdef __EMSCRIPTEN__

// The browser's SDL is emscripten's own.
int sdl2_sous_compat(void) { return 0; }
void sdl2_placer_fenetre(int, int) {}
SDL_Surface* sdl2_surface_fenetre(int, int, const SDL_PixelFormat*) { return NULL; }
int sdl2_envoyer(int, int, int, int) { return -1; }

#else

namespace {

// The leading members of SDL2's records, whose layout SDL2 keeps for its whole major version.
struct FormatSdl2 {
    Uint32 format;
    void* palette;
    Uint8 BitsPerPixel, BytesPerPixel, remplissage[2];
    Uint32 Rmask, Gmask, Bmask, Amask;
};
struct SurfaceSdl2 {
    Uint32 flags;
    FormatSdl2* format;
    int w, h;
    int pitch;
    void* pixels;
};
struct RectSdl2 {
    int x, y, w, h;
};
struct InfoRenduSdl2 {
    const char* name;
    Uint32 flags;
    Uint32 num_texture_formats;
    Uint32 texture_formats[16];
    int max_texture_width, max_texture_height;
};
const Uint32 RENDU_LOGICIEL_SDL2 = 0x1;  // SDL_RENDERER_SOFTWARE

// What the display calls past sdl12-compat, looked up once; all null on the classic library.
struct Sdl2 {
    int cherche = 0;
    void* (*fenetre)(void) = nullptr;  // SDL12COMPAT_GetWindow, sdl12-compat's own
    void (*placer)(void*, int, int) = nullptr;
    void* (*rendu)(void*) = nullptr;
    int (*info_rendu)(void*, InfoRenduSdl2*) = nullptr;
    SurfaceSdl2* (*surface)(void*) = nullptr;
    int (*envoyer)(void*, const RectSdl2*, int) = nullptr;
};

Sdl2 sdl2;

// The SDL 1.2 surface over SDL2's window surface, and the window whose surface it is.
SDL_Surface* vue = nullptr;
void* fenetre_vue = nullptr;

template <typename F>
void trouver(void* bibliotheque, const char* nom, F* f) {
    *f = reinterpret_cast<F>(dlsym(bibliotheque, nom));
}

const Sdl2& charger() {
    if (sdl2.cherche) return sdl2;
    sdl2.cherche = 1;
    trouver(RTLD_DEFAULT, "SDL12COMPAT_GetWindow", &sdl2.fenetre);
    // sdl12-compat has loaded SDL2 already: this only finds it.
    void* b = sdl2.fenetre ? dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD) : nullptr;
    if (!b) return sdl2;
    trouver(b, "SDL_SetWindowPosition", &sdl2.placer);
    trouver(b, "SDL_GetRenderer", &sdl2.rendu);
    trouver(b, "SDL_GetRendererInfo", &sdl2.info_rendu);
    trouver(b, "SDL_GetWindowSurface", &sdl2.surface);
    trouver(b, "SDL_UpdateWindowSurfaceRects", &sdl2.envoyer);
    return sdl2;
}

// sdl12-compat's window, when it shows the display through SDL2's software renderer: that
// renderer draws into the window surface and sends it to the screen, as a flip written there
// does. Any other renderer owns the window in its own way.
void* fenetre_logicielle() {
    const Sdl2& s = charger();
    if (!s.fenetre || !s.rendu || !s.info_rendu || !s.surface || !s.envoyer) return nullptr;
    void* f = s.fenetre();
    void* r = f ? s.rendu(f) : nullptr;
    InfoRenduSdl2 info;
    if (!r || s.info_rendu(r, &info) != 0 || !(info.flags & RENDU_LOGICIEL_SDL2)) return nullptr;
    return f;
}

}  // namespace

int sdl2_sous_compat(void) { return charger().fenetre != nullptr; }

void sdl2_placer_fenetre(int x, int y) {
    const Sdl2& s = charger();
    if (!s.fenetre || !s.placer || plateforme_est_simulee()) return;
    if (void* f = s.fenetre()) s.placer(f, x, y);
}

SDL_Surface* sdl2_surface_fenetre(int largeur, int hauteur, const SDL_PixelFormat* modele) {
    fenetre_vue = fenetre_logicielle();
    SurfaceSdl2* s = fenetre_vue ? sdl2.surface(fenetre_vue) : nullptr;
    if (!s || !s->pixels || !s->format || s->w != largeur || s->h != hauteur) return NULL;
    const FormatSdl2* fs = s->format;
    if (fs->BytesPerPixel != 4 || fs->Rmask != modele->Rmask || fs->Gmask != modele->Gmask ||
        fs->Bmask != modele->Bmask)
        return NULL;
    if (!vue || vue->pixels != s->pixels || vue->w != s->w || vue->h != s->h || vue->pitch != s->pitch) {
        if (vue) SDL_FreeSurface(vue);
        // SDL 1.2 keeps a pitch in 16 bits.
        vue = s->pitch > 0 && s->pitch <= 0xFFFF ? SDL_CreateRGBSurfaceFrom(s->pixels, s->w, s->h, 32, s->pitch,
                                                                             fs->Rmask, fs->Gmask, fs->Bmask, 0)
                                                 : NULL;
    }
    return vue;
}

int sdl2_envoyer(int x, int y, int largeur, int hauteur) {
    if (!fenetre_vue) return -1;
    const RectSdl2 r = {x, y, largeur, hauteur};
    return sdl2.envoyer(fenetre_vue, &r, 1) == 0 ? 0 : -1;
}

#endif
