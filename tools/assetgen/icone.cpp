// The desktop icon: the ship against a desert sunset, 64x64.
#include "generateurs.h"
#include "sortie.h"

namespace ag {

void generer_icone() {
    Image im(64, 64, rgb(24, 14, 40));
    degrade_vertical(im, 0, 0, 64, 64, rgb(40, 20, 70), rgb(230, 110, 40));
    disque(im, 32, 40, 20, rgb(255, 190, 80));
    for (int y = 44; y < 64; ++y) rect_plein(im, 0, y, 64, 1, melange(rgb(120, 60, 30), rgb(60, 30, 20), (y - 44) / 20.0));
    polygone(im, {8, 26, 44, 22, 58, 28, 44, 34, 8, 30}, rgb(30, 36, 52));
    polygone(im, {10, 27, 44, 24, 54, 28, 44, 32, 10, 29}, rgb(170, 185, 210));
    polygone(im, {20, 27, 30, 16, 34, 16, 30, 27}, rgb(120, 130, 160));
    polygone(im, {20, 29, 30, 40, 34, 40, 30, 29}, rgb(120, 130, 160));
    ellipse_pleine(im, 44, 27, 5, 2, rgb(80, 200, 255));
    ellipse_pleine(im, 8, 28, 4, 2, rgb(255, 240, 160));
    rect_contour(im, 0, 0, 64, 64, rgb(20, 10, 30));
    ecrire_png(im, chemin("mirage.png"));
}

}  // namespace ag
