// Shared toolkit of the shell, HUD and level pictures: the dusk palette, periodic noise for
// seamless bands, keyed-sprite finishing and the explosion strip painter.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace ag::niveau {

// Fully transparent "no paint" value of a sprite layer: alpha 0, so no drawing colour
// (every rgb() is opaque) can ever be mistaken for it.
constexpr Px VIDE = 0x00000000u;

// The game's palette: one warm dusk ramp shared by the desert, the HUD and the menus.
namespace pal {
constexpr Px encre = rgb(28, 16, 34);        // outlines
constexpr Px nuit = rgb(22, 18, 48);
constexpr Px indigo = rgb(44, 30, 84);
constexpr Px pourpre = rgb(104, 48, 104);
constexpr Px corail = rgb(222, 104, 86);
constexpr Px orange = rgb(250, 160, 84);
constexpr Px or_clair = rgb(255, 214, 130);
constexpr Px sable_clair = rgb(234, 170, 104);
constexpr Px sable = rgb(204, 124, 78);
constexpr Px sable_ombre = rgb(148, 76, 66);
constexpr Px sable_nuit = rgb(92, 46, 60);
constexpr Px roche = rgb(118, 66, 58);
constexpr Px roche_sombre = rgb(72, 40, 48);
constexpr Px acier = rgb(150, 164, 186);
constexpr Px acier_clair = rgb(214, 224, 238);
constexpr Px acier_sombre = rgb(74, 84, 110);
constexpr Px cyan = rgb(90, 220, 250);
constexpr Px cyan_clair = rgb(200, 250, 255);
constexpr Px rouge = rgb(220, 48, 40);
constexpr Px vert = rgb(90, 230, 110);
constexpr Px violet = rgb(170, 90, 240);
constexpr Px blanc = rgb(250, 250, 244);
// HUD well: the flat background of the digits, the lives digit and the speed triangles.
constexpr Px puits = rgb(16, 20, 36);
}  // namespace pal

// 4x4 ordered-dither threshold in [0, 1): the pixel-art way of mixing two shades.
double bayer(int x, int y);
// Picks a or b by dithering: t = 0 gives a, t = 1 gives b.
Px tramer(Px a, Px b, double t, int x, int y);
// Steps through a ramp of colours by dithering between neighbours, t in [0, 1].
Px rampe(const std::vector<Px>& couleurs, double t, int x, int y);

// Value noise that repeats every `periode` pixels along x (periode a multiple of `cellule`),
// so bands built on it meet seamlessly across the wrap. Result in [0, 1].
double bruit_periodique(double x, double y, int cellule, int periode, uint64_t graine);
// Sum of `octaves` layers of the periodic noise, halving the cell each time. In [0, 1].
double relief_periodique(double x, double y, int cellule, int periode, int octaves, uint64_t graine);
// Plain (non-periodic) 2D value noise in [0, 1], for sprites and explosions.
double bruit(double x, double y, double cellule, uint64_t graine);
// Horizontal distance to `cx` on a circle of 640 columns.
double distance_enroulee(double x, double cx);

// Finishes a sprite layer into a keyed picture: VIDE pixels become `cle`, any painted pixel
// equal to the key, or close to it (within 24 on every channel) next to the transparent area,
// is pushed just far enough away, so the game's colour key cuts a clean edge.
Image finaliser(const Image& calque, Px cle);
// Same check on a finished picture: every near-key pixel next to the key (8 neighbours), and
// every key-coloured pixel that `interdits` marks as painted (1 = must not be key), is moved
// just far enough from the key.
void eloigner_de_la_cle(Image& im, Px cle, const std::vector<uint8_t>* interdits = nullptr);

// Text with a dark outline of `bord` pixels and an optional drop shadow; `net` as texte().
void texte_contour(Image& im, int x, int y, const std::string& s, int taille, Px c, Px bord_c, int bord,
                   Police p, bool net);
// The MIRAGE logo: gradient-filled capitals with an outline and a shadow, centred on cx.
void logo(Image& im, int cx, int y_base, int taille, const std::string& mot = "MIRAGE");

// Explosion strip: `n` frames of w x h, VIDE background (finalise with the key afterwards).
struct StyleExplosion {
    std::vector<Px> feu;     // hottest first: core, flame, ember
    std::vector<Px> fumee;   // light to dark smoke
    Px etincelle;            // sparks
    int nb_boules;           // secondary fireballs
    double portee;           // fireball radius as a share of the half frame
    uint64_t graine;
};
Image bande_explosion(int n, int w, int h, const StyleExplosion& st);

// The desert scenery, shared by the level bands and the menu screens. `nuit` 0 = dusk,
// 1 = night. All bands are 640 wide and repeat seamlessly.
Image desert_haut(double nuit, bool etoiles);
Image desert_bas(double nuit, int variante);
Image desert_sol(double nuit);
Image ciel_nuages(bool orage);

// The player's ship layer (VIDE background), tilted by `angle` degrees (negative = nose up).
Image vaisseau(double angle, bool bouclier);

}  // namespace ag::niveau
