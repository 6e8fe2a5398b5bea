// The ship: record, steering bounds and pictures, speed levels, shot slots, the five volleys,
// weapon cycling and loss, the module orbit and the module volleys.
#include <gtest/gtest.h>
#include <unistd.h>

#include "aide_combat.h"
#include "core/calculs.h"
#include "ship/armes.h"
#include "ship/vaisseau.h"

namespace {

class Vaisseaux : public TestCombat {
protected:
    Vaisseau* v = nullptr;
    // The ten steering pictures, in the order piloter_vaisseau takes them.
    SDL_Surface* p[10] = {};
    int haut = 0, bas = 0;

    void SetUp() override {
        TestCombat::SetUp();
        for (int i = 0; i < 10; ++i) p[i] = image((Uint8)(20 * i + 10), 0, 0);
        v = creer_vaisseau(creer_rect(100, 220, 37, 32), 5, 50, p[0], 0, image(1, 1, 1), 12, 75, 3, 3);
    }
    void TearDown() override {
        detruire_vaisseau(v);
        TestCombat::TearDown();
    }
    int piloter(const Touches& t, int limite = LIMITE_BAS_NIVEAU_1) {
        return piloter_vaisseau(t.etat, v, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9], &haut, &bas,
                                limite);
    }
};

TEST_F(Vaisseaux, ConstructorFillsTheDocumentedStartValues) {
    EXPECT_EQ(v->position.x, 100);
    EXPECT_EQ(v->position.h, 32);
    EXPECT_EQ(v->vie, 5);
    EXPECT_EQ(v->nb_tirs_max, 50);
    EXPECT_EQ(v->nb_tirs, 0);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(v->tirs[i], nullptr);
    EXPECT_EQ(v->image_explosion2, v->image_explosion);
    EXPECT_EQ(v->nb_etapes_explosion, 12);
    EXPECT_EQ(v->duree_etape, 75);
    EXPECT_EQ(v->son_explosion, nullptr);
    const int armes[5] = {1, 1, 0, 0, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(v->armes[i], armes[i]);
    EXPECT_EQ(v->arme, 0);
    EXPECT_EQ(v->modules, 0);
    EXPECT_EQ(v->vitesse, 1);
    EXPECT_EQ(v->cible.x, 0);
    EXPECT_EQ(v->demi_largeur, 3);
}

TEST_F(Vaisseaux, MovesUseSixteenBitCoordinates) {
    deplacer_vaisseau(v, -140, 5);
    EXPECT_EQ(v->position.x, -40);
    EXPECT_EQ(v->position.y, 225);
    placer_vaisseau(v, creer_rect(-40, 220, 37, 32));
    EXPECT_EQ(v->position.x, -40);
    EXPECT_EQ(v->position.w, 37);
}

TEST_F(Vaisseaux, SpeedLevelsCycleOneToFour) {
    int vus[4];
    for (int i = 0; i < 4; ++i) {
        vitesse_suivante(v);
        vus[i] = v->vitesse;
    }
    EXPECT_EQ(vus[0], 2);
    EXPECT_EQ(vus[1], 3);
    EXPECT_EQ(vus[2], 4);
    EXPECT_EQ(vus[3], 1);
}

TEST_F(Vaisseaux, ClimbStopsBelowTheTopBound) {
    Touches t;
    t.tenir(SDLK_UP);
    v->position.y = 83;
    EXPECT_EQ(piloter(t), 1);
    EXPECT_EQ(v->position.y, 81);
    EXPECT_EQ(piloter(t), 0);
    EXPECT_EQ(v->position.y, 81);
    v->position.y = 82;
    piloter(t);
    EXPECT_EQ(v->position.y, 80);
}

TEST_F(Vaisseaux, DiveBoundDependsOnTheLevel) {
    Touches t;
    t.tenir(SDLK_DOWN);
    v->position.y = 400;
    for (int i = 0; i < 100; ++i) piloter(t, LIMITE_BAS_NIVEAU_1);
    EXPECT_EQ(v->position.y, 420);
    v->position.y = 400;
    for (int i = 0; i < 100; ++i) piloter(t, LIMITE_BAS_NIVEAU_2);
    EXPECT_EQ(v->position.y, 444);
    v->position.y = 401;
    for (int i = 0; i < 100; ++i) piloter(t, LIMITE_BAS_NIVEAU_2);
    EXPECT_EQ(v->position.y, 445);
}

TEST_F(Vaisseaux, SidewaysBoundsAndStepFollowTheSpeedLevel) {
    Touches t;
    t.tenir(SDLK_LEFT);
    v->vitesse = 4;
    v->position.x = 3;
    piloter(t);
    EXPECT_EQ(v->position.x, -2);
    EXPECT_EQ(piloter(t), 0);
    t.lacher(SDLK_LEFT).tenir(SDLK_RIGHT);
    v->position.x = 576;
    piloter(t);
    EXPECT_EQ(v->position.x, 581);
    EXPECT_EQ(piloter(t), 0);
}

// With both sideways arrows held, the right arrow's bound is read after the left arrow's move:
// past the right bound the ship goes back and forth instead of drifting left.
TEST_F(Vaisseaux, BothSidewaysArrowsEachTestTheirBoundAfterTheOtherMoved) {
    Touches t;
    t.tenir(SDLK_LEFT).tenir(SDLK_RIGHT);
    for (int vitesse = 1; vitesse <= 4; ++vitesse) {
        const int pas = vitesse + 1;
        for (int x = 577; x <= 576 + pas; ++x) {
            v->vitesse = vitesse;
            v->position.x = Sint16(x);
            EXPECT_EQ(piloter(t), 1);
            EXPECT_EQ(v->position.x, x) << "speed " << vitesse << ", x " << x;
        }
    }
    v->vitesse = 1;
    v->position.x = 1;  // left bound refused, right allowed
    piloter(t);
    EXPECT_EQ(v->position.x, 3);
}

TEST_F(Vaisseaux, ClimbShowsTheStartingPictureForTenFrames) {
    Touches t;
    t.tenir(SDLK_UP);
    for (int i = 0; i < 10; ++i) {
        piloter(t);
        EXPECT_EQ(v->image, p[3]) << "frame " << i;
    }
    piloter(t);
    EXPECT_EQ(v->image, p[1]);
    // One frame of diving resets the climb counter.
    Touches d;
    d.tenir(SDLK_DOWN);
    piloter(d);
    EXPECT_EQ(v->image, p[4]);
    EXPECT_EQ(haut, 0);
    piloter(t);
    EXPECT_EQ(v->image, p[3]);
}

TEST_F(Vaisseaux, InvincibleShipShowsInvincibleClimbAndDivePictures) {
    v->invincibilite = 3;
    Touches t;
    t.tenir(SDLK_DOWN);
    for (int i = 0; i < 11; ++i) piloter(t);
    EXPECT_EQ(v->image, p[7]);
    Touches h;
    h.tenir(SDLK_UP);
    piloter(h);
    EXPECT_EQ(v->image, p[8]);
}

TEST_F(Vaisseaux, SidewaysPictureDependsOnInvincibility) {
    Touches t;
    t.tenir(SDLK_UP).tenir(SDLK_LEFT);
    piloter(t);
    EXPECT_EQ(v->image, p[3]) << "not invincible: the climb picture stays";
    EXPECT_EQ(haut, 1);
    v->invincibilite = 5;
    piloter(t);
    EXPECT_EQ(v->image, p[5]) << "invincible: plain invincible picture";
    Touches g;
    g.tenir(SDLK_RIGHT);
    v->invincibilite = 0;
    piloter(g);
    EXPECT_EQ(v->image, p[0]);
    EXPECT_EQ(haut, 0);
    EXPECT_EQ(bas, 0);
}

TEST_F(Vaisseaux, NoArrowMeansNoMove) {
    Touches t;
    haut = 4;
    EXPECT_EQ(piloter(t), 0);
    EXPECT_EQ(v->position.x, 100);
    EXPECT_EQ(v->position.y, 220);
    EXPECT_EQ(haut, 4) << "the level loop, not the steering, resets the counters";
}

// ---- shot slots ----

TEST_F(Vaisseaux, SlotsFillInOrderAndAFreedSlotIsChosenFirst) {
    Tir* modele = creer_tir(creer_rect(10, 5, 8, 8), image(9, 9, 9), TIR_DROIT, 3, 0);
    for (int i = 0; i < 3; ++i) ajouter_tir(v, modele);
    EXPECT_EQ(v->nb_tirs, 3);
    EXPECT_EQ(v->tirs[0]->position.x, 110);
    EXPECT_EQ(v->tirs[0]->position.y, 225);
    EXPECT_NE(v->tirs[0], modele);
    retirer_tir(v, 1);
    EXPECT_EQ(v->tirs[1], nullptr);
    EXPECT_EQ(v->nb_tirs, 2);
    v->position.x = 200;
    ajouter_tir(v, modele);
    ASSERT_NE(v->tirs[1], nullptr);
    EXPECT_EQ(v->tirs[1]->position.x, 210);
    EXPECT_EQ(v->tirs[3], nullptr);
    detruire_tir(modele);
}

TEST_F(Vaisseaux, FullSlotsDropTheShot) {
    Vaisseau* petit = creer_vaisseau(creer_rect(0, 0, 10, 10), 1, 2, nullptr, 0, nullptr, 1, 1, 1, 1);
    Vaisseau* muet = creer_vaisseau(creer_rect(0, 0, 10, 10), 1, 0, nullptr, 0, nullptr, 1, 1, 1, 1);
    Tir* modele = creer_tir(creer_rect(10, 5, 8, 8), nullptr, TIR_DROIT, 3, 0);
    for (int i = 0; i < 5; ++i) {
        ajouter_tir(petit, modele);
        ajouter_tir(muet, modele);
    }
    EXPECT_EQ(petit->nb_tirs, 2);
    EXPECT_EQ(muet->nb_tirs, 0);
    detruire_tir(modele);
    detruire_vaisseau(petit);
    detruire_vaisseau(muet);
}

TEST_F(Vaisseaux, FlightRemovesShotsThatLeftAndSparesImpacts) {
    Tir* modele = creer_tir(creer_rect(0, 0, 8, 8), nullptr, TIR_DROIT, 15, 0);
    v->position = creer_rect(620, 100, 37, 32);
    ajouter_tir(v, modele);  // x 620: moves to 635, then 650, then leaves
    v->position = creer_rect(300, 100, 37, 32);
    ajouter_tir(v, modele);
    v->tirs[1]->vivant = 0;
    v->cible = creer_rect(SANS_CIBLE, 0, 0, 0);
    deplacer_tirs(v);
    EXPECT_EQ(v->tirs[0]->position.x, 635);
    EXPECT_EQ(v->tirs[1]->position.x, 300) << "a shot showing its impact stays put";
    deplacer_tirs(v);
    deplacer_tirs(v);
    EXPECT_EQ(v->tirs[0], nullptr);
    EXPECT_EQ(v->nb_tirs, 1);
    // The impact shows four pictures, then the slot is freed.
    for (int i = 0; i < 4; ++i) {
        afficher_tirs(v, ecran);
        EXPECT_NE(v->tirs[1], nullptr);
    }
    afficher_tirs(v, ecran);
    EXPECT_EQ(v->tirs[1], nullptr);
    EXPECT_EQ(v->nb_tirs, 0);
    detruire_tir(modele);
}

// ---- weapons ----

class Armes : public Vaisseaux {
protected:
    SDL_Surface* t[7] = {};  // T1, T2, T3, T3a, T3b, T4, T5
    ImagesImpact impacts = {};
    Touches feu;

    void SetUp() override {
        Vaisseaux::SetUp();
        for (int i = 0; i < 7; ++i) t[i] = image(0, (Uint8)(30 * i + 10), 0);
        for (int i = 0; i < 4; ++i) impacts.images[i] = image(0, 0, (Uint8)(50 * i + 10));
        feu.tenir(SDLK_g);
    }
    int tirer(const Touches& k, int rafale = 0) {
        return tirer_vaisseau(k.etat, v, t[0], t[1], t[2], t[3], t[4], t[5], t[6], &impacts, nullptr, nullptr,
                              nullptr, nullptr, rafale);
    }
    struct Attendu {
        int x, y, w, h, image, genre, vx, vy;
    };
    void verifier(const std::vector<Attendu>& attendus, int impacts_propres = 0) {
        ASSERT_EQ(v->nb_tirs, (int)attendus.size());
        for (size_t i = 0; i < attendus.size(); ++i) {
            const Tir* s = v->tirs[i];
            const Attendu& a = attendus[i];
            ASSERT_NE(s, nullptr);
            EXPECT_EQ(s->position.x, a.x) << "shot " << i;
            EXPECT_EQ(s->position.y, a.y) << "shot " << i;
            EXPECT_EQ(s->position.w, a.w) << "shot " << i;
            EXPECT_EQ(s->position.h, a.h) << "shot " << i;
            EXPECT_EQ(s->image_a, t[a.image]) << "shot " << i;
            EXPECT_EQ(s->genre, a.genre) << "shot " << i;
            EXPECT_EQ(s->vx0, a.vx) << "shot " << i;
            EXPECT_EQ(s->vy0, a.vy) << "shot " << i;
            EXPECT_DOUBLE_EQ(s->ax, 1.0);
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(s->images_impact[k], impacts_propres ? t[a.image] : impacts.images[k]) << "shot " << i;
        }
    }
};

TEST_F(Armes, NoFireKeyNoVolley) {
    EXPECT_EQ(tirer(Touches()), 0);
    EXPECT_EQ(v->nb_tirs, 0);
}

TEST_F(Armes, WeaponZeroFiresTwoStraightShots) {
    EXPECT_EQ(tirer(feu), 1);
    verifier({{137, 220, 32, 8, 0, 1, 15, 0}, {137, 251, 32, 8, 0, 1, 15, 0}});
}

TEST_F(Armes, WeaponOneFiresForwardAndToTheRear) {
    v->arme = 1;
    tirer(feu);
    verifier({{144, 236, 32, 8, 1, 1, 15, 0}, {103, 233, 32, 8, 1, 1, -15, 0}});
}

TEST_F(Armes, WeaponTwoDropsTwoBombsAndAShot) {
    v->arme = 2;
    tirer(feu);
    verifier({{128, 210, 8, 30, 3, 2, 0, -15}, {128, 238, 8, 30, 2, 2, 0, 15}, {144, 236, 32, 8, 0, 1, 15, 0}});
    EXPECT_EQ(v->tirs[0]->image_sol, t[4]);
    EXPECT_EQ(v->tirs[1]->image_sol, t[4]);
    EXPECT_EQ(v->tirs[2]->image_sol, t[0]);
}

TEST_F(Armes, WeaponThreeFansThreeHomingShots) {
    v->arme = 3;
    tirer(feu);
    verifier({{142, 222, 32, 32, 5, 3, 15, 0}, {142, 222, 32, 32, 5, 3, 15, 15}, {142, 222, 32, 32, 5, 3, 15, -15}});
    // With no target they spread by their velocities; with one they all home.
    v->cible = creer_rect(SANS_CIBLE, 0, 0, 0);
    deplacer_tirs(v);
    EXPECT_EQ(v->tirs[1]->position.y, 237);
    EXPECT_EQ(v->tirs[2]->position.y, 207);
    v->cible = creer_rect(400, 100, 40, 40);
    deplacer_tirs(v);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(v->tirs[i]->position.x, 172);
    EXPECT_EQ(v->tirs[0]->position.y, 207);
    EXPECT_EQ(v->tirs[1]->position.y, 222);
    EXPECT_EQ(v->tirs[2]->position.y, 192);
}

TEST_F(Armes, WeaponFourFiresOneHeavyShot) {
    v->arme = 4;
    tirer(feu);
    verifier({{157, 216, 24, 48, 6, 4, 15, 0}});
}

TEST_F(Armes, CyclingSkipsMissingWeaponsAndWrapsToZero) {
    v->armes[3] = 1;
    v->arme = 1;
    arme_suivante(v);
    EXPECT_EQ(v->arme, 3);
    arme_suivante(v);
    EXPECT_EQ(v->arme, 0);
    v->armes[4] = 1;
    v->arme = 4;
    arme_suivante(v);
    EXPECT_EQ(v->arme, 0);
    arme_suivante(v);
    EXPECT_EQ(v->arme, 1);
}

TEST_F(Armes, WonWeaponIsLostOnlyWhileInUse) {
    gagner_arme(v, 3);
    EXPECT_EQ(v->armes[4], 1);
    v->arme = 4;
    perdre_arme(v);
    v->arme = 0;
    EXPECT_EQ(v->armes[4], 0);
    arme_suivante(v);
    EXPECT_EQ(v->arme, 1);
    arme_suivante(v);
    EXPECT_EQ(v->arme, 0);
    // Owned but not in use: kept. Weapons 0 and 1 are never lost.
    gagner_arme(v, 1);
    v->arme = 1;
    perdre_arme(v);
    EXPECT_EQ(v->armes[1], 1);
    EXPECT_EQ(v->armes[2], 1);
    activer_modules(v);
    EXPECT_EQ(v->modules, 1);
    desactiver_modules(v);
    EXPECT_EQ(v->modules, 0);
}

// ---- modules ----

// The orbit is a table written once: this machine's maths library must still give every point.
TEST_F(Armes, OrbitIsSixtyRoundedPointsClockwiseFromTheRight) {
    SDL_Rect orbite[NB_POINTS_ORBITE];
    calculer_orbite(orbite);
    Point* cosinus_sinus = cercle(64, 64, 64, NB_POINTS_ORBITE);
    for (int i = 0; i < NB_POINTS_ORBITE; ++i) {
        EXPECT_EQ(orbite[i].x, arrondir_pixel(cosinus_sinus[i].x)) << "point " << i;
        EXPECT_EQ(orbite[i].y, arrondir_pixel(cosinus_sinus[i].y)) << "point " << i;
    }
    free(cosinus_sinus);
    EXPECT_EQ(orbite[0].x, 128);
    EXPECT_EQ(orbite[0].y, 64);
    EXPECT_EQ(orbite[15].x, 64);
    EXPECT_EQ(orbite[15].y, 128);
    EXPECT_EQ(orbite[30].x, 0);
    EXPECT_EQ(orbite[30].y, 64);
    EXPECT_EQ(orbite[45].x, 64);
    EXPECT_EQ(orbite[45].y, 0);
    for (int i = 0; i < NB_POINTS_ORBITE; ++i) {
        EXPECT_EQ(orbite[i].w, 32);
        EXPECT_EQ(orbite[i].h, 28);
    }
}

TEST_F(Armes, ModulesLoadTheirFourPictures) {
    if (access("./Images/Module1.png", R_OK) != 0)
        GTEST_SKIP() << "module pictures not in ./Images yet (the asset pack is not merged)";
    ImagesModules m = {};
    SDL_Rect orbite[NB_POINTS_ORBITE];
    charger_modules(&m, orbite);
    for (int i = 0; i < 4; ++i) EXPECT_NE(m.images[i], nullptr);
    EXPECT_EQ(orbite[0].x, 128);
    liberer_modules(&m);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(m.images[i], nullptr);
}

class Modules : public Armes {
protected:
    ImagesModules m = {};
    SDL_Rect orbite[NB_POINTS_ORBITE];
    void SetUp() override {
        Armes::SetUp();
        for (int i = 0; i < 4; ++i) m.images[i] = image(200, (Uint8)(40 * i), 200, 32, 28);
        calculer_orbite(orbite);
    }
    void modules(int a, int b, int anim, int a_tire) {
        afficher_modules(v, a, b, anim, a_tire, &m, orbite, t[0], t[1], t[2], t[3], t[4], t[5], t[6], &impacts, ecran);
    }
};

TEST_F(Modules, ModulesAreDrawnOnOppositeSidesOfTheShip) {
    // A = 0 at (128, 64) -> (100 + 128 - 55, 220 + 64 - 64) = (173, 220); B = 30 at (45, 220).
    modules(0, 30, 2, 0);
    EXPECT_EQ(pixel(173, 220), rgb(200, 80, 200));
    EXPECT_EQ(pixel(45 + 31, 220 + 27), rgb(200, 80, 200));
    EXPECT_EQ(pixel(172, 220), 0u);
    EXPECT_EQ(v->nb_tirs, 0) << "no volley unless the ship fired";
}

TEST_F(Modules, WeaponZeroVolleyWithModulesLaunchesFourShots) {
    tirer(feu);
    modules(0, 30, 0, 1);
    ASSERT_EQ(v->nb_tirs, 4);
    EXPECT_EQ(v->tirs[2]->position.x, 173 + 31);
    EXPECT_EQ(v->tirs[2]->position.y, 230);
    EXPECT_EQ(v->tirs[3]->position.x, 45 + 31);
    EXPECT_EQ(v->tirs[2]->genre, TIR_MODULE_DROIT);
    EXPECT_EQ(v->tirs[3]->vx0, 15);
    EXPECT_EQ(v->tirs[3]->images_impact[2], impacts.images[2]);
    // Kinds 5..8 are screen positions: moving the ship afterwards changes nothing.
    EXPECT_EQ(v->tirs[3]->position.y, 230);
}

TEST_F(Modules, ModuleVolleysFollowTheWeapon) {
    // A = 45 (64, 0) -> (109, 156) above B = 15 (64, 128) -> (109, 284).
    struct Cas {
        int arme;
        int ax, ay, avx, avy, bx, by, bvx, bvy, genre, image_a, image_b, propres;
    };
    const Cas cas[] = {
        {1, 109 - 31, 166, -15, 0, 109 - 31, 294, -15, 0, 5, 1, 1, 0},
        {2, 123, 126, 0, -15, 123, 284, 0, 15, 6, 3, 2, 0},
        {3, 129, 156, 15, 5, 129, 284, 15, -5, 7, 5, 5, 1},
        {4, 137, 147, 15, 3, 137, 275, 15, -3, 8, 6, 6, 1},
    };
    for (const Cas& c : cas) {
        for (int i = 0; i < v->nb_tirs_max; ++i) retirer_tir(v, i);
        v->arme = c.arme;
        modules(45, 15, 0, 1);
        ASSERT_EQ(v->nb_tirs, 2) << "weapon " << c.arme;
        const Tir* a = v->tirs[0];
        const Tir* b = v->tirs[1];
        EXPECT_EQ(a->position.x, c.ax) << "weapon " << c.arme;
        EXPECT_EQ(a->position.y, c.ay) << "weapon " << c.arme;
        EXPECT_EQ(b->position.x, c.bx) << "weapon " << c.arme;
        EXPECT_EQ(b->position.y, c.by) << "weapon " << c.arme;
        EXPECT_EQ(a->vx0, c.avx);
        EXPECT_EQ(a->vy0, c.avy);
        EXPECT_EQ(b->vx0, c.bvx);
        EXPECT_EQ(b->vy0, c.bvy);
        EXPECT_EQ(a->genre, c.genre);
        EXPECT_EQ(a->image_a, t[c.image_a]);
        EXPECT_EQ(b->image_a, t[c.image_b]);
        EXPECT_EQ(a->images_impact[0], c.propres ? a->image_a : impacts.images[0]) << "weapon " << c.arme;
    }
}

TEST_F(Modules, TheLowerModuleAlwaysBombsDownwards) {
    v->arme = 2;
    // A = 15 below B = 45: A keeps T3a but bombs down, B keeps T3 and bombs up, own impacts.
    modules(15, 45, 0, 1);
    ASSERT_EQ(v->nb_tirs, 2);
    const Tir* a = v->tirs[0];
    const Tir* b = v->tirs[1];
    EXPECT_EQ(a->image_a, t[3]);
    EXPECT_EQ(a->vy0, 15);
    EXPECT_EQ(a->position.y, 284);
    EXPECT_EQ(b->image_a, t[2]);
    EXPECT_EQ(b->vy0, -15);
    EXPECT_EQ(b->position.y, 126);
    EXPECT_EQ(a->image_sol, t[4]);
    EXPECT_EQ(b->image_sol, t[4]);
    EXPECT_EQ(a->images_impact[0], t[3]);
}

}  // namespace
