// The display: one 640x480 canvas that every scene draws into, shown full screen at the
// desktop's own resolution or in a window, scaled by a whole number (nearest neighbour, so
// pixels stay crisp), centred on black. The monitor's mode is never changed, except on a
// desktop smaller than 640x480.
#pragma once
#include <SDL.h>

// Where the canvas goes: the display's size, the whole-number scale and the canvas's top-left
// corner on the display.
typedef struct MiseEnPage {
    int largeur, hauteur;
    int echelle;
    int x, y;
} MiseEnPage;

// Room the window leaves on the desktop for its frame, a title bar and a panel.
#define MARGE_FENETRE_LARGEUR 16
#define MARGE_FENETRE_HAUTEUR 96

// Full screen on a desktop of `largeur` x `hauteur`: the desktop's own size with the largest
// scale that fits, centred (2x on 1920x1080, 1x on 1280x720, 4x on 3840x2160). A desktop
// smaller than 640x480, or of unknown size (0), gets the 640x480 mode at 1x.
MiseEnPage mise_en_page_plein_ecran(int largeur, int hauteur);
// The window on that desktop: the largest scale whose window still leaves the margins above
// free, at least 1x (2x, 1280x960, on 1920x1080; 1x on 1366x768). The window is the canvas
// scaled, with no border.
MiseEnPage mise_en_page_fenetre(int largeur, int hauteur);

// Opens the display in full screen (the game's start) and the first joystick if there is one
// (none is not an error). Returns the canvas, which stays the same surface whatever the mode;
// NULL (with SDL's error) when no mode can be set. The desktop's size is read from SDL before
// the first mode is set; in simulated mode the desktop is 640x480 unless
// plateforme_imposer_bureau says otherwise. May be called again: full screen again, same canvas.
SDL_Surface* plateforme_ouvrir_ecran(void);
// Switches between full screen and the window. Alt+Enter and F11 call it; scenes never see
// those keys, and the canvas keeps its picture. The clock is not touched. Returns 0, or -1 when
// the new mode cannot be set (the old one is set again).
int plateforme_basculer_fenetre(void);
// 1 in the window mode.
int plateforme_en_fenetre(void);
// The surface actually on the display (the canvas itself is what scenes draw into).
SDL_Surface* plateforme_surface_affichee(void);
// Where the canvas is on the display now.
MiseEnPage plateforme_mise_en_page(void);
// Takes `largeur` x `hauteur` as the desktop's size from the next plateforme_ouvrir_ecran on,
// instead of what SDL reports (tests and benchmarks, whose dummy driver has no desktop);
// 0 x 0 goes back to SDL's figure.
void plateforme_imposer_bureau(int largeur, int hauteur);

// Why the game cannot show anything here, or NULL: no X11 or Wayland display in the
// environment (DISPLAY and WAYLAND_DISPLAY unset or empty) and no driver chosen with
// SDL_VIDEODRIVER, where SDL 1.2 would otherwise fall back to text-mode drivers in the terminal.
const char* plateforme_raison_sans_affichage(void);

// ---- used by the rest of the platform layer ----

// Opens the full screen (plateforme_ouvrir_ecran without the joystick and the signals).
SDL_Surface* affichage_ouvrir(void);

// Puts the canvas on the display (scaled, centred, borders black after a mode change) and
// updates the screen; any other surface is just flipped. *montre receives the surface now on
// the display. Returns SDL_Flip's result (0 on success). No allocation.
int affichage_montrer(SDL_Surface* ecran, SDL_Surface** montre);
// The window was uncovered (SDL_VIDEOEXPOSE): the next flip redraws and shows all of it, still
// picture or not. The classic library repaints an uncovered window from its own copy;
// sdl12-compat leaves it to the game.
void affichage_exposee(void);
