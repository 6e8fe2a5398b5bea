// Shots: constructors and setters, damage by kind, the launch rule, the flight rule
// (off-screen, acceleration by truncation, bombs, homing) and the picture rule.
#include <gtest/gtest.h>

#include "aide_combat.h"
#include "core/calculs.h"
#include "enemies/tir.h"
#include "ship/vaisseau.h"

namespace {

class Tirs : public TestCombat {
protected:
    SDL_Rect sans_cible = creer_rect(SANS_CIBLE, 0, 0, 0);
    // Frames a shot keeps moving by `pas` pixels on x before its step changes.
    static int images_au_pas(Tir* t, int pas, const SDL_Rect* cible) {
        int n = 0;
        for (;;) {
            int x = t->position.x;
            deplacer_tir(t, cible);
            if (x - t->position.x != pas) return n;
            ++n;
        }
    }
};

TEST_F(Tirs, ConstructorsFillEveryPictureAndTheDefaults) {
    SDL_Surface* p = image(1, 2, 3);
    SDL_Surface* q = image(4, 5, 6);
    Tir* a = creer_tir(creer_rect(1, 2, 3, 4), p, TIR_DROIT, -5, 7);
    EXPECT_EQ(a->image_a, p);
    EXPECT_EQ(a->image_b, p);
    EXPECT_EQ(a->image_sol, p);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(a->images_impact[i], p);
    EXPECT_EQ(a->compteur_anim, 0);
    EXPECT_EQ(a->seuil_anim, 5);
    EXPECT_EQ(a->seuil_remise, 10);
    EXPECT_DOUBLE_EQ(a->vx, -5.0);
    EXPECT_DOUBLE_EQ(a->vy, 7.0);
    EXPECT_DOUBLE_EQ(a->ax, 1.0);
    EXPECT_DOUBLE_EQ(a->ay, 1.0);
    EXPECT_EQ(a->vivant, 1);
    EXPECT_EQ(a->image_impact, 0);
    Tir* b = creer_tir_anime(creer_rect(0, 0, 1, 1), p, q, TIR_ENNEMI, 1, 1);
    EXPECT_EQ(b->image_b, q);
    EXPECT_EQ(b->image_sol, p);
    EXPECT_EQ(b->images_impact[3], p);
    Tir* c = creer_tir_accelere(creer_rect(0, 0, 1, 1), p, q, TIR_ENNEMI, -1, 2, 1.01, 1.005);
    EXPECT_DOUBLE_EQ(c->ax, 1.01);
    EXPECT_DOUBLE_EQ(c->ay, 1.005);
    EXPECT_EQ(c->image_sol, p);
    fixer_image_sol(c, q);
    fixer_images_impact(c, q, p, q, p);
    fixer_vitesse_tir(c, 3.5, -2.5);
    EXPECT_EQ(c->image_sol, q);
    EXPECT_EQ(c->images_impact[0], q);
    EXPECT_EQ(c->images_impact[1], p);
    EXPECT_DOUBLE_EQ(c->vx, 3.5);
    EXPECT_EQ(c->vx0, -1) << "the setter changes the current velocity only";
    detruire_tir(a);
    detruire_tir(b);
    detruire_tir(c);
    detruire_tir(nullptr);
}

TEST_F(Tirs, DamageByKind) {
    const int attendu[9] = {0, 1, 2, 2, 4, 1, 2, 2, 4};
    for (int k = 0; k < 9; ++k) {
        Tir* t = creer_tir(creer_rect(0, 0, 1, 1), nullptr, k, 0, 0);
        EXPECT_EQ(degats_tir(t), attendu[k]) << "kind " << k;
        detruire_tir(t);
    }
}

TEST_F(Tirs, LaunchPlacesKindsZeroToFourRelativeToTheShooter) {
    SDL_Surface* p = image(1, 1, 1);
    SDL_Surface* sol = image(2, 2, 2);
    SDL_Surface* i1 = image(3, 3, 3);
    Tir* bombe = creer_tir(creer_rect(100, 50, 8, 30), p, TIR_BOMBE, 0, 15);
    Tir* module = creer_tir(creer_rect(100, 50, 8, 30), p, TIR_MODULE_BOMBE, 0, 15);
    Tir* droit = creer_tir(creer_rect(100, 50, 8, 30), p, TIR_DROIT, 4, 0);
    for (Tir* t : {bombe, module, droit}) {
        fixer_image_sol(t, sol);
        fixer_images_impact(t, i1, i1, i1, i1);
        fixer_vitesse_tir(t, 99, 99);
    }
    Tir* a = lancer_tir(bombe, 300, 200);
    Tir* b = lancer_tir(module, 300, 200);
    Tir* c = lancer_tir(droit, 300, 200);
    EXPECT_EQ(a->position.x, 400);
    EXPECT_EQ(a->position.y, 250);
    EXPECT_EQ(b->position.x, 100);
    EXPECT_EQ(b->position.y, 50);
    EXPECT_EQ(c->position.x, 400);
    // The launch uses the template's starting velocity, not its current one.
    EXPECT_DOUBLE_EQ(a->vy, 15.0);
    EXPECT_DOUBLE_EQ(c->vx, 4.0);
    // Impacts are always copied; the ground picture only for bombs.
    EXPECT_EQ(c->images_impact[2], i1);
    EXPECT_EQ(a->image_sol, sol);
    EXPECT_EQ(b->image_sol, sol);
    EXPECT_EQ(c->image_sol, p);
    EXPECT_EQ(bombe->position.x, 100) << "the template does not move";
    for (Tir* t : {bombe, module, droit, a, b, c}) detruire_tir(t);
}

TEST_F(Tirs, ShotsOffScreenAreReportedBeforeMoving) {
    struct Cas {
        int x, y, w;
        int dans_ecran;
    };
    const Cas cas[] = {
        {100, 0, 8, 0},   {100, 1, 8, 1},   {100, 479, 8, 1}, {100, 480, 8, 0},
        {-7, 100, 8, 1},  {-8, 100, 8, 0},  {639, 100, 8, 1}, {640, 100, 8, 0},
    };
    for (const Cas& c : cas) {
        Tir* t = creer_tir(creer_rect(c.x, c.y, c.w, 8), nullptr, TIR_ENNEMI, 0, -5);
        EXPECT_EQ(deplacer_tir(t, &sans_cible), c.dans_ecran) << c.x << "," << c.y;
        EXPECT_EQ(t->position.y, c.dans_ecran ? c.y - 5 : c.y);
        detruire_tir(t);
    }
}

TEST_F(Tirs, StillShotNeverMoves) {
    Tir* t = creer_tir(creer_rect(300, 200, 8, 8), nullptr, TIR_ENNEMI, 0, 0);
    for (int i = 0; i < 500; ++i) ASSERT_EQ(deplacer_tir(t, &sans_cible), 1);
    EXPECT_EQ(t->position.x, 300);
    EXPECT_EQ(t->position.y, 200);
    detruire_tir(t);
}

TEST_F(Tirs, AccelerationWorksByTruncation) {
    Tir* t = creer_tir_accelere(creer_rect(639, 240, 8, 8), nullptr, nullptr, TIR_ENNEMI, -1, 0, 1.01, 1.0);
    EXPECT_EQ(images_au_pas(t, 1, &sans_cible), 70);
    detruire_tir(t);
    Tir* u = creer_tir_accelere(creer_rect(300, 30, 8, 8), nullptr, nullptr, TIR_ENNEMI, 0, 1, 1.0, 1.005);
    int n = 0;
    for (int y = u->position.y; deplacer_tir(u, &sans_cible) && u->position.y - y == 1; y = u->position.y) ++n;
    EXPECT_EQ(n, 139);
    detruire_tir(u);
    // Below one pixel per frame nothing moves until the factor has done its work.
    Tir* w = creer_tir_accelere(creer_rect(300, 240, 8, 8), nullptr, nullptr, TIR_ENNEMI, 0, 0, 2.0, 2.0);
    fixer_vitesse_tir(w, 0.3, -0.3);
    deplacer_tir(w, &sans_cible);
    deplacer_tir(w, &sans_cible);
    EXPECT_EQ(w->position.x, 300);
    deplacer_tir(w, &sans_cible);
    EXPECT_EQ(w->position.x, 301);
    EXPECT_EQ(w->position.y, 239);
    detruire_tir(w);
}

TEST_F(Tirs, BombRunsAlongTheGroundUntilItLeaves) {
    for (int genre : {TIR_BOMBE, TIR_MODULE_BOMBE}) {
        Tir* t = creer_tir(creer_rect(100, 400, 8, 30), nullptr, genre, 0, 15);
        deplacer_tir(t, &sans_cible);  // 415
        EXPECT_EQ(t->position.y, 415);
        deplacer_tir(t, &sans_cible);  // 430: not yet on the ground when tested
        EXPECT_EQ(t->position.y, 430);
        deplacer_tir(t, &sans_cible);
        EXPECT_EQ(t->position.x, 115);
        EXPECT_EQ(t->position.y, 435);
        EXPECT_EQ(t->position.w, 30);
        EXPECT_EQ(t->position.h, 8);
        EXPECT_DOUBLE_EQ(t->vx, 15.0);
        EXPECT_DOUBLE_EQ(t->vy, 0.0);
        int images = 0;
        while (deplacer_tir(t, &sans_cible)) ++images;
        EXPECT_EQ(t->position.x, 640);
        EXPECT_EQ(images, (640 - 115) / 15);
        detruire_tir(t);
    }
    // A straight shot at the same height keeps flying.
    Tir* d = creer_tir(creer_rect(100, 430, 8, 8), nullptr, TIR_DROIT, 15, 0);
    deplacer_tir(d, &sans_cible);
    EXPECT_EQ(d->position.y, 430);
    detruire_tir(d);
}

TEST_F(Tirs, HomingShotsSteerOnlyWithATarget) {
    SDL_Rect cible = creer_rect(300, 100, 41, 41);  // centre (320, 120)
    Tir* t = creer_tir(creer_rect(100, 300, 32, 32), nullptr, TIR_GUIDE, 15, 15);
    deplacer_tir(t, &cible);
    EXPECT_EQ(t->position.x, 115);
    EXPECT_EQ(t->position.y, 285);
    Tir* m = creer_tir(creer_rect(320, 120, 32, 32), nullptr, TIR_MODULE_GUIDE, 15, 5);
    deplacer_tir(m, &cible);
    EXPECT_EQ(m->position.x, 305) << "not below the centre: steps back";
    EXPECT_EQ(m->position.y, 105);
    Tir* s = creer_tir(creer_rect(100, 300, 32, 32), nullptr, TIR_GUIDE, 15, -15);
    deplacer_tir(s, &sans_cible);
    EXPECT_EQ(s->position.x, 115);
    EXPECT_EQ(s->position.y, 285);
    // Other kinds ignore the target.
    Tir* d = creer_tir(creer_rect(100, 300, 32, 32), nullptr, TIR_DROIT, 15, 0);
    deplacer_tir(d, &cible);
    EXPECT_EQ(d->position.y, 300);
    for (Tir* x : {t, m, s, d}) detruire_tir(x);
}

TEST_F(Tirs, FlightPicturesShowTheFirstOneOneFrameInFive) {
    SDL_Surface* a = image(255, 0, 0);
    SDL_Surface* b = image(0, 255, 0);
    Tir* t = creer_tir_anime(creer_rect(50, 50, 8, 8), a, b, TIR_ENNEMI, 0, 0);
    std::string vu;
    for (int i = 0; i < 16; ++i) {
        effacer();
        ASSERT_EQ(afficher_tir(t, ecran), 1);
        vu += pixel(50, 50) == rgb(255, 0, 0) ? 'a' : pixel(50, 50) == rgb(0, 255, 0) ? 'b' : '?';
    }
    EXPECT_EQ(vu, "bbbbbbabbbbabbbb");
    detruire_tir(t);
}

TEST_F(Tirs, BombLowOnTheScreenShowsItsGroundPicture) {
    SDL_Surface* a = image(255, 0, 0);
    SDL_Surface* sol = image(0, 0, 255);
    Tir* t = creer_tir(creer_rect(50, 430, 8, 8), a, TIR_BOMBE, 0, 0);
    fixer_image_sol(t, sol);
    afficher_tir(t, ecran);
    EXPECT_EQ(pixel(50, 430), rgb(0, 0, 255));
    t->position.y = 429;
    afficher_tir(t, ecran);
    EXPECT_EQ(pixel(50, 429), rgb(255, 0, 0));
    detruire_tir(t);
}

TEST_F(Tirs, ImpactShowsFourPicturesThenEnds) {
    SDL_Surface* i[4] = {image(10, 0, 0), image(20, 0, 0), image(30, 0, 0), image(40, 0, 0)};
    Tir* t = creer_tir(creer_rect(60, 60, 8, 8), image(99, 99, 99), TIR_DROIT, 15, 0);
    fixer_images_impact(t, i[0], i[1], i[2], i[3]);
    t->vivant = 0;
    for (int k = 0; k < 4; ++k) {
        effacer();
        EXPECT_EQ(afficher_tir(t, ecran), 1);
        EXPECT_EQ(pixel(60, 60), rgb((Uint8)(10 * (k + 1)), 0, 0));
    }
    effacer();
    EXPECT_EQ(afficher_tir(t, ecran), 0);
    EXPECT_EQ(pixel(60, 60), 0u);
    detruire_tir(t);
}

}  // namespace
