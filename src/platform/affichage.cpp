// The display: full screen at the desktop's resolution or a window, the canvas scaled by a
// whole number and centred (see affichage.h).
#include "platform/affichage.h"

#include <stdlib.h>
#include <string.h>

#include "platform/navigateur.h"
#include "platform/plateforme.h"
#include "platform/sdl2_direct.h"

namespace {

const int LARGEUR_TOILE = 640;
const int HAUTEUR_TOILE = 480;
const Uint32 MODE_PLEIN_ECRAN = SDL_HWSURFACE | SDL_DOUBLEBUF | SDL_FULLSCREEN | SDL_HWPALETTE;
const Uint32 MODE_FENETRE = SDL_SWSURFACE;

// The canvas is a surface of its own for the whole run: scenes keep its address across mode
// changes, so it cannot be a view of the display's pixels, which move with every mode. Each
// flip copies it (1x) or scales it onto the display.
struct Affichage {
    SDL_Surface* toile = nullptr;  // what the scenes draw into, 640x480
    SDL_Surface* video = nullptr;  // what SDL shows
    int fenetre = 0;
    MiseEnPage page = {0, 0, 0, 0, 0};  // of the display actually set
    int bureau_largeur = 0, bureau_hauteur = 0;
    int bureau_lu = 0;                      // SDL's figure, read once before the first mode
    int impose_largeur = 0, impose_hauteur = 0;
    int a_effacer = 0;  // flips left that blacken the whole display (after a mode change)
    int direct = 0;     // 1 when canvas and display share one 32-bit format: rows are copied by hand
    int invisible = 0;  // 1 on SDL's dummy driver (the simulator), where nobody sees the display
    int par_sdl2 = 0;   // 1 when the last flip went into SDL2's window surface (sdl2_direct.h)
};

Affichage aff;

int plus_grande_echelle(int largeur, int hauteur) {
    int ex = largeur / LARGEUR_TOILE, ey = hauteur / HAUTEUR_TOILE;
    return ex < ey ? ex : ey;
}

MiseEnPage centrer(int largeur, int hauteur, int echelle) {
    MiseEnPage p;
    p.largeur = largeur;
    p.hauteur = hauteur;
    p.echelle = echelle;
    p.x = (largeur - LARGEUR_TOILE * echelle) / 2;
    p.y = (hauteur - HAUTEUR_TOILE * echelle) / 2;
    return p;
}

void lire_bureau() {
    if (aff.impose_largeur > 0) {
        aff.bureau_largeur = aff.impose_largeur;
        aff.bureau_hauteur = aff.impose_hauteur;
    } else if (plateforme_est_simulee()) {
        aff.bureau_largeur = LARGEUR_TOILE;
        aff.bureau_hauteur = HAUTEUR_TOILE;
    } else if (!aff.bureau_lu) {
        // After a mode is set, SDL reports that mode instead of the desktop.
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        aff.bureau_largeur = info ? info->current_w : 0;
        aff.bureau_hauteur = info ? info->current_h : 0;
        aff.bureau_lu = 1;
    }
}

// Sets the mode of `page` (full screen or window). A window that cannot be had at its scale
// is tried smaller; a full screen at the desktop's size falls back to 640x480.
SDL_Surface* regler_mode(int fenetre) {
    MiseEnPage p = fenetre ? mise_en_page_fenetre(aff.bureau_largeur, aff.bureau_hauteur)
                           : mise_en_page_plein_ecran(aff.bureau_largeur, aff.bureau_hauteur);
    // A window in the middle of the desktop; a position the user chose stays theirs.
    const int position_choisie = getenv("SDL_VIDEO_WINDOW_POS") != nullptr;
    if (fenetre) setenv("SDL_VIDEO_CENTERED", "1", 0);
    else if (aff.fenetre) sdl2_placer_fenetre(0, 0);
    SDL_Surface* v = SDL_SetVideoMode(p.largeur, p.hauteur, 32, fenetre ? MODE_FENETRE : MODE_PLEIN_ECRAN);
    while (!v && fenetre && p.echelle > 1) {
        p = centrer(LARGEUR_TOILE * (p.echelle - 1), HAUTEUR_TOILE * (p.echelle - 1), p.echelle - 1);
        v = SDL_SetVideoMode(p.largeur, p.hauteur, 32, MODE_FENETRE);
    }
    if (!v && !fenetre && (p.largeur != LARGEUR_TOILE || p.hauteur != HAUTEUR_TOILE))
        v = SDL_SetVideoMode(LARGEUR_TOILE, HAUTEUR_TOILE, 32, MODE_PLEIN_ECRAN);
    if (!v) return nullptr;
    if (fenetre && !position_choisie && aff.bureau_largeur > 0)
        sdl2_placer_fenetre((aff.bureau_largeur - v->w) / 2, (aff.bureau_hauteur - v->h) / 2);
    // The mode SDL gave may differ from the one asked for: place the canvas on what is there.
    int echelle = plus_grande_echelle(v->w, v->h);
    if (echelle > p.echelle) echelle = p.echelle;
    aff.page = centrer(v->w, v->h, echelle < 1 ? 1 : echelle);
    aff.video = v;
    aff.a_effacer = (v->flags & SDL_DOUBLEBUF) ? 2 : 1;  // both buffers of a page flip
    return v;
}

// Decides how the canvas reaches the display: by hand (rows copied or widened) when both are
// 32-bit in one format and the canvas fits, through SDL's blit (converting, clipping, 1x) else.
void choisir_copie() {
    SDL_Surface *t = aff.toile, *v = aff.video;
    aff.direct = t && v && v->format->BytesPerPixel == 4 && v->format->Rmask == t->format->Rmask &&
                 v->format->Gmask == t->format->Gmask && v->format->Bmask == t->format->Bmask &&
                 v->w >= LARGEUR_TOILE && v->h >= HAUTEUR_TOILE;
    if (!aff.direct) aff.page = centrer(v->w, v->h, 1);
}

// Canvas rows onto the display `v` (the display SDL 1.2 gave, or a surface of its size and
// format). Each canvas pixel becomes an echelle x echelle block: one
// display row is widened from the canvas row, the echelle - 1 rows below it are copies of it.
// With `seulement_changees`, a row whose display row already shows it is left alone: the
// display is read back (a plain memory surface), so no copy of the last picture is kept.
// Returns the rows drawn as [*premiere, *derniere], or 0 when none was.
int poser_toile(SDL_Surface* v, int seulement_changees, int* premiere, int* derniere) {
    SDL_Surface* t = aff.toile;
    const MiseEnPage& p = aff.page;
    *premiere = 0;
    *derniere = HAUTEUR_TOILE - 1;
    if (!aff.direct) {
        SDL_Rect ou = {Sint16(p.x), Sint16(p.y), 0, 0};
        SDL_BlitSurface(t, NULL, v, &ou);
        return 1;
    }
    if (SDL_MUSTLOCK(v) && SDL_LockSurface(v) < 0) return 0;
    const int k = p.echelle;
    const size_t octets_ligne = size_t(LARGEUR_TOILE) * size_t(k) * 4;
    Uint8* haut = (Uint8*)v->pixels + p.y * v->pitch + p.x * 4;
    int n = 0;
    for (int y = 0; y < HAUTEUR_TOILE; ++y) {
        const Uint32* s = (const Uint32*)((const Uint8*)t->pixels + y * t->pitch);
        Uint8* d = haut + size_t(y) * size_t(k) * v->pitch;
        if (seulement_changees) {
            int pareille;
            if (k == 1) {
                pareille = memcmp(d, s, octets_ligne) == 0;
            } else {
                const Uint32* d32 = (const Uint32*)d;
                int x = 0;
                while (x < LARGEUR_TOILE && d32[x * k] == s[x]) ++x;
                pareille = x == LARGEUR_TOILE;
            }
            if (pareille) continue;
        }
        if (n++ == 0) *premiere = y;
        *derniere = y;
        if (k == 1) {
            memcpy(d, s, octets_ligne);
            continue;
        }
        if (k == 2) {
            Uint64* d64 = (Uint64*)d;
            for (int x = 0; x < LARGEUR_TOILE; ++x) d64[x] = Uint64(s[x]) * 0x100000001ull;
        } else {
            Uint32* d32 = (Uint32*)d;
            for (int x = 0; x < LARGEUR_TOILE; ++x)
                for (int j = 0; j < k; ++j) d32[x * k + j] = s[x];
        }
        for (int r = 1; r < k; ++r) memcpy(d + r * v->pitch, d, octets_ligne);
    }
    if (SDL_MUSTLOCK(v)) SDL_UnlockSurface(v);
    return n > 0;
}

}  // namespace

MiseEnPage mise_en_page_plein_ecran(int largeur, int hauteur) {
    if (largeur < LARGEUR_TOILE || hauteur < HAUTEUR_TOILE) return centrer(LARGEUR_TOILE, HAUTEUR_TOILE, 1);
    return centrer(largeur, hauteur, plus_grande_echelle(largeur, hauteur));
}

MiseEnPage mise_en_page_fenetre(int largeur, int hauteur) {
    int echelle = plus_grande_echelle(largeur - MARGE_FENETRE_LARGEUR, hauteur - MARGE_FENETRE_HAUTEUR);
    if (echelle < 1) echelle = 1;
    return centrer(LARGEUR_TOILE * echelle, HAUTEUR_TOILE * echelle, echelle);
}

SDL_Surface* affichage_ouvrir(void) {
#ifdef __EMSCRIPTEN__
    // The page's canvas is the screen and the page scales it: one surface, at 1x.
    if (!aff.toile) aff.toile = aff.video = navigateur_ouvrir_toile();
    aff.page = centrer(LARGEUR_TOILE, HAUTEUR_TOILE, 1);
    return aff.toile;
#endif
    // The desktop can only be asked once SDL's video is up, and before the first mode is set.
    // sdl12-compat presents each flip through an SDL2 renderer: it converts the display into a
    // texture, clears the whole window, copies the texture over it (blending, the texture
    // having alpha) and shows the result. SDL2 picks OpenGL by default, and shows even its
    // software renderer's window through OpenGL; without a GPU (a virtual machine, a remote
    // desktop, Xvfb) Mesa's software rasteriser then draws every pixel of the desktop on the CPU
    // at every flip: a whole core under Xvfb. The software renderer draws into SDL2's window
    // surface, the X server's shared memory as with the classic library, at 2.4 times the
    // classic library's share of a core in a level; a flip written straight into that surface,
    // only the rows that changed and with no texture, costs what the classic library does
    // (affichage_montrer, sdl2_direct.h). A player's own choice (either variable set) is kept:
    // the flip then goes through the library.
    if (sdl2_sous_compat()) {
        setenv("SDL_RENDER_DRIVER", "software", 0);
        setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
    }
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) < 0) return NULL;
#ifndef __EMSCRIPTEN__
    char pilote[32];
    aff.invisible = SDL_VideoDriverName(pilote, sizeof pilote) && strcmp(pilote, "dummy") == 0;
#endif
    lire_bureau();
    if (!regler_mode(0)) return NULL;
    aff.fenetre = 0;
    if (!aff.toile) {
        // The canvas takes the display's format, so every picture converted for the display
        // blits onto it without conversion, and the flip copies it as it is.
        SDL_PixelFormat* f = aff.video->format;
        int bpp4 = f->BytesPerPixel == 4;
        aff.toile = SDL_CreateRGBSurface(SDL_SWSURFACE, LARGEUR_TOILE, HAUTEUR_TOILE, 32, bpp4 ? f->Rmask : 0xFF0000,
                                         bpp4 ? f->Gmask : 0xFF00, bpp4 ? f->Bmask : 0xFF, 0);
        if (!aff.toile) return NULL;
    }
    choisir_copie();
    return aff.toile;
}

int plateforme_basculer_fenetre(void) {
    if (!aff.video) return -1;
#ifdef __EMSCRIPTEN__
    navigateur_basculer_plein_ecran();
    aff.fenetre = !aff.fenetre;
    return 0;
#endif
    int fenetre = !aff.fenetre;
    int r = 0;
    if (!regler_mode(fenetre)) {
        // Put the old mode back; the canvas is untouched either way.
        fenetre = aff.fenetre;
        r = -1;
        if (!regler_mode(fenetre)) {
            aff.video = nullptr;
            return -1;
        }
    }
    aff.fenetre = fenetre;
    choisir_copie();
    SDL_ShowCursor(0);
    return r;
}

int affichage_montrer(SDL_Surface* ecran, SDL_Surface** montre) {
    SDL_Surface* v = aff.video;
#ifdef __EMSCRIPTEN__
    // Drawn already: the canvas is on the page.
    *montre = ecran;
    if (ecran == aff.toile) navigateur_image_montree();
    return 0;
#endif
    if (!ecran || ecran != aff.toile || !v) {
        *montre = ecran;
        return SDL_Flip(ecran);
    }
    const MiseEnPage& p = aff.page;
    // Under sdl12-compat the canvas goes straight into SDL2's window surface where it can (see
    // affichage_ouvrir). When the way changes, what the other way holds is stale: redraw all.
    SDL_Surface* d = aff.invisible || !aff.direct ? NULL : sdl2_surface_fenetre(v->w, v->h, aff.toile->format);
    const int par_sdl2 = d != NULL;
    if (par_sdl2 != aff.par_sdl2) {
        aff.par_sdl2 = par_sdl2;
        if (aff.a_effacer < 1) aff.a_effacer = 1;
    }
    if (!d) d = v;
    *montre = d;
    // A page flip shows a back buffer that holds an older picture, video memory is slow to read
    // back, and after a mode change or an uncovering the borders must be blackened: these
    // redraw and show all. sdl12-compat's display is plain memory whatever its flags say, and a
    // flip uploads all of it: the rows that changed are all it needs too.
    int premiere, derniere;
    const int memoire = sdl2_sous_compat() || !(v->flags & (SDL_DOUBLEBUF | SDL_HWSURFACE));
    if (!memoire || aff.a_effacer > 0 || !aff.direct) {
        if (aff.a_effacer > 0) {
            SDL_FillRect(d, NULL, SDL_MapRGB(d->format, 0, 0, 0));
            --aff.a_effacer;
        }
        poser_toile(d, 0, &premiere, &derniere);
        if (aff.invisible) return 0;
        return par_sdl2 ? sdl2_envoyer(0, 0, d->w, d->h) : SDL_Flip(v);
    }
    // Otherwise only the rows that changed are scaled and sent to the screen: a still picture
    // (the splash, the menu between blinks, a story's pause) costs a comparison and no update.
    // Nothing to send where nobody looks: sdl12-compat's dummy driver would still push every
    // update through SDL2's renderer, over a third of the simulator's time.
    if (!poser_toile(d, 1, &premiere, &derniere) || aff.invisible) return 0;
    const int y = p.y + premiere * p.echelle, hauteur = (derniere - premiere + 1) * p.echelle;
    if (par_sdl2) return sdl2_envoyer(p.x, y, LARGEUR_TOILE * p.echelle, hauteur);
    SDL_UpdateRect(v, p.x, y, Uint32(LARGEUR_TOILE * p.echelle), Uint32(hauteur));
    return 0;
}

void affichage_exposee(void) {
    if (aff.a_effacer < 1) aff.a_effacer = 1;
}

int plateforme_en_fenetre(void) { return aff.fenetre; }

SDL_Surface* plateforme_surface_affichee(void) { return aff.video; }

MiseEnPage plateforme_mise_en_page(void) { return aff.page; }

void plateforme_imposer_bureau(int largeur, int hauteur) {
    aff.impose_largeur = largeur > 0 && hauteur > 0 ? largeur : 0;
    aff.impose_hauteur = largeur > 0 && hauteur > 0 ? hauteur : 0;
}

const char* plateforme_raison_sans_affichage(void) {
#ifdef __EMSCRIPTEN__
    return NULL;  // the page is the display
#endif
    const char* choisi = getenv("SDL_VIDEODRIVER");
    if (choisi && *choisi) return NULL;
    const char* x11 = getenv("DISPLAY");
    const char* wayland = getenv("WAYLAND_DISPLAY");
    if ((x11 && *x11) || (wayland && *wayland)) return NULL;
    return "neither DISPLAY nor WAYLAND_DISPLAY is set (start the game from a graphical session, or choose a video "
           "driver with SDL_VIDEODRIVER)";
}
