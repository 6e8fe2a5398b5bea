// The world: hit tests, arrivals into the ring, the player's shots against the enemies, the
// ship against enemies, shots and bonuses, invincibility, retirement, drawing and the trace.
#include <gtest/gtest.h>
#include <stdio.h>

#include <string>

#include "aide_combat.h"
#include "combat/monde.h"
#include "core/calculs.h"
#include "platform/trace.h"
#include "ship/armes.h"

namespace {

class Mondes : public TestCombat {
protected:
    Vaisseau* v = nullptr;
    Monde* m = nullptr;
    SDL_Surface* img = nullptr;
    SDL_Surface* explosion = nullptr;

    void SetUp() override {
        TestCombat::SetUp();
        img = image(255, 255, 255, 60, 40);
        explosion = bande(5, 20, 10);
        v = creer_vaisseau(creer_rect(100, 220, 37, 32), 5, 50, image(0, 200, 0, 37, 32), 0, bande(12, 64, 50), 12, 75,
                           3, 3);
        m = creer_monde(v, 0, plateforme_ticks(), img, img, img, img, img);
    }
    void TearDown() override {
        detruire_monde(m);
        detruire_vaisseau(v);
        TestCombat::TearDown();
    }
    Ennemi* ennemi(int temps, int x = 400, int y = 300, int vie = 3, const char* nom = "OCTOPUS", int points = 40) {
        return creer_ennemi(creer_rect(x, y, 60, 40), vie, 5, img, 0, explosion, 5, 75, temps, nom, 20, 10, 25, 15, 0, 1,
                            0, points);
    }
    // Puts an enemy straight into play at ring slot `place`.
    Ennemi* en_jeu(int place, int x = 400, int y = 300, int vie = 3, const char* nom = "OCTOPUS") {
        Ennemi* e = ennemi(0, x, y, vie, nom);
        ajouter_etape(e, creer_etape(0, 0, 1), PROGRAMME_PRINCIPAL);
        m->actifs[place] = e;
        m->nb_actifs += 1;
        return e;
    }
    // A player's shot of kind `genre` launched at screen position (x, y).
    Tir* tir_joueur(int x, int y, int genre = TIR_DROIT, int vx = 0) {
        // Module kinds (5..8) are placed at screen positions, the others relative to the ship.
        const int relatif = genre <= TIR_LOURD;
        Tir* modele = creer_tir(creer_rect(x - relatif * v->position.x, y - relatif * v->position.y, 8, 8), nullptr,
                                genre, vx, 0);
        ajouter_tir(v, modele);
        detruire_tir(modele);
        for (int i = v->nb_tirs_max - 1; i >= 0; --i)
            if (v->tirs[i]) return v->tirs[i];
        return nullptr;
    }
    void image_suivante() { mettre_a_jour_monde(m, img, img, creer_rect(0, 0, 640, 480), ecran); }
    int places_occupees() {
        int n = 0;
        for (int i = 0; i < NB_PLACES; ++i) n += m->actifs[i] != nullptr;
        return n;
    }
};

TEST_F(Mondes, NewWorldIsEmpty) {
    EXPECT_EQ(m->vaisseau, v);
    EXPECT_EQ(m->nb_places, 10);
    EXPECT_EQ(m->prochain, 0);
    EXPECT_EQ(m->nb_actifs, 0);
    EXPECT_EQ(m->en_attente, nullptr);
    EXPECT_EQ(m->score, 0);
    EXPECT_EQ(places_occupees(), 0);
}

TEST_F(Mondes, HitTestsAreStrictBetweenCentres) {
    Vaisseau* a = creer_vaisseau(creer_rect(0, 0, 10, 10), 1, 0, nullptr, 0, nullptr, 1, 1, 3, 2);
    Vaisseau* b = creer_vaisseau(creer_rect(7, 0, 11, 10), 1, 0, nullptr, 0, nullptr, 1, 1, 3, 2);
    // Centres (5, 5) and (12, 5): 7 < 6 fails; at 6 it still fails, at 5 it hits.
    EXPECT_EQ(collision_vaisseaux(a, b), 0);
    b->position.x = 6;
    EXPECT_EQ(collision_vaisseaux(a, b), 0);
    b->position.x = 5;
    EXPECT_EQ(collision_vaisseaux(a, b), 1);
    b->position.y = 4;  // centre y 9: 4 < 4 fails
    EXPECT_EQ(collision_vaisseaux(b, a), 0);
    b->position.y = 3;
    EXPECT_EQ(collision_vaisseaux(b, a), 1);
    // A shot counts whole: |dx| < w/2 + demi_largeur.
    Tir* t = creer_tir(creer_rect(0, 0, 8, 6), nullptr, TIR_DROIT, 0, 0);  // centre (4, 3)
    a->position = creer_rect(7, 0, 10, 10);                                // centre (12, 5)
    EXPECT_EQ(collision_tir(t, a), 0);                                     // 8 < 4 + 3 fails
    a->position.x = 6;                                                     // 7 < 7 fails
    EXPECT_EQ(collision_tir(t, a), 0);
    a->position.x = 5;
    EXPECT_EQ(collision_tir(t, a), 1);
    a->position.y = 3;  // centre y 8: 5 < 3 + 2 fails
    EXPECT_EQ(collision_tir(t, a), 0);
    detruire_tir(t);
    detruire_vaisseau(a);
    detruire_vaisseau(b);
}

TEST_F(Mondes, EnemiesDueTogetherArriveInTheSameFrame) {
    ajouter_ennemi(m, ennemi(3000));
    ajouter_ennemi(m, ennemi(2000));
    ajouter_ennemi(m, ennemi(2000));
    plateforme_attendre(1999);
    image_suivante();
    EXPECT_EQ(m->nb_actifs, 0);
    plateforme_attendre(1);
    image_suivante();
    EXPECT_EQ(m->nb_actifs, 2);
    EXPECT_EQ(m->prochain, 2);
    EXPECT_EQ(m->actifs[0]->temps_apparition, 2000);
    plateforme_attendre(1000);
    image_suivante();
    EXPECT_EQ(m->nb_actifs, 3);
    EXPECT_EQ(m->actifs[2]->temps_apparition, 3000);
}

TEST_F(Mondes, ALateHeadHoldsBackTheEnemiesBehindIt) {
    ajouter_ennemi(m, ennemi(5000));
    ajouter_ennemi(m, ennemi(9000));
    plateforme_attendre(6000);
    image_suivante();
    EXPECT_EQ(m->nb_actifs, 0);
    plateforme_attendre(3000);
    image_suivante();
    EXPECT_EQ(m->nb_actifs, 2);
}

TEST_F(Mondes, ArrivalOnAnOccupiedSlotKeepsTheRingTrue) {
    // Eleven enemies standing still on screen, all due at once: the eleventh takes slot 0
    // again, the first one leaves play and the count stays at ten.
    for (int i = 0; i < 11; ++i) {
        Ennemi* e = ennemi(100, 40 * i, 100);
        ajouter_etape(e, creer_etape(0, 0, 1), PROGRAMME_PRINCIPAL);
        ajouter_ennemi(m, e);
    }
    plateforme_attendre(100);
    image_suivante();
    EXPECT_EQ(m->nb_actifs, 10);
    EXPECT_EQ(places_occupees(), 10);
    EXPECT_EQ(m->prochain, 1);
    EXPECT_EQ(m->actifs[0]->corps->position.x, 0) << "the script adds the last-due first: x 0 arrives last";
    EXPECT_EQ(m->actifs[1]->corps->position.x, 360);
}

TEST_F(Mondes, DamageDependsOnTheShotKind) {
    struct Cas {
        int vie, genre, vie_apres, touche;
    };
    const Cas cas[] = {{3, TIR_LOURD, -1, 0}, {2, TIR_GUIDE, 0, 0}, {5, TIR_DROIT, 4, 1},
                       {5, TIR_MODULE_LOURD, 1, 1}, {3, TIR_MODULE_BOMBE, 1, 1}};
    for (const Cas& c : cas) {
        Ennemi* e = en_jeu(3, 400, 300, c.vie);
        Tir* t = tir_joueur(426, 316, c.genre);
        image_suivante();
        EXPECT_EQ(e->corps->vie, c.vie_apres) << "kind " << c.genre;
        EXPECT_EQ(t->vivant, 0);
        if (c.vie_apres < 1) {
            EXPECT_EQ(e->corps->etape_explosion, 1);
        } else {
            // The flash was drawn at the end of the frame and cleared again.
            EXPECT_EQ(e->corps->etape_explosion, 0);
        }
        detruire_ennemi(m->actifs[3]);
        m->actifs[3] = nullptr;
        m->nb_actifs = 0;
        for (int i = 0; i < v->nb_tirs_max; ++i) retirer_tir(v, i);
    }
}

TEST_F(Mondes, WoundedEnemyFlashesAtTheNextDrawing) {
    Ennemi* e = en_jeu(0, 400, 300, 5);
    fixer_images_flash(e, image(200, 0, 0, 60, 40), img, img, img);
    tir_joueur(426, 316);
    image_suivante();
    EXPECT_EQ(pixel(405, 305), rgb(200, 0, 0));
    EXPECT_EQ(e->touche, 0);
    image_suivante();
    EXPECT_EQ(pixel(405, 305), rgb(255, 255, 255));
}

TEST_F(Mondes, AnEnemyTakesOneHitPerFrame) {
    Ennemi* e = en_jeu(0, 400, 300, 10);
    Tir* a = tir_joueur(426, 316);
    Tir* b = tir_joueur(424, 318);
    image_suivante();
    EXPECT_EQ(e->corps->vie, 9);
    EXPECT_EQ(a->vivant, 0) << "the lower slot hits";
    EXPECT_EQ(b->vivant, 1) << "the other goes on flying";
    image_suivante();
    EXPECT_EQ(e->corps->vie, 8);
    EXPECT_EQ(b->vivant, 0);
}

TEST_F(Mondes, DestructionScoresAndSaturates) {
    m->score = 99990;
    Ennemi* e = en_jeu(0, 400, 300, 1);
    e->points = 15;
    tir_joueur(426, 316);
    image_suivante();
    EXPECT_EQ(m->score, 99999);
    // A dead enemy takes no more hits and scores no more.
    m->score = 0;
    Tir* t = tir_joueur(426, 316);
    image_suivante();
    EXPECT_EQ(m->score, 0);
    EXPECT_EQ(t->vivant, 1);
}

TEST_F(Mondes, ExplodedEnemyLeavesPlayOnceItsShotsAreGone) {
    Ennemi* e = en_jeu(0, 400, 300, 1);
    Tir* modele = creer_tir(creer_rect(0, 0, 8, 8), nullptr, TIR_ENNEMI, 0, -20);
    tirer_ennemi(e, modele);
    detruire_tir(modele);
    tir_joueur(426, 316);
    image_suivante();
    ASSERT_EQ(e->corps->etape_explosion, 1);
    for (int i = 0; i < 5; ++i) {
        plateforme_attendre(80);
        image_suivante();
    }
    EXPECT_GT(e->corps->etape_explosion, 5);
    // Its shot left at y 300 going up 20 a frame: it is still flying, so the enemy stays.
    ASSERT_EQ(m->actifs[0], e);
    for (int i = 0; i < 30 && m->actifs[0]; ++i) image_suivante();
    EXPECT_EQ(m->actifs[0], nullptr);
    EXPECT_EQ(m->nb_actifs, 0);
}

TEST_F(Mondes, GoneEnemyKeepsItsSlotWhileItsShotsFly) {
    Ennemi* e = en_jeu(0, 620, 300);
    ajouter_etape(e, creer_etape(10, 0, 1), PROGRAMME_PRINCIPAL);
    e->programme_principal[0]->dx = 10;
    Tir* modele = creer_tir(creer_rect(0, 0, 8, 8), nullptr, TIR_ENNEMI, -15, 0);
    tirer_ennemi(e, modele);
    detruire_tir(modele);
    image_suivante();  // moves to 630
    image_suivante();  // 640: gone
    EXPECT_EQ(e->corps->etape_explosion, 6);
    EXPECT_EQ(m->actifs[0], e);
    int images = 0;
    while (m->actifs[0] && images < 100) {
        image_suivante();
        ++images;
    }
    EXPECT_GT(images, 30);
    EXPECT_EQ(m->nb_actifs, 0);
}

TEST_F(Mondes, FinishedEnemyLeavesPlay) {
    Ennemi* e = en_jeu(0);
    e->fin_sortie = 2;
    image_suivante();
    EXPECT_EQ(m->actifs[0], nullptr);
    EXPECT_EQ(m->nb_actifs, 0);
}

TEST_F(Mondes, CrashingIntoAnEnemyHitsTheShipButNotTheEnemy) {
    Ennemi* e = en_jeu(0, 89, 216);  // centre (119, 236) on the ship's centre (118, 236)
    v->modules = 1;
    v->armes[3] = 1;
    v->arme = 3;
    image_suivante();
    EXPECT_EQ(v->vie, 4);
    EXPECT_EQ(v->invincibilite, 149) << "150, then one frame counted down";
    EXPECT_EQ(v->etape_explosion, 1);
    EXPECT_EQ(v->modules, 0);
    EXPECT_EQ(v->armes[3], 0);
    EXPECT_EQ(v->arme, 0);
    EXPECT_EQ(e->corps->vie, 3);
    image_suivante();
    EXPECT_EQ(v->vie, 4) << "no second hit while invincible and exploding";
}

TEST_F(Mondes, EnemyShotHitsTheShipAndKeepsFlying) {
    Ennemi* e = en_jeu(0, 400, 100);
    Tir* modele = creer_tir(creer_rect(-286, 132, 8, 8), nullptr, TIR_ENNEMI, 0, 0);  // at (114, 232)
    tirer_ennemi(e, modele);
    detruire_tir(modele);
    image_suivante();
    EXPECT_EQ(v->vie, 4);
    EXPECT_EQ(e->corps->nb_tirs, 1);
    EXPECT_EQ(e->corps->tirs[0]->vivant, 1);
}

TEST_F(Mondes, InvincibilityEndsAtTheEndOfTheFrame) {
    Ennemi* e = en_jeu(0, 400, 100);
    Tir* modele = creer_tir(creer_rect(-286, 132, 8, 8), nullptr, TIR_ENNEMI, 0, 0);
    tirer_ennemi(e, modele);
    detruire_tir(modele);
    v->invincibilite = 1;
    image_suivante();
    EXPECT_EQ(v->vie, 5);
    EXPECT_EQ(v->invincibilite, 0);
    image_suivante();
    EXPECT_EQ(v->vie, 4);
}

TEST_F(Mondes, BonusCarrierTurnsIntoABonusThatTheShipCollects) {
    struct Cas {
        int type, arme, modules;
    };
    for (Cas c : {Cas{0, 0, 1}, Cas{1, 2, 0}, Cas{2, 3, 0}, Cas{3, 4, 0}}) {
        v->modules = 0;
        v->arme = 0;
        Ennemi* e = en_jeu(0, 300, 216, 1, "Ennemi_Bonus");
        e->points = 100;
        fixer_type_bonus(e, c.type);
        fixer_images_bonus(e, image(0, 0, 10, 60, 40), image(0, 0, 20, 60, 40), image(0, 0, 30, 60, 40),
                           image(0, 0, 40, 60, 40));
        tir_joueur(326, 232);
        const int score = m->score;
        image_suivante();
        EXPECT_EQ(e->bonus_libere, 1);
        EXPECT_EQ(m->score, score + 100);
        // It drifts left 2 pixels a frame from the kill on, through its explosion.
        const int x = e->corps->position.x;
        plateforme_attendre(80);
        image_suivante();
        EXPECT_EQ(e->corps->position.x, x - 2);
        for (int i = 0; i < 6; ++i) {
            plateforme_attendre(80);
            image_suivante();
        }
        EXPECT_GT(e->corps->etape_explosion, 5);
        effacer();
        image_suivante();
        EXPECT_EQ(pixel(e->corps->position.x + 1, 217), rgb(0, 0, (Uint8)(10 * (c.type + 1)))) << c.type;
        // Slide the bonus onto the ship: collected and gone in the same frame.
        e->corps->position.x = 89;
        image_suivante();
        EXPECT_EQ(m->actifs[0], nullptr) << c.type;
        EXPECT_EQ(m->nb_actifs, 0);
        EXPECT_EQ(v->modules, c.modules) << c.type;
        EXPECT_EQ(v->arme, c.arme) << c.type;
        if (c.type > 0) {
            EXPECT_EQ(v->armes[c.arme], 1);
        }
        EXPECT_EQ(v->vie, 5) << "a bonus does not hurt";
    }
}

TEST_F(Mondes, WeaponFromABonusIsLostAtTheNextHit) {
    Ennemi* b = en_jeu(0, 89, 216, 1, "Ennemi_Bonus");
    fixer_type_bonus(b, 2);
    liberer_bonus(b, 1);
    b->corps->vie = 0;
    b->corps->etape_explosion = 6;
    image_suivante();
    EXPECT_EQ(v->arme, 3);
    EXPECT_EQ(v->armes[3], 1);
    en_jeu(1, 89, 216);
    image_suivante();
    EXPECT_EQ(v->vie, 4);
    EXPECT_EQ(v->armes[3], 0);
    EXPECT_EQ(v->arme, 0);
}

TEST_F(Mondes, NoPickUpWhileInvincible) {
    Ennemi* b = en_jeu(0, 89, 216, 1, "Ennemi_Bonus");
    fixer_type_bonus(b, 0);
    liberer_bonus(b, 1);
    b->corps->vie = 0;
    b->corps->etape_explosion = 6;
    v->invincibilite = 50;
    image_suivante();
    EXPECT_EQ(v->modules, 0);
    EXPECT_EQ(b->type_bonus, 0);
}

TEST_F(Mondes, ReleasedBonusLeavesPlayOffTheLeftEdge) {
    Ennemi* b = en_jeu(0, -30, 100, 1, "Ennemi_Bonus");
    liberer_bonus(b, 1);
    b->corps->vie = 0;
    b->corps->etape_explosion = 6;
    image_suivante();
    EXPECT_EQ(b->corps->position.x, -32);
    image_suivante();
    EXPECT_EQ(m->actifs[0], nullptr);
}

TEST_F(Mondes, HomingShotsTargetTheFirstLivingEnemy) {
    Ennemi* mort = en_jeu(0, 300, 100, 1);
    mort->corps->vie = 0;
    mort->corps->etape_explosion = 2;
    Ennemi* vivant = en_jeu(4, 500, 400);
    en_jeu(6, 200, 100);
    image_suivante();
    EXPECT_EQ(v->cible.x, 500);
    EXPECT_EQ(v->cible.y, 400);
    EXPECT_EQ(vivant->corps->vie, 3);
    // Invincible: no target at all.
    v->invincibilite = 10;
    image_suivante();
    EXPECT_EQ(v->cible.x, SANS_CIBLE);
}

TEST_F(Mondes, ShotsFlyAndAreDrawnWithNoEnemyInPlay) {
    SDL_Surface* p = image(0, 0, 255);
    Tir* modele = creer_tir(creer_rect(40, 0, 8, 8), p, TIR_GUIDE, 15, 0);
    ajouter_tir(v, modele);
    detruire_tir(modele);
    effacer();
    image_suivante();
    EXPECT_EQ(v->cible.x, SANS_CIBLE);
    EXPECT_EQ(v->tirs[0]->position.x, 155);
    EXPECT_EQ(pixel(140, 220), rgb(0, 0, 255)) << "drawn where it stood before flying";
    for (int i = 0; i < 40; ++i) image_suivante();
    EXPECT_EQ(v->nb_tirs, 0);
}

TEST_F(Mondes, ShipExplosionAdvancesWithTheClockAndThenShowsTheShip) {
    v->etape_explosion = 1;
    v->temps_etape = plateforme_ticks();
    v->invincibilite = 150;
    image_suivante();
    EXPECT_EQ(pixel(100, 220), rgb(10, 0, 0));
    for (int k = 0; k < 12; ++k) {
        plateforme_attendre(76);
        image_suivante();
    }
    EXPECT_EQ(v->etape_explosion, 13);
    image_suivante();
    EXPECT_EQ(pixel(100, 220), rgb(0, 200, 0));
}

TEST_F(Mondes, PendingAndActiveEnemiesAreFreedWithTheWorld) {
    for (int i = 0; i < 20; ++i) ajouter_ennemi(m, ennemi(1000 * (20 - i)));
    plateforme_attendre(5000);
    image_suivante();
    EXPECT_EQ(m->nb_actifs, 5);
    // detruire_monde in TearDown frees the 15 pending and the 5 in play (checked by ASan).
}

TEST_F(Mondes, TraceReportsArrivalsDestructionsHitsAndBonuses) {
    FILE* f = tmpfile();
    ASSERT_NE(f, nullptr);
    trace_ouvrir(f);
    ajouter_ennemi(m, ennemi(1500, 300, 216, 1, "Ennemi_Bonus", 25));
    plateforme_attendre(1500);
    image_suivante();
    Ennemi* e = m->actifs[0];
    ASSERT_NE(e, nullptr);
    fixer_type_bonus(e, 1);
    tir_joueur(326, 232);
    image_suivante();
    e->corps->position.x = 89;
    e->corps->etape_explosion = 6;
    image_suivante();
    en_jeu(5, 89, 216);
    image_suivante();
    trace_ouvrir(nullptr);
    rewind(f);
    std::string texte;
    char ligne[512];
    while (fgets(ligne, sizeof ligne, f)) texte += ligne;
    fclose(f);
    EXPECT_NE(texte.find("\"ev\":\"arrivee\""), std::string::npos) << texte;
    EXPECT_NE(texte.find("\"nom\":\"Ennemi_Bonus\",\"x\":300,\"y\":216,\"place\":0,\"niveau_t\":1500"), std::string::npos)
        << texte;
    EXPECT_NE(texte.find("\"ev\":\"destruction\""), std::string::npos);
    EXPECT_NE(texte.find("\"points\":25,\"score\":25"), std::string::npos) << texte;
    EXPECT_NE(texte.find("\"ev\":\"bonus\""), std::string::npos);
    EXPECT_NE(texte.find("\"type\":1"), std::string::npos) << texte;
    EXPECT_NE(texte.find("\"ev\":\"touche\""), std::string::npos);
    EXPECT_NE(texte.find("\"vie\":4"), std::string::npos) << texte;
}

}  // namespace
