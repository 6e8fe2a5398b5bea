// Canvas: raster primitives, FreeType text and the PNG writer of the asset generator.
#include "canvas.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <stdexcept>

namespace ag {

static int borne(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

Px melange(Px a, Px b, double t) {
    if (t <= 0) return a;
    if (t >= 1) return b;
    return rgb(int(std::lround(R(a) + (R(b) - R(a)) * t)), int(std::lround(G(a) + (G(b) - G(a)) * t)),
               int(std::lround(B(a) + (B(b) - B(a)) * t)));
}

Px eclaircir(Px c, double f) {
    return rgb(borne(int(R(c) * f)), borne(int(G(c) * f)), borne(int(B(c) * f)));
}

uint64_t Alea::suivant() {
    uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
int Alea::entre(int a, int b) { return a + int(suivant() % uint64_t(b - a + 1)); }
double Alea::reel() { return double(suivant() >> 11) / double(1ull << 53); }

void remplir(Image& im, Px c) { std::fill(im.px.begin(), im.px.end(), c); }

void rect_plein(Image& im, int x, int y, int w, int h, Px c) {
    int x0 = std::max(0, x), y0 = std::max(0, y), x1 = std::min(im.w, x + w), y1 = std::min(im.h, y + h);
    for (int j = y0; j < y1; ++j)
        for (int i = x0; i < x1; ++i) im.px[size_t(j) * im.w + i] = c;
}

void rect_contour(Image& im, int x, int y, int w, int h, Px c, int e) {
    rect_plein(im, x, y, w, e, c);
    rect_plein(im, x, y + h - e, w, e, c);
    rect_plein(im, x, y, e, h, c);
    rect_plein(im, x + w - e, y, e, h, c);
}

void ellipse_pleine(Image& im, double cx, double cy, double rx, double ry, Px c) {
    if (rx <= 0 || ry <= 0) return;
    int y0 = int(std::floor(cy - ry)), y1 = int(std::ceil(cy + ry));
    int x0 = int(std::floor(cx - rx)), x1 = int(std::ceil(cx + rx));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) im.set(x, y, c);
        }
}

void disque(Image& im, double cx, double cy, double r, Px c) { ellipse_pleine(im, cx, cy, r, r, c); }

void ligne(Image& im, double x0, double y0, double x1, double y1, Px c, double e) {
    double L = std::hypot(x1 - x0, y1 - y0);
    int n = std::max(1, int(std::ceil(L * 2)));
    for (int k = 0; k <= n; ++k) {
        double t = double(k) / n;
        double x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
        if (e <= 1.0)
            im.set(int(std::floor(x)), int(std::floor(y)), c);
        else
            disque(im, x, y, e / 2, c);
    }
}

void polygone(Image& im, const std::vector<double>& p, Px c) {
    size_t n = p.size() / 2;
    if (n < 3) return;
    double ymin = 1e9, ymax = -1e9;
    for (size_t i = 0; i < n; ++i) ymin = std::min(ymin, p[2 * i + 1]), ymax = std::max(ymax, p[2 * i + 1]);
    for (int y = std::max(0, int(std::floor(ymin))); y <= std::min(im.h - 1, int(std::ceil(ymax))); ++y) {
        double yc = y + 0.5;
        std::vector<double> xs;
        for (size_t i = 0; i < n; ++i) {
            double ax = p[2 * i], ay = p[2 * i + 1];
            double bx = p[2 * ((i + 1) % n)], by = p[2 * ((i + 1) % n) + 1];
            if ((ay <= yc && by > yc) || (by <= yc && ay > yc)) xs.push_back(ax + (yc - ay) / (by - ay) * (bx - ax));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2)
            for (int x = int(std::ceil(xs[k] - 0.5)); x <= int(std::floor(xs[k + 1] - 0.5)); ++x) im.set(x, y, c);
    }
}

void degrade_vertical(Image& im, int x, int y, int w, int h, Px c0, Px c1) {
    for (int j = 0; j < h; ++j) rect_plein(im, x, y + j, w, 1, melange(c0, c1, h > 1 ? double(j) / (h - 1) : 0));
}

void coller(Image& dst, const Image& src, int x, int y, bool avec_cle, Px cle) {
    for (int j = 0; j < src.h; ++j)
        for (int i = 0; i < src.w; ++i) {
            Px c = src.get(i, j);
            if (avec_cle && c == cle) continue;
            dst.set(x + i, y + j, c);
        }
}

Image extraire(const Image& src, int x, int y, int w, int h) {
    Image r(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (src.dans(x + i, y + j)) r.set(i, j, src.get(x + i, y + j));
    return r;
}

Image miroir_horizontal(const Image& src) {
    Image r(src.w, src.h);
    for (int j = 0; j < src.h; ++j)
        for (int i = 0; i < src.w; ++i) r.set(src.w - 1 - i, j, src.get(i, j));
    return r;
}

Image agrandir(const Image& src, int w, int h) {
    Image r(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) r.set(i, j, src.get(i * src.w / w, j * src.h / h));
    return r;
}

void contour_sprite(Image& im, Px cle, Px couleur) {
    Image copie = im;
    for (int y = 0; y < im.h; ++y)
        for (int x = 0; x < im.w; ++x) {
            if (copie.get(x, y) != cle) continue;
            static const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (auto& v : d) {
                int a = x + v[0], b = y + v[1];
                if (copie.dans(a, b) && copie.get(a, b) != cle && copie.get(a, b) != couleur) {
                    im.set(x, y, couleur);
                    break;
                }
            }
        }
}

Image transformer(const Image& src, Px cle, bool avec_cle, Px (*f)(Px, void*), void* d) {
    Image r = src;
    for (auto& p : r.px)
        if (!(avec_cle && p == cle)) p = f(p, d);
    return r;
}

Image version_eclair(const Image& src, Px cle, Px nouvelle_cle, double force) {
    Image r = src;
    for (auto& p : r.px) {
        if (p == cle) {
            p = nouvelle_cle;
            continue;
        }
        p = melange(p, rgb(255, 255, 255), force);
        if (p == nouvelle_cle) p = rgb(R(p), G(p) ^ 1, B(p));  // never collide with the new key
    }
    return r;
}

Image version_grise(const Image& src) {
    Image r = src;
    for (auto& p : r.px) {
        int l = (R(p) * 30 + G(p) * 59 + B(p) * 11) / 100;
        p = rgb(l, l, l);
    }
    return r;
}

void remplacer_couleur(Image& im, Px de, Px vers) {
    for (auto& p : im.px)
        if (p == de) p = vers;
}

bool proche_cle(Px c, Px cle, int marge) {
    return c != cle && std::abs(R(c) - R(cle)) <= marge && std::abs(G(c) - G(cle)) <= marge &&
           std::abs(B(c) - B(cle)) <= marge;
}

int ecarter_de_cle(Image& im, Px cle, int marge) {
    int n = 0;
    for (auto& p : im.px) {
        if (!proche_cle(p, cle, marge)) continue;
        int g = G(cle) + marge + 1 <= 255 ? G(cle) + marge + 1 : G(cle) - marge - 1;
        p = rgb(R(p), g, B(p));
        ++n;
    }
    return n;
}

// ---- text ----

// The font files are found when the build is configured (fontconfig, or a search of the
// font folders) and compiled in, so a font package that renames its file only needs a new
// configure, never an edit here.
static const char* chemin_police(Police p) {
    switch (p) {
        case Police::Sans: return MIRAGE_POLICE_SANS;
        case Police::SansGras: return MIRAGE_POLICE_SANS_GRAS;
        case Police::Serif: return MIRAGE_POLICE_SERIF;
        case Police::SerifGras: return MIRAGE_POLICE_SERIF_GRAS;
        case Police::Mono: return MIRAGE_POLICE_MONO;
        case Police::MonoGras: return MIRAGE_POLICE_MONO_GRAS;
        case Police::Terminus: return MIRAGE_POLICE_TERMINUS;
    }
    return "";
}

static FT_Face face_pour(Police p, int taille) {
    static FT_Library lib = nullptr;
    static std::map<int, FT_Face> faces;
    if (!lib && FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType init failed");
    auto it = faces.find(int(p));
    FT_Face f;
    if (it == faces.end()) {
        if (FT_New_Face(lib, chemin_police(p), 0, &f))
            throw std::runtime_error(std::string("cannot open font ") + chemin_police(p));
        faces[int(p)] = f;
    } else {
        f = it->second;
    }
    FT_Set_Pixel_Sizes(f, 0, taille);
    return f;
}

// Decodes UTF-8 into code points (the story text uses plain ASCII and a few accents).
static std::vector<uint32_t> utf8(const std::string& s) {
    std::vector<uint32_t> r;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        uint32_t cp;
        int n;
        if (c < 0x80) cp = c, n = 1;
        else if ((c >> 5) == 6) cp = c & 0x1F, n = 2;
        else if ((c >> 4) == 14) cp = c & 0x0F, n = 3;
        else cp = c & 0x07, n = 4;
        for (int k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        r.push_back(cp);
        i += n;
    }
    return r;
}

int largeur_texte(const std::string& s, int taille, Police p) {
    FT_Face f = face_pour(p, taille);
    long w = 0;
    for (uint32_t cp : utf8(s)) {
        if (FT_Load_Char(f, cp, FT_LOAD_DEFAULT)) continue;
        w += f->glyph->advance.x >> 6;
    }
    return int(w);
}

void texte(Image& im, int x, int y, const std::string& s, int taille, Px c, Police p, bool net) {
    FT_Face f = face_pour(p, taille);
    int pen = x;
    for (uint32_t cp : utf8(s)) {
        if (FT_Load_Char(f, cp, FT_LOAD_RENDER)) continue;
        FT_Bitmap& bm = f->glyph->bitmap;
        int ox = pen + f->glyph->bitmap_left, oy = y - f->glyph->bitmap_top;
        for (unsigned j = 0; j < bm.rows; ++j)
            for (unsigned i = 0; i < bm.width; ++i) {
                // Bitmap fonts such as Terminus come as 1-bit glyphs at their native sizes.
                int a = bm.pixel_mode == FT_PIXEL_MODE_MONO
                            ? (((bm.buffer[j * bm.pitch + (i >> 3)] >> (7 - (i & 7))) & 1) ? 255 : 0)
                            : bm.buffer[j * bm.pitch + i];
                int px = ox + int(i), py = oy + int(j);
                if (!im.dans(px, py) || a == 0) continue;
                if (net) {
                    if (a >= 128) im.set(px, py, c);
                } else {
                    im.set(px, py, melange(im.get(px, py), c, a / 255.0));
                }
            }
        pen += int(f->glyph->advance.x >> 6);
    }
}

std::vector<std::string> couper_lignes(const std::string& s, int taille, int largeur, Police p) {
    std::vector<std::string> lignes;
    std::string courante, mot;
    auto pousser_mot = [&]() {
        if (mot.empty()) return;
        std::string essai = courante.empty() ? mot : courante + " " + mot;
        if (!courante.empty() && largeur_texte(essai, taille, p) > largeur) {
            lignes.push_back(courante);
            courante = mot;
        } else {
            courante = essai;
        }
        mot.clear();
    };
    for (char ch : s) {
        if (ch == ' ') pousser_mot();
        else if (ch == '\n') {
            pousser_mot();
            lignes.push_back(courante);
            courante.clear();
        } else mot += ch;
    }
    pousser_mot();
    if (!courante.empty()) lignes.push_back(courante);
    return lignes;
}

// ---- PNG ----

namespace {

// One 8-bit PNG, RGB or RGBA, without a time chunk so the bytes are the same on every run;
// `ligne(y, octets)` fills row y.
void ecrire_png_lignes(const std::string& chemin, int w, int h, bool alpha, int compression,
                       const std::function<void(int, unsigned char*)>& ligne) {
    FILE* fp = std::fopen(chemin.c_str(), "wb");
    if (!fp) throw std::runtime_error("cannot write " + chemin);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(fp);
        throw std::runtime_error("libpng failed on " + chemin);
    }
    png_init_io(png, fp);
    png_set_IHDR(png, info, w, h, 8, alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, compression);
    png_write_info(png, info);
    std::vector<unsigned char> octets(size_t(w) * (alpha ? 4 : 3));
    for (int y = 0; y < h; ++y) {
        ligne(y, octets.data());
        png_write_row(png, octets.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(fp);
}

}  // namespace

void ecrire_png(const Image& im, const std::string& chemin) {
    ecrire_png_lignes(chemin, im.w, im.h, false, 6, [&](int y, unsigned char* o) {
        for (int x = 0; x < im.w; ++x) {
            Px c = im.get(x, y);
            o[3 * x] = R(c), o[3 * x + 1] = G(c), o[3 * x + 2] = B(c);
        }
    });
}

void ecrire_png_rgba(const std::vector<Px>& px, int w, int h, const std::string& chemin) {
    ecrire_png_lignes(chemin, w, h, true, 9, [&](int y, unsigned char* o) {
        for (int x = 0; x < w; ++x) {
            Px c = px[size_t(y) * size_t(w) + size_t(x)];
            o[4 * x] = R(c), o[4 * x + 1] = G(c), o[4 * x + 2] = B(c), o[4 * x + 3] = c >> 24;
        }
    });
}

}  // namespace ag

namespace ag {

void coller_tourne(Image& dst, const Image& src, double cx, double cy, double echelle, double angle) {
    if (echelle <= 0) return;
    double c = std::cos(angle), s = std::sin(angle);
    double demi = 0.5 * std::hypot(src.w, src.h) * echelle + 2;
    int x0 = std::max(0, int(cx - demi)), x1 = std::min(dst.w - 1, int(cx + demi));
    int y0 = std::max(0, int(cy - demi)), y1 = std::min(dst.h - 1, int(cy + demi));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double dx = (x + 0.5 - cx) / echelle, dy = (y + 0.5 - cy) / echelle;
            // Inverse rotation takes the screen pixel back into the source.
            double u = c * dx + s * dy + src.w / 2.0, v = -s * dx + c * dy + src.h / 2.0;
            int iu = int(std::floor(u)), iv = int(std::floor(v));
            if (src.dans(iu, iv)) dst.px[size_t(y) * dst.w + x] = src.get(iu, iv);
        }
}

}  // namespace ag
