// Canvas: the small raster toolkit every part of the asset generator draws with.
// Pixels are 0xAARRGGBB; PNGs are written as opaque RGB unless asked otherwise, so a
// colour-keyed picture relies on its exact key colour, never on alpha.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ag {

using Px = uint32_t;

constexpr Px rgb(int r, int g, int b) {
    return 0xFF000000u | (uint32_t(r & 255) << 16) | (uint32_t(g & 255) << 8) | uint32_t(b & 255);
}
inline int R(Px c) { return (c >> 16) & 255; }
inline int G(Px c) { return (c >> 8) & 255; }
inline int B(Px c) { return c & 255; }
// Linear mix of two colours, t in [0,1].
Px melange(Px a, Px b, double t);
// Brightness scale (1.0 = unchanged), clamped per channel.
Px eclaircir(Px c, double f);

struct Image {
    int w = 0, h = 0;
    std::vector<Px> px;
    Image() = default;
    Image(int w_, int h_, Px fond = rgb(0, 0, 0)) : w(w_), h(h_), px(size_t(w_) * h_, fond) {}
    bool dans(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    Px get(int x, int y) const { return px[size_t(y) * w + x]; }
    void set(int x, int y, Px c) { if (dans(x, y)) px[size_t(y) * w + x] = c; }
};

// Deterministic generator (splitmix64): the same seed gives the same pack on every run.
struct Alea {
    uint64_t s;
    explicit Alea(uint64_t graine) : s(graine) {}
    uint64_t suivant();
    int entre(int a, int b);      // uniform integer in [a, b]
    double reel();                // uniform in [0, 1)
};

// Drawing primitives; everything clips to the image.
void remplir(Image& im, Px c);
void rect_plein(Image& im, int x, int y, int w, int h, Px c);
void rect_contour(Image& im, int x, int y, int w, int h, Px c, int epaisseur = 1);
void disque(Image& im, double cx, double cy, double r, Px c);
void ellipse_pleine(Image& im, double cx, double cy, double rx, double ry, Px c);
void ligne(Image& im, double x0, double y0, double x1, double y1, Px c, double epaisseur = 1.0);
// Filled polygon (even-odd), points as x0,y0,x1,y1,...
void polygone(Image& im, const std::vector<double>& pts, Px c);
// Vertical gradient from c0 (top) to c1 (bottom) over the rectangle.
void degrade_vertical(Image& im, int x, int y, int w, int h, Px c0, Px c1);
// Copies src onto dst at (x, y); pixels equal to `cle` are skipped when `avec_cle`.
void coller(Image& dst, const Image& src, int x, int y, bool avec_cle = false, Px cle = 0);
// Sub-image.
Image extraire(const Image& src, int x, int y, int w, int h);
// Mirror left-right.
Image miroir_horizontal(const Image& src);
// Nearest-neighbour scale.
Image agrandir(const Image& src, int w, int h);
// Draws a 1-pixel dark outline around every non-key pixel that touches the key colour.
void contour_sprite(Image& im, Px cle, Px couleur);
// Per-pixel transforms that leave the key colour alone (hit flashes, shields, grey scenery).
Image transformer(const Image& src, Px cle, bool avec_cle, Px (*f)(Px, void*), void* donnees);
Image version_eclair(const Image& src, Px cle, Px nouvelle_cle, double force);   // brightened, key replaced
Image version_grise(const Image& src);                                            // desaturated
// Replaces every pixel of colour `de` by `vers` (to move a sprite onto another key).
void remplacer_couleur(Image& im, Px de, Px vers);
// True when `c` differs from `cle` but lies within `marge` of it on every channel: such a
// colour would show as a fringe next to the transparent area.
bool proche_cle(Px c, Px cle, int marge);
// Pushes every near-key pixel (see proche_cle) just outside the margin by moving its green
// channel away from the key's; returns how many pixels moved.
int ecarter_de_cle(Image& im, Px cle, int marge);

// Text through FreeType. `net` = true thresholds glyph coverage at 50% so no blended
// fringe appears on keyed pictures; false anti-aliases over the existing pixels.
enum class Police { Sans, SansGras, Serif, SerifGras, Mono, MonoGras, Terminus };
void texte(Image& im, int x, int y_ligne_de_base, const std::string& s, int taille, Px c,
           Police p = Police::Sans, bool net = false);
int largeur_texte(const std::string& s, int taille, Police p = Police::Sans);
// Wraps `s` into lines no wider than `largeur` pixels; returns the lines.
std::vector<std::string> couper_lignes(const std::string& s, int taille, int largeur, Police p = Police::Sans);

// Writes the image as an 8-bit RGB PNG (alpha dropped), deterministically (no time chunk).
void ecrire_png(const Image& im, const std::string& chemin);
// Writes `px` (w x h, row by row, alpha in the top byte) as an 8-bit RGBA PNG, at the
// strongest compression (icons), deterministically too.
void ecrire_png_rgba(const std::vector<Px>& px, int w, int h, const std::string& chemin);

}  // namespace ag

namespace ag {

// Pastes `src` turned by `angle` radians (clockwise on screen) and scaled by `echelle`, its
// centre landing on (cx, cy) of `dst`; nearest-neighbour, so no new colours appear.
void coller_tourne(Image& dst, const Image& src, double cx, double cy, double echelle, double angle);

}  // namespace ag
