// The player's fighter: hull drawn from polygons in its own frame, turned by the climb or
// dive angle and shaded in hard bands, with an optional shield bubble.
#include <algorithm>
#include <cmath>

#include "niveau_commun.h"

namespace ag::niveau {

namespace {

struct Piece {
    std::vector<double> pts;  // polygon in ship coordinates, nose towards +x, centre at 0,0
    Px clair, moyen, sombre;  // banded shading from top to bottom of the piece
};

bool dans_polygone(const std::vector<double>& p, double x, double y) {
    bool dedans = false;
    size_t n = p.size() / 2;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        double xi = p[2 * i], yi = p[2 * i + 1], xj = p[2 * j], yj = p[2 * j + 1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) dedans = !dedans;
    }
    return dedans;
}

}  // namespace

Image vaisseau(double angle, bool bouclier) {
    const Px coque_c = pal::acier_clair, coque = pal::acier, coque_s = pal::acier_sombre;
    const std::vector<Piece> pieces = {
        // lower wing, behind the hull
        {{-10, 2, 8, 2, -5, 11, -13, 11}, rgb(120, 132, 160), rgb(96, 106, 136), rgb(70, 78, 106)},
        // its leading edge catching the light
        {{5, 2, 8, 2, -5, 11, -7.5, 11}, rgb(170, 182, 206), rgb(150, 162, 190), rgb(130, 142, 170)},
        // tail fin
        {{-13, -1, -12, -12, -8, -12, -3, -3}, rgb(200, 70, 60), pal::rouge, rgb(150, 36, 40)},
        // hull
        {{-14, -3, -6, -6, 5, -6, 13, -2, 18, 0, 13, 3, -3, 5, -14, 4}, coque_c, coque, coque_s},
        // engine block
        {{-16, -3, -12, -4, -12, 4, -16, 3}, rgb(110, 110, 128), rgb(84, 84, 100), rgb(60, 60, 76)},
        // canopy
        {{-3, -5, 1, -9, 7, -9, 11, -4}, pal::cyan_clair, pal::cyan, rgb(40, 130, 180)},
        // red stripe along the flank
        {{-10, 1, 12, 1, 14, 2, -10, 3}, rgb(240, 90, 70), pal::rouge, pal::rouge},
        // upper wing root
        {{-6, -6, 2, -6, -4, -10, -8, -10}, rgb(180, 192, 214), coque, coque_s},
    };
    // Engine flame behind the nozzle, hottest in the middle.
    const std::vector<double> flamme = {-16, -2.5, -19.5, -1, -20, 0, -19.5, 1, -16, 2.5};
    Image im(37, 32, VIDE);
    const double a = angle * 3.14159265 / 180, ca = std::cos(a), sa = std::sin(a);
    const double cx = 19.5, cy = 16;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 37; ++x) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            double lx = dx * ca + dy * sa, ly = -dx * sa + dy * ca;  // back into the ship's frame
            Px c = VIDE;
            if (dans_polygone(flamme, lx, ly)) c = std::fabs(ly) < 1.0 ? rgb(255, 246, 200) : pal::orange;
            for (const Piece& p : pieces) {
                if (!dans_polygone(p.pts, lx, ly)) continue;
                double ymin = 1e9, ymax = -1e9;
                for (size_t i = 1; i < p.pts.size(); i += 2) ymin = std::min(ymin, p.pts[i]), ymax = std::max(ymax, p.pts[i]);
                double t = (ly - ymin) / (ymax - ymin);
                c = t < 0.3 ? p.clair : (t < 0.72 ? p.moyen : p.sombre);
            }
            if (c != VIDE && std::fabs(lx - 7) < 1 && ly < -7) c = pal::blanc;  // canopy glint
            im.set(x, y, c);
        }
    contour_sprite(im, VIDE, pal::encre);
    if (bouclier) {
        // Cyan tint on the hull and a dithered bubble around it.
        for (Px& p : im.px)
            if (p != VIDE) p = melange(p, pal::cyan, 0.4);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 37; ++x) {
                double d = std::hypot((x + 0.5 - 18.5) / 18.0, (y + 0.5 - 16) / 15.5);
                if (im.get(x, y) != VIDE || d > 1.0) continue;
                if (d > 0.88) im.set(x, y, ((x + y) & 1) ? pal::cyan_clair : pal::cyan);
                else if (d > 0.78 && ((x + y) & 1) == 0 && (x & 1) == 0) im.set(x, y, pal::cyan);
            }
    }
    return im;
}

}  // namespace ag::niveau
