// The platform layer in simulated mode: virtual clock, scripted input, gamepad mapping, the
// display's layout on each desktop and the window toggle.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <string>
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

TEST(MiseEnPage, FullScreenAtTheDesktopsSizeAndAWindowThatFitsEachAtTheLargestWholeScale) {
    struct Cas {
        int l, h;
        MiseEnPage plein, fenetre;
    };
    const Cas cas[] = {
        {1920, 1080, {1920, 1080, 2, 320, 60}, {1280, 960, 2, 0, 0}},
        {1366, 768, {1366, 768, 1, 363, 144}, {640, 480, 1, 0, 0}},
        {1280, 720, {1280, 720, 1, 320, 120}, {640, 480, 1, 0, 0}},
        {1280, 1024, {1280, 1024, 2, 0, 32}, {640, 480, 1, 0, 0}},  // 2x fills it: no room for a title bar
        {2560, 1440, {2560, 1440, 3, 320, 0}, {1280, 960, 2, 0, 0}},
        {3840, 2160, {3840, 2160, 4, 640, 120}, {2560, 1920, 4, 0, 0}},
        {640, 480, {640, 480, 1, 0, 0}, {640, 480, 1, 0, 0}},
        {600, 400, {640, 480, 1, 0, 0}, {640, 480, 1, 0, 0}},  // smaller: the 640x480 mode
        {0, 0, {640, 480, 1, 0, 0}, {640, 480, 1, 0, 0}},      // unknown
    };
    auto texte = [](MiseEnPage p) {
        return std::to_string(p.largeur) + "x" + std::to_string(p.hauteur) + " " + std::to_string(p.echelle) + "x at " +
               std::to_string(p.x) + "," + std::to_string(p.y);
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::to_string(c.l) + "x" + std::to_string(c.h));
        EXPECT_EQ(texte(mise_en_page_plein_ecran(c.l, c.h)), texte(c.plein));
        EXPECT_EQ(texte(mise_en_page_fenetre(c.l, c.h)), texte(c.fenetre));
    }
}

namespace {

// A pattern with distinct pixels everywhere, so any off-by-one in the scaling shows.
void motif(SDL_Surface* toile, int graine) {
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            SDL_Rect r = {Sint16(x), Sint16(y), 1, 1};
            SDL_FillRect(toile, &r, SDL_MapRGB(toile->format, Uint8(x + graine), Uint8(y), Uint8((x * 7 + y * 3) & 255)));
        }
}

// Pixels of the display that are not what they should be: the canvas scaled and placed as the
// current layout says, black everywhere else.
int pixels_faux(SDL_Surface* toile) {
    SDL_Surface* vue = plateforme_surface_affichee();
    MiseEnPage p = plateforme_mise_en_page();
    int faux = 0;
    for (int y = 0; y < vue->h; ++y)
        for (int x = 0; x < vue->w; ++x) {
            int cx = x - p.x, cy = y - p.y;
            bool dedans = cx >= 0 && cy >= 0 && cx < 640 * p.echelle && cy < 480 * p.echelle;
            Uint32 attendu = dedans ? lire_pixel(toile, cx / p.echelle, cy / p.echelle) : 0;
            faux += lire_pixel(vue, x, y) != attendu;
        }
    return faux;
}

std::string taille(SDL_Surface* s) { return std::to_string(s->w) + "x" + std::to_string(s->h); }

}  // namespace

TEST(Fenetre, ToggleIsNotAKeyKeepsTheClockAndShowsTheCanvasScaledAndCentredOnBlack) {
    ecran_de_test();
    plateforme_simuler(1);
    plateforme_imposer_bureau(1920, 1080);
    SDL_Surface* toile = plateforme_ouvrir_ecran();
    ASSERT_NE(toile, nullptr);
    EXPECT_EQ(taille(toile), "640x480");
    EXPECT_FALSE(plateforme_en_fenetre());
    EXPECT_EQ(taille(plateforme_surface_affichee()), "1920x1080");
    motif(toile, 0);
    plateforme_afficher(toile);
    EXPECT_EQ(plateforme_mise_en_page().echelle, 2);
    EXPECT_EQ(pixels_faux(toile), 0);
    // Only some rows change: the others must still be shown as they were.
    SDL_Rect bande = {0, 100, 640, 50};
    SDL_FillRect(toile, &bande, SDL_MapRGB(toile->format, 9, 200, 30));
    plateforme_afficher(toile);
    EXPECT_EQ(pixels_faux(toile), 0);

    plateforme_script_touche(0, SDLK_F11, 1);
    plateforme_script_touche(0, SDLK_F11, 0);
    EXPECT_EQ(touches_vues(tout_lire()), "-f11 ");  // the press switched the mode, unseen
    EXPECT_TRUE(plateforme_en_fenetre());
    EXPECT_EQ(plateforme_ticks(), 2u);  // the two flips; the switch itself takes no time
    EXPECT_EQ(taille(plateforme_surface_affichee()), "1280x960");
    // Whatever the new display held, the first flip leaves nothing of it beside the canvas.
    SDL_FillRect(plateforme_surface_affichee(), NULL, 0xFFFFFFFF);
    plateforme_afficher(toile);  // the canvas kept its picture through the switch
    EXPECT_EQ(pixels_faux(toile), 0);

    plateforme_script_touche(5, SDLK_LALT, 1);
    plateforme_script_touche(5, SDLK_RETURN, 1);
    plateforme_attendre(5);
    EXPECT_EQ(touches_vues(tout_lire()), "+left alt ");  // Alt+Enter is not seen as Return
    EXPECT_FALSE(plateforme_en_fenetre());
    SDL_FillRect(plateforme_surface_affichee(), NULL, 0xFFFFFFFF);
    plateforme_afficher(toile);
    EXPECT_EQ(pixels_faux(toile), 0);

    // 1x centred on a laptop screen, 3x (the general widening) on 2560x1440.
    plateforme_imposer_bureau(1366, 768);
    EXPECT_EQ(plateforme_ouvrir_ecran(), toile);  // the canvas never changes
    motif(toile, 1);
    plateforme_afficher(toile);
    EXPECT_EQ(taille(plateforme_surface_affichee()), "1366x768");
    EXPECT_EQ(pixels_faux(toile), 0);
    plateforme_imposer_bureau(2560, 1440);
    plateforme_ouvrir_ecran();
    plateforme_afficher(toile);
    EXPECT_EQ(plateforme_mise_en_page().echelle, 3);
    EXPECT_EQ(pixels_faux(toile), 0);

    plateforme_imposer_bureau(0, 0);  // the simulator's 640x480 again, for the tests after this one
    plateforme_ouvrir_ecran();
    EXPECT_EQ(taille(plateforme_surface_affichee()), "640x480");
}

TEST(Affichage, WithoutAnyDisplayTheGameSaysSoUnlessTheUserChoseAVideoDriver) {
    const char* noms[] = {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"};
    std::string avant[3];
    bool present[3];
    for (int i = 0; i < 3; ++i) {
        const char* v = getenv(noms[i]);
        present[i] = v != nullptr;
        avant[i] = v ? v : "";
        unsetenv(noms[i]);
    }
    const char* raison = plateforme_raison_sans_affichage();
    ASSERT_NE(raison, nullptr);
    EXPECT_NE(std::string(raison).find("DISPLAY"), std::string::npos);
    EXPECT_NE(std::string(raison).find("WAYLAND_DISPLAY"), std::string::npos);
    setenv("DISPLAY", "", 1);  // empty is no display either
    EXPECT_NE(plateforme_raison_sans_affichage(), nullptr);
    setenv("WAYLAND_DISPLAY", "wayland-0", 1);
    EXPECT_EQ(plateforme_raison_sans_affichage(), nullptr);
    unsetenv("WAYLAND_DISPLAY");
    setenv("SDL_VIDEODRIVER", "fbcon", 1);
    EXPECT_EQ(plateforme_raison_sans_affichage(), nullptr);
    for (int i = 0; i < 3; ++i) {
        if (present[i]) setenv(noms[i], avant[i].c_str(), 1);
        else unsetenv(noms[i]);
    }
}
