// Shell pictures: splash, title, loading pictures and the menu cursor.
// (Placeholder art until the full pack lands.)
#include "generateurs.h"
#include "sortie.h"

namespace ag {

static Image ecran_titre(const char* titre, Px haut, Px bas) {
    Image im(640, 480);
    degrade_vertical(im, 0, 0, 640, 480, haut, bas);
    int w = largeur_texte(titre, 40, Police::SansGras);
    texte(im, 320 - w / 2, 250, titre, 40, rgb(255, 230, 160), Police::SansGras);
    return im;
}

void generer_shell() {
    Image coin(32, 32, rgb(0, 0, 0));
    polygone(coin, {4, 4, 28, 16, 4, 28}, rgb(255, 200, 60));
    sauver_image("shell", "Coin.bmp", coin);
    sauver_image("shell", "Titre.png", ecran_titre("MIRAGE", rgb(40, 20, 60), rgb(200, 100, 40)));
    sauver_image("shell", "Programmer.png", ecran_titre("Mirage - programmer", rgb(10, 10, 30), rgb(40, 40, 80)));
    sauver_image("shell", "Keyboard.png", ecran_titre("Arrows, g, f, d, Escape", rgb(10, 10, 30), rgb(40, 40, 80)));
    sauver_image("shell", "Chargement.png", ecran_titre("Mirage - loading", rgb(0, 0, 0), rgb(60, 30, 10)));
    sauver_image("shell", "Loading1.png", ecran_titre("Mirage - loading", rgb(0, 0, 0), rgb(10, 30, 60)));
    sauver_image("shell", "Loading2.png", ecran_titre("Mirage - loading", rgb(0, 0, 0), rgb(30, 60, 90)));
}

}  // namespace ag
