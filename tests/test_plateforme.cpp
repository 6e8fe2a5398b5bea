// The platform layer in simulated mode: virtual clock, scripted input, gamepad mapping and the
// window toggle.
#include <gtest/gtest.h>

#include <string.h>

#include <vector>

#include "outils_sdl.h"
#include "platform/manette.h"
#include "platform/plateforme.h"

namespace {

std::vector<SDL_Event> tout_lire() {
    std::vector<SDL_Event> v;
    SDL_Event e;
    while (plateforme_evenement(&e)) v.push_back(e);
    return v;
}

SDL_Event joy(Uint8 type, int numero, int valeur) {
    SDL_Event e;
    memset(&e, 0, sizeof e);
    e.type = type;
    if (type == SDL_JOYBUTTONDOWN || type == SDL_JOYBUTTONUP) {
        e.jbutton.type = type;
        e.jbutton.button = Uint8(numero);
    } else if (type == SDL_JOYAXISMOTION) {
        e.jaxis.type = type;
        e.jaxis.axis = Uint8(numero);
        e.jaxis.value = Sint16(valeur);
    } else {
        e.jhat.type = type;
        e.jhat.value = Uint8(valeur);
    }
    return e;
}

std::string touches_vues(const std::vector<SDL_Event>& v) {
    ecran_de_test();  // key names need SDL's video subsystem
    std::string s;
    for (const SDL_Event& e : v) {
        if (e.type != SDL_KEYDOWN && e.type != SDL_KEYUP) continue;
        s += e.type == SDL_KEYDOWN ? '+' : '-';
        s += SDL_GetKeyName(e.key.keysym.sym);
        s += ' ';
    }
    return s;
}

}  // namespace

TEST(Plateforme, VirtualClockAndScriptDelivery) {
    plateforme_simuler(7);
    EXPECT_EQ(plateforme_graine(), 7u);
    plateforme_script_touche(10, SDLK_g, 1);
    plateforme_script_touche(5, SDLK_UP, 1);  // scripted out of order: delivered by time
    plateforme_script_touche(10, SDLK_g, 0);
    EXPECT_EQ(tout_lire().size(), 0u);
    plateforme_attendre(5);
    EXPECT_EQ(plateforme_touches()[SDLK_UP], 1);
    plateforme_attendre(5);
    EXPECT_EQ(plateforme_touches()[SDLK_g], 0);  // pressed and released at 10, in script order
    EXPECT_EQ(touches_vues(tout_lire()), "+up +g -g ");
    EXPECT_EQ(plateforme_ticks(), 10u);
    SDL_Surface* ecran = ecran_de_test();
    plateforme_afficher(ecran);
    plateforme_afficher(ecran);
    EXPECT_EQ(plateforme_ticks(), 12u);
    EXPECT_EQ(plateforme_nb_flips(), 2u);
}

TEST(Manette, ButtonsStickAndHatBecomeKeysWithADeadZone) {
    plateforme_simuler(1);
    SDL_Event e[] = {joy(SDL_JOYBUTTONDOWN, 0, 0), joy(SDL_JOYAXISMOTION, 0, ZONE_MORTE_MANETTE),
                     joy(SDL_JOYAXISMOTION, 0, 20000), joy(SDL_JOYHATMOTION, 0, SDL_HAT_UP),
                     joy(SDL_JOYBUTTONDOWN, 7, 0), joy(SDL_JOYBUTTONDOWN, 6, 0)};
    for (int i = 0; i < 6; ++i) plateforme_script_evenement(uint32_t(i), &e[i]);
    plateforme_attendre(1);
    Uint8* t = plateforme_touches();
    EXPECT_EQ(t[SDLK_g], 1);
    EXPECT_EQ(t[SDLK_RIGHT], 0);  // inside the dead zone
    plateforme_attendre(10);
    t = plateforme_touches();
    EXPECT_EQ(t[SDLK_RIGHT], 1);
    EXPECT_EQ(t[SDLK_UP], 1);
    EXPECT_EQ(touches_vues(tout_lire()), "+g +right +up +return +escape ");
    EXPECT_EQ(touche_du_bouton(1), SDLK_f);
    EXPECT_EQ(touche_du_bouton(2), SDLK_d);
    EXPECT_EQ(touche_du_bouton(5), SDLK_UNKNOWN);
}

TEST(Manette, AKeyLetGoOnOneDeviceStaysHeldWhileTheOtherHoldsIt) {
    plateforme_simuler(1);
    SDL_Event appui = joy(SDL_JOYBUTTONDOWN, 0, 0), lache = joy(SDL_JOYBUTTONUP, 0, 0);
    plateforme_script_touche(0, SDLK_g, 1);
    plateforme_script_evenement(1, &appui);
    plateforme_script_touche(2, SDLK_g, 0);  // keyboard lets go; the pad still holds g
    plateforme_attendre(2);
    EXPECT_EQ(plateforme_touches()[SDLK_g], 1);
    EXPECT_EQ(touches_vues(tout_lire()), "+g +g ");
    plateforme_script_evenement(3, &lache);
    plateforme_attendre(1);
    EXPECT_EQ(plateforme_touches()[SDLK_g], 0);
    EXPECT_EQ(touches_vues(tout_lire()), "-g ");

    // Stick left released while the keyboard holds left: no release reaches the game.
    plateforme_simuler(1);
    SDL_Event gauche = joy(SDL_JOYAXISMOTION, 0, -30000), centre = joy(SDL_JOYAXISMOTION, 0, 0);
    plateforme_script_evenement(0, &gauche);
    plateforme_script_touche(1, SDLK_LEFT, 1);
    plateforme_script_evenement(2, &centre);
    plateforme_attendre(2);
    EXPECT_EQ(plateforme_touches()[SDLK_LEFT], 1);
    EXPECT_EQ(touches_vues(tout_lire()), "+left +left ");
}

TEST(Fenetre, ToggleIsNotAKeyKeepsTheClockAndScalesTheCanvasExactlyTwice) {
    ecran_de_test();
    plateforme_simuler(1);
    SDL_Surface* toile = plateforme_ouvrir_ecran();
    ASSERT_NE(toile, nullptr);
    EXPECT_EQ(toile->w, 640);
    EXPECT_EQ(toile->h, 480);
    EXPECT_FALSE(plateforme_en_fenetre());
    plateforme_script_touche(0, SDLK_F11, 1);
    plateforme_script_touche(0, SDLK_F11, 0);
    EXPECT_EQ(touches_vues(tout_lire()), "-f11 ");  // the press switched the mode, unseen
    EXPECT_TRUE(plateforme_en_fenetre());
    EXPECT_EQ(plateforme_ticks(), 0u);
    // A pattern with distinct pixels everywhere, so any off-by-one in the scaling shows.
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            SDL_Rect r = {Sint16(x), Sint16(y), 1, 1};
            SDL_FillRect(toile, &r, SDL_MapRGB(toile->format, Uint8(x), Uint8(y), Uint8((x * 7 + y * 3) & 255)));
        }
    plateforme_afficher(toile);
    SDL_Surface* vue = plateforme_surface_affichee();
    ASSERT_EQ(vue->w, 1280);
    ASSERT_EQ(vue->h, 960);
    int faux = 0;
    for (int y = 0; y < 960; ++y)
        for (int x = 0; x < 1280; ++x) faux += lire_pixel(vue, x, y) != lire_pixel(toile, x / 2, y / 2);
    EXPECT_EQ(faux, 0);

    plateforme_script_touche(5, SDLK_LALT, 1);
    plateforme_script_touche(5, SDLK_RETURN, 1);
    plateforme_attendre(5);
    EXPECT_EQ(touches_vues(tout_lire()), "+left alt ");  // Alt+Enter is not seen as Return
    EXPECT_FALSE(plateforme_en_fenetre());
    EXPECT_EQ(plateforme_surface_affichee()->w, 640);
    EXPECT_EQ(plateforme_ouvrir_ecran(), toile);  // the canvas never changes
}
