// Enemies: the record and its setters, steps and programs, the interpreter (firing on the first
// frame, program ends, the boss rule), the off-screen rule and the picture rule.
#include <gtest/gtest.h>

#include "aide_combat.h"
#include "core/calculs.h"
#include "enemies/ennemi.h"

namespace {

class Ennemis : public TestCombat {
protected:
    SDL_Surface* img = nullptr;
    SDL_Surface* explosion = nullptr;
    std::vector<Ennemi*> ennemis;

    void SetUp() override {
        TestCombat::SetUp();
        img = image(255, 255, 255, 60, 40);
        explosion = bande(5, 20, 10);
    }
    void TearDown() override {
        for (Ennemi* e : ennemis) detruire_ennemi(e);
        TestCombat::TearDown();
    }
    Ennemi* ennemi(int x = 300, int y = 200, int vie = 3, const char* nom = "OCTOPUS", int avec_entree = 0,
                   int boucle = 1, int fin_sortie = 0, int nb_tirs = 10) {
        Ennemi* e = creer_ennemi(creer_rect(x, y, 60, 40), vie, nb_tirs, img, 0, explosion, 5, 75, 1000, nom, 20, 10,
                                 25, 15, avec_entree, boucle, fin_sortie, 40);
        ennemis.push_back(e);
        return e;
    }
    // Frames until the enemy switches to its exit program (or `limite`).
    static int images_avant_sortie(Ennemi* e, int limite) {
        for (int i = 0; i < limite; ++i) {
            if (e->en_sortie) return i;
            executer_programme(e);
        }
        return -1;
    }
};

TEST_F(Ennemis, ConstructorSpreadsItsEighteenArguments) {
    Ennemi* e = creer_ennemi(creer_rect(640, 120, 60, 40), 7, 4, img, 0, explosion, 5, 80, 12345, "Muloi", 20, 10,
                             25, 15, 1, 1, 1, 150);
    ennemis.push_back(e);
    EXPECT_EQ(e->corps->position.x, 640);
    EXPECT_EQ(e->corps->vie, 7);
    EXPECT_EQ(e->seuil_boss, 3);
    EXPECT_EQ(e->corps->nb_tirs_max, 4);
    EXPECT_EQ(e->corps->image, img);
    EXPECT_EQ(e->corps->image_explosion, explosion);
    EXPECT_EQ(e->corps->nb_etapes_explosion, 5);
    EXPECT_EQ(e->corps->duree_etape, 80);
    EXPECT_EQ(e->temps_apparition, 12345);
    EXPECT_STREQ(e->nom, "Muloi");
    EXPECT_EQ(e->largeur_explosion, 20);
    EXPECT_EQ(e->hauteur_explosion, 10);
    EXPECT_EQ(e->corps->demi_largeur, 25);
    EXPECT_EQ(e->corps->demi_hauteur, 15);
    EXPECT_EQ(e->avec_entree, 1);
    EXPECT_EQ(e->en_principal, 0);
    EXPECT_EQ(e->boucle_principal, 1);
    EXPECT_EQ(e->fin_sortie, 1);
    EXPECT_EQ(e->points, 150);
    EXPECT_EQ(e->nb_etapes_max, 1000);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(e->images[i], img);
        EXPECT_EQ(e->images_flash[i], img);
        EXPECT_EQ(e->images_bonus[i], img);
        EXPECT_EQ(e->seuils_anim[i], 5 * (i + 1));
    }
    EXPECT_EQ(e->programme_entree[0], nullptr);
    EXPECT_EQ(e->type_bonus, 0);
    EXPECT_EQ(e->son_bonus, nullptr);
    EXPECT_EQ(ennemi()->en_principal, 1) << "without an entry program the main program runs at once";
}

TEST_F(Ennemis, SettersStoreWhatTheySay) {
    Ennemi* e = ennemi();
    SDL_Surface* a = image(1, 0, 0);
    SDL_Surface* b = image(2, 0, 0);
    SDL_Surface* c = image(3, 0, 0);
    fixer_images_ennemi(e, a, b, c);
    EXPECT_EQ(e->images[0], img);
    EXPECT_EQ(e->images[3], c);
    fixer_images_flash(e, c, b, a, c);
    EXPECT_EQ(e->images_flash[2], a);
    fixer_images_bonus(e, a, b, c, a);
    EXPECT_EQ(e->images_bonus[1], b);
    fixer_vitesse_anim(e, 2);
    EXPECT_EQ(e->seuils_anim[3], 8);
    fixer_type_bonus(e, 2);
    liberer_bonus(e, 1);
    EXPECT_EQ(e->type_bonus, 2);
    EXPECT_EQ(e->bonus_libere, 1);
}

TEST_F(Ennemis, StepTemplatesAreOwnCopiesAndAreCappedAtTen) {
    SDL_Surface* a = image(1, 0, 0);
    SDL_Surface* b = image(2, 0, 0);
    Tir* modele = creer_tir_accelere(creer_rect(5, 6, 7, 8), a, b, TIR_ENNEMI, -2, 1, 1.02, 1.0025);
    fixer_images_impact(modele, b, b, b, b);
    Tir* liste[12];
    for (int i = 0; i < 11; ++i) liste[i] = modele;
    liste[11] = nullptr;
    Etape* e = creer_etape_tir(1, 2, 3, liste, nullptr);
    for (int i = 0; i < NB_MODELES_TIR; ++i) {
        ASSERT_NE(e->modeles_tir[i], nullptr);
        EXPECT_NE(e->modeles_tir[i], modele);
    }
    const Tir* c = e->modeles_tir[0];
    EXPECT_EQ(c->position.x, 5);
    EXPECT_EQ(c->image_b, b);
    EXPECT_EQ(c->vx0, -2);
    EXPECT_DOUBLE_EQ(c->ax, 1.02);
    EXPECT_DOUBLE_EQ(c->ay, 1.0025);
    EXPECT_EQ(c->images_impact[0], a) << "a step's copy shows its own picture on impact";
    EXPECT_EQ(c->image_sol, a);
    EXPECT_EQ(e->dx, 1);
    EXPECT_EQ(e->nb_images, 3);
    detruire_etape(e);
    detruire_tir(modele);
}

TEST_F(Ennemis, FiringStepFiresOnceOnItsFirstFrame) {
    Ennemi* e = ennemi();
    Tir* modele = creer_tir(creer_rect(-10, 20, 8, 8), nullptr, TIR_ENNEMI, -5, 0);
    Tir* liste[2] = {modele, nullptr};
    ajouter_etape(e, creer_etape_tir(0, 0, 2, liste, nullptr), PROGRAMME_PRINCIPAL);
    ajouter_etape(e, creer_etape(-1, 0, 5), PROGRAMME_PRINCIPAL);
    executer_programme(e);
    ASSERT_EQ(e->corps->nb_tirs, 1);
    EXPECT_EQ(e->corps->tirs[0]->position.x, 290);
    EXPECT_EQ(e->corps->tirs[0]->position.y, 220);
    executer_programme(e);
    EXPECT_EQ(e->corps->nb_tirs, 1);
    EXPECT_EQ(e->etape_courante, 1);
    EXPECT_EQ(e->corps->position.x, 300) << "a (0, 0) step holds the enemy still while it fires";
    detruire_tir(modele);
}

TEST_F(Ennemis, OneFrameStepMovesButNeverFires) {
    Ennemi* e = ennemi();
    Tir* modele = creer_tir(creer_rect(0, 0, 8, 8), nullptr, TIR_ENNEMI, -5, 0);
    Tir* liste[2] = {modele, nullptr};
    ajouter_etape(e, creer_etape_tir(-3, 2, 1, liste, nullptr), PROGRAMME_PRINCIPAL);
    executer_programme(e);
    EXPECT_EQ(e->corps->position.x, 297);
    EXPECT_EQ(e->corps->position.y, 202);
    EXPECT_EQ(e->corps->nb_tirs, 0);
    executer_programme(e);  // the main program loops: still no shot
    EXPECT_EQ(e->corps->nb_tirs, 0);
    EXPECT_EQ(e->corps->position.x, 294);
    detruire_tir(modele);
}

TEST_F(Ennemis, AStepMovesExactlyItsFrameCount) {
    Ennemi* e = ennemi(300, 200, 3, "OCTOPUS", 0, 0, 0);
    ajouter_etape(e, creer_etape(-2, 1, 7), PROGRAMME_PRINCIPAL);
    ajouter_etape(e, creer_etape(0, 0, 1), PROGRAMME_SORTIE);
    for (int i = 0; i < 7; ++i) executer_programme(e);
    EXPECT_EQ(e->corps->position.x, 286);
    EXPECT_EQ(e->corps->position.y, 207);
    EXPECT_EQ(e->en_sortie, 1);
    executer_programme(e);
    EXPECT_EQ(e->fin_sortie, 2);
}

TEST_F(Ennemis, LastProgramSlotEndsTheProgramLikeANullSlot) {
    Ennemi* e = ennemi(300, 200, 3, "OCTOPUS", 1);
    for (int i = 0; i < NB_ETAPES_MAX; ++i) ajouter_etape(e, creer_etape(0, 0, 1), PROGRAMME_ENTREE);
    ajouter_etape(e, creer_etape(0, 0, 1), PROGRAMME_ENTREE);  // full: dropped (and freed)
    EXPECT_NE(e->programme_entree[999], nullptr);
    ajouter_etape(e, creer_etape(1, 0, 1), PROGRAMME_PRINCIPAL);
    for (int i = 0; i < 999; ++i) executer_programme(e);
    EXPECT_EQ(e->en_principal, 0);
    executer_programme(e);
    EXPECT_EQ(e->en_principal, 1);
    EXPECT_EQ(e->avec_entree, 0);
    EXPECT_EQ(e->etape_courante, 0);
    executer_programme(e);
    EXPECT_EQ(e->corps->position.x, 301);
}

TEST_F(Ennemis, EmptyEntryProgramLeavesTheEnemyStandingButAlive) {
    Ennemi* e = ennemi(300, 200, 3, "OCTOPUS", 1);
    ajouter_etape(e, creer_etape(-5, 0, 3), PROGRAMME_PRINCIPAL);
    for (int i = 0; i < 50; ++i) executer_programme(e);
    EXPECT_EQ(e->corps->position.x, 300);
    EXPECT_EQ(e->en_principal, 0);
    afficher_ennemi(e, ecran);
    EXPECT_EQ(pixel(300, 200), rgb(255, 255, 255));
    EXPECT_EQ(e->compteur_anim, 1) << "still animated";
}

TEST_F(Ennemis, BossSwitchesToItsExitAtTheEndOfAPassBelowHalfItsHitPoints) {
    struct Cas {
        int vie, seuil;
    };
    for (Cas c : {Cas{4000, 2000}, Cas{1500, 750}, Cas{1501, 750}}) {
        Ennemi* e = ennemi(300, 200, c.vie, "BOSS");
        EXPECT_EQ(e->seuil_boss, c.seuil);
        ajouter_etape(e, creer_etape(0, 0, 4), PROGRAMME_PRINCIPAL);
        ajouter_etape(e, creer_etape(0, 0, 4), PROGRAMME_PRINCIPAL);
        ajouter_etape(e, creer_etape(0, 0, 10), PROGRAMME_SORTIE);
        e->corps->vie = c.seuil + 1;
        EXPECT_EQ(images_avant_sortie(e, 40), -1) << c.vie;
        // Wounded in the middle of a pass: the pass is finished first.
        for (int i = 0; i < 3; ++i) executer_programme(e);
        e->corps->vie = c.seuil;
        EXPECT_EQ(images_avant_sortie(e, 40), 5) << c.vie;
    }
    // A looping enemy with another name keeps looping; a boss that does not loop leaves after one pass.
    Ennemi* autre = ennemi(300, 200, 10, "Grisor");
    ajouter_etape(autre, creer_etape(0, 0, 2), PROGRAMME_PRINCIPAL);
    autre->corps->vie = 1;
    EXPECT_EQ(images_avant_sortie(autre, 50), -1);
    Ennemi* simple = ennemi(300, 200, 4000, "BOSS", 0, 0);
    ajouter_etape(simple, creer_etape(0, 0, 2), PROGRAMME_PRINCIPAL);
    EXPECT_EQ(images_avant_sortie(simple, 50), 2);
}

TEST_F(Ennemis, ExitProgramRepeatsOrFinishes) {
    Ennemi* boucle = ennemi(300, 200, 3, "OCTOPUS", 0, 0, 1);
    ajouter_etape(boucle, creer_etape(0, 0, 1), PROGRAMME_PRINCIPAL);
    ajouter_etape(boucle, creer_etape(1, 0, 2), PROGRAMME_SORTIE);
    for (int i = 0; i < 101; ++i) executer_programme(boucle);
    EXPECT_EQ(boucle->fin_sortie, 1);
    EXPECT_EQ(boucle->corps->position.x, 400);
    Ennemi* fini = ennemi(300, 200, 3, "OCTOPUS", 0, 0, 0);
    ajouter_etape(fini, creer_etape(0, 0, 1), PROGRAMME_PRINCIPAL);
    ajouter_etape(fini, creer_etape(1, 0, 2), PROGRAMME_SORTIE);
    for (int i = 0; i < 3; ++i) executer_programme(fini);
    EXPECT_EQ(fini->fin_sortie, 2) << "finished although still on screen";
    effacer();
    afficher_ennemi(fini, ecran);
    EXPECT_EQ(pixel(302, 200), 0u) << "a finished enemy is not drawn";
}

TEST_F(Ennemis, EnemyWhollyOffScreenIsGone) {
    Ennemi* a = ennemi(639, 200);
    deplacer_ennemi(a, 4, 0);
    EXPECT_EQ(a->corps->etape_explosion, 6);
    Ennemi* b = ennemi(-59, 200);
    deplacer_ennemi(b, 1, 0);
    EXPECT_EQ(b->corps->etape_explosion, 0);
    Ennemi* c = ennemi(640, 200);
    deplacer_ennemi(c, -1, 0);
    EXPECT_EQ(c->corps->etape_explosion, 0) << "created at 640, saved by its first move left";
    struct Cas {
        int x, y, dans_ecran;
    };
    for (Cas k : {Cas{-60, 100, 0}, Cas{-59, 100, 1}, Cas{100, -41, 0}, Cas{100, -40, 1}, Cas{100, 479, 1},
                  Cas{100, 480, 0}, Cas{639, 100, 1}}) {
        Ennemi* e = ennemi(k.x, k.y);
        deplacer_ennemi(e, 0, 0);
        EXPECT_EQ(e->corps->etape_explosion == 0, k.dans_ecran == 1) << k.x << "," << k.y;
    }
}

TEST_F(Ennemis, AnimationThresholdsPickThePictures) {
    Ennemi* e = ennemi(100, 100);
    SDL_Surface* p[4] = {img, image(1, 0, 0, 60, 40), image(2, 0, 0, 60, 40), image(3, 0, 0, 60, 40)};
    fixer_images_ennemi(e, p[1], p[2], p[3]);
    std::string vu;
    for (int i = 0; i < 42; ++i) {
        afficher_ennemi(e, ecran);
        Uint32 c = pixel(100, 100);
        vu += c == rgb(255, 255, 255) ? '0' : (char)('0' + (c >> 16));
    }
    EXPECT_EQ(vu, "000001111122222333333000001111122222333333");
    fixer_vitesse_anim(e, 2);
    e->compteur_anim = 0;
    vu.clear();
    for (int i = 0; i < 9; ++i) {
        afficher_ennemi(e, ecran);
        Uint32 c = pixel(100, 100);
        vu += c == rgb(255, 255, 255) ? '0' : (char)('0' + (c >> 16));
    }
    EXPECT_EQ(vu, "001122333");
}

TEST_F(Ennemis, FlashShowsOnceAndFreezesTheAnimation) {
    Ennemi* e = ennemi(100, 100);
    afficher_ennemi(e, ecran);
    EXPECT_EQ(pixel(100, 100), rgb(255, 255, 255)) << "without fixer_images_flash the flash is the normal picture";
    fixer_images_flash(e, image(9, 0, 0, 60, 40), image(8, 0, 0, 60, 40), image(7, 0, 0, 60, 40),
                       image(6, 0, 0, 60, 40));
    e->touche = 1;
    afficher_ennemi(e, ecran);
    EXPECT_EQ(pixel(100, 100), rgb(9, 0, 0));
    EXPECT_EQ(e->touche, 0);
    EXPECT_EQ(e->compteur_anim, 1);
    afficher_ennemi(e, ecran);
    EXPECT_EQ(pixel(100, 100), rgb(255, 255, 255));
}

TEST_F(Ennemis, ReleasedBonusShowsItsBonusPicture) {
    Ennemi* e = ennemi(100, 100, 1, "Ennemi_Bonus");
    fixer_images_bonus(e, image(0, 10, 0, 60, 40), image(0, 20, 0, 60, 40), image(0, 30, 0, 60, 40),
                       image(0, 40, 0, 60, 40));
    fixer_type_bonus(e, 2);
    liberer_bonus(e, 1);
    e->touche = 1;  // a flash never shows on a bonus
    e->corps->etape_explosion = 6;  // its explosion is over
    afficher_ennemi(e, ecran);
    EXPECT_EQ(pixel(100, 100), rgb(0, 30, 0));
}

TEST_F(Ennemis, ExplosionIsCentredAndAdvancesWithTheClock) {
    Ennemi* e = ennemi(100, 100);  // 60 x 40: centre (130, 120); frames 20 x 10 -> drawn at (120, 115)
    e->corps->vie = 0;
    e->corps->etape_explosion = 1;
    e->corps->temps_etape = plateforme_ticks();
    effacer();
    afficher_ennemi(e, ecran);
    EXPECT_EQ(pixel(120, 115), rgb(10, 0, 0));
    EXPECT_EQ(pixel(119, 115), 0u);
    EXPECT_EQ(pixel(139, 124), rgb(10, 0, 0));
    EXPECT_EQ(e->corps->etape_explosion, 1);
    plateforme_attendre(76);
    afficher_ennemi(e, ecran);
    EXPECT_EQ(pixel(120, 115), rgb(10, 0, 0)) << "the frame drawn is the one before the advance";
    EXPECT_EQ(e->corps->etape_explosion, 2);
    afficher_ennemi(e, ecran);
    EXPECT_EQ(pixel(120, 115), rgb(20, 0, 0));
    for (int k = 0; k < 4; ++k) {
        plateforme_attendre(76);
        afficher_ennemi(e, ecran);
    }
    EXPECT_EQ(e->corps->etape_explosion, 6);
    effacer();
    afficher_ennemi(e, ecran);
    EXPECT_EQ(pixel(130, 120), 0u) << "an exploded enemy is not drawn";
}

TEST_F(Ennemis, EnemyShotsFlyAndShowThroughTheBody) {
    Ennemi* e = ennemi(300, 200);
    Tir* modele = creer_tir(creer_rect(0, 10, 8, 8), image(0, 0, 200), TIR_ENNEMI, -4, 4);
    tirer_ennemi(e, modele);
    deplacer_tirs_ennemi(e);
    ASSERT_EQ(e->corps->nb_tirs, 1);
    EXPECT_EQ(e->corps->tirs[0]->position.x, 296);
    EXPECT_EQ(e->corps->tirs[0]->position.y, 214);
    effacer();
    afficher_tirs_ennemi(e, ecran);
    EXPECT_EQ(pixel(296, 214), rgb(0, 0, 200));
    detruire_tir(modele);
}

}  // namespace
