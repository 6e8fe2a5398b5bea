// Enemy art toolkit: the shared palette ramps, shaded shapes and small hull details that give
// every enemy picture the same pixel-art look (light from the upper left, dark outlines).
#pragma once
#include <vector>

#include "canvas.h"

namespace ag {

// Five shades of one material, darkest first.
struct Rampe {
    Px c[5];
};

namespace pal {
extern const Rampe acier, sable, rouille, os, alien, verre, braise, rouge, sombre, energie, laiton, kaki;
constexpr Px CLE = rgb(255, 0, 255);        // transparent area of every enemy picture
constexpr Px CLE_VERTE = rgb(0, 255, 0);    // transparent area of the module pictures
constexpr Px CONTOUR = rgb(22, 16, 26);     // outline drawn around every sprite
}  // namespace pal

// A shape is a mask the size of the picture: drawn with the canvas primitives in PLEIN on
// an empty mask, cut out again with VIDE.
constexpr Px PLEIN = rgb(255, 255, 255);
constexpr Px VIDE = rgb(0, 0, 0);
Image forme(const Image& im);

// How a shape is modelled: `bombe` rounds it like a cushion over `biseau` pixels, otherwise
// its edges are bevelled `biseau` pixels wide around a flat top. `lisere` darkens the shape's
// own border so parts stay readable against each other; `tramage` dithers between shades.
struct Relief {
    double biseau = 3.0;
    bool bombe = true;
    bool lisere = true;
    bool tramage = false;
    double eclat = 0.0;   // shifts the whole shape lighter (> 0) or darker (< 0), in shades
};

// Paints every pixel of mask `f` on `im` with the ramp, shaded by the relief.
void peindre(Image& im, const Image& f, const Rampe& r, const Relief& rel = Relief());

// Convenience shapes painted in one call.
void peindre_ellipse(Image& im, double cx, double cy, double rx, double ry, const Rampe& r,
                     const Relief& rel = Relief());
void peindre_rect(Image& im, int x, int y, int w, int h, const Rampe& r, const Relief& rel = Relief());
void peindre_poly(Image& im, const std::vector<double>& pts, const Rampe& r, const Relief& rel = Relief());
// A thick stroke with round ends (barrels, tentacle segments, struts).
void peindre_trait(Image& im, double x0, double y0, double x1, double y1, double epaisseur, const Rampe& r,
                   const Relief& rel = Relief());

// Small hull details.
void rivet(Image& im, int x, int y, const Rampe& r);
// A horizontal run of rivets every `pas` pixels.
void rivets(Image& im, int x, int y, int longueur, int pas, const Rampe& r);
// A recessed seam: dark line with a lit lip under it (horizontal) or right of it (vertical).
void joint_h(Image& im, int x, int y, int w, const Rampe& r);
void joint_v(Image& im, int x, int y, int h, const Rampe& r);
// A vent grille of dark slats.
void grille(Image& im, int x, int y, int w, int h, const Rampe& r);
// A lamp: halo ring, core and a white glint.
void voyant(Image& im, double cx, double cy, double rayon, const Rampe& r);
// Diagonal hazard stripes inside a rectangle.
void hachures(Image& im, int x, int y, int w, int h, Px a, Px b, int largeur);
// Glass canopy: a shaded dome of the glass ramp with a glint line.
void verriere(Image& im, double cx, double cy, double rx, double ry);

// Finishes a keyed sprite: outlines it and checks no pixel strays near the key.
void finir_sprite(Image& im, Px cle = pal::CLE);
// Brightened hit-flash copy moved onto `cle_flash`.
Image flash(const Image& im, Px cle_flash, Px cle = pal::CLE);

}  // namespace ag
