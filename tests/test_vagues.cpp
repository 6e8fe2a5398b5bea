// The two wave scripts as data: what is queued, in which order, with which values, and how the
// random heights are drawn.
#include <unistd.h>

#include <map>
#include <utility>

#include "core/calculs.h"
#include "vagues_outils.h"

namespace {

typedef std::vector<std::pair<std::string, int>> Sequence;

// Adds a row of n enemies due at t0 - dt × i, read from the head: i from n - 1 down to 0.
void rangee(Sequence& s, const char* nom, int n, int t0, int dt) {
    for (int i = n - 1; i >= 0; --i) s.push_back({nom, t0 - dt * i});
}

Sequence lue(const std::vector<Ennemi*>& file) {
    Sequence s;
    for (Ennemi* e : file) s.push_back({e->nom, e->temps_apparition});
    return s;
}

std::map<std::string, int> compte(const std::vector<Ennemi*>& file) {
    std::map<std::string, int> c;
    for (Ennemi* e : file) c[e->nom] += 1;
    return c;
}

}  // namespace

TEST(VaguesNiveau1, QueuesEveryEnemyOfTheTimetableInItsPendingOrder) {
    Niveau1 n(7);
    ASSERT_EQ(n.file.size(), 251u);
    std::map<std::string, int> attendu = {{"OCTOPUS", 132}, {"Ennemi_Bonus", 6}, {"TorpilleG", 57},
                                          {"Torpille", 25}, {"Ennemi_desert", 20}, {"Muloi", 10},
                                          {"BOSS", 1}};
    EXPECT_EQ(compte(n.file), attendu);

    Sequence s;
    rangee(s, "OCTOPUS", 7, 9000, 1000);
    rangee(s, "Ennemi_Bonus", 1, 12000, 0);
    rangee(s, "OCTOPUS", 50, 39000, 500);
    rangee(s, "Ennemi_Bonus", 1, 42000, 0);
    rangee(s, "TorpilleG", 2, 44000, 0);
    rangee(s, "TorpilleG", 30, 61000, 500);
    rangee(s, "Ennemi_Bonus", 1, 63000, 0);
    rangee(s, "Ennemi_desert", 20, 80000, 750);
    rangee(s, "Ennemi_Bonus", 1, 75000, 0);
    rangee(s, "Muloi", 10, 92000, 1000);
    rangee(s, "Ennemi_Bonus", 1, 90000, 0);
    for (int i = 24; i >= 0; --i) {
        s.push_back({"Torpille", 106500 - 500 * i});
        s.push_back({"TorpilleG", 106500 - 500 * i});
    }
    rangee(s, "OCTOPUS", 75, 127750, 250);
    rangee(s, "Ennemi_Bonus", 1, 129000, 0);
    rangee(s, "BOSS", 1, 138500, 0);
    EXPECT_EQ(lue(n.file), s);

    // The only two places where the list goes back in time: the carriers that stand behind
    // the enemy ahead of them, and so enter with it.
    std::vector<int> reculs;
    for (size_t k = 1; k < n.file.size(); ++k)
        if (n.file[k]->temps_apparition < n.file[k - 1]->temps_apparition) reculs.push_back((int)k);
    ASSERT_EQ(reculs.size(), 2u);
    EXPECT_STREQ(n.file[reculs[0]]->nom, "Ennemi_Bonus");
    EXPECT_STREQ(n.file[reculs[0] - 1]->nom, "Ennemi_desert");
    EXPECT_EQ(n.file[reculs[0] - 1]->temps_apparition, 80000);
    EXPECT_STREQ(n.file[reculs[1]]->nom, "Ennemi_Bonus");
    EXPECT_STREQ(n.file[reculs[1] - 1]->nom, "Muloi");
    EXPECT_EQ(n.file[reculs[1] - 1]->temps_apparition, 92000);
}

TEST(VaguesNiveau2, QueuesEveryEnemyStrictlyByArrivalTime) {
    Niveau2 n(7);
    ASSERT_EQ(n.file.size(), 368u);
    std::map<std::string, int> attendu = {
        {"Ennemi_Bonus", 5}, {"Torpille", 350}, {"Grisor", 10}, {"BOSS", 3}};
    EXPECT_EQ(compte(n.file), attendu);

    Sequence s;
    rangee(s, "Ennemi_Bonus", 1, 2000, 0);
    rangee(s, "Torpille", 50, 14000, 200);
    rangee(s, "Ennemi_Bonus", 1, 16000, 0);
    rangee(s, "Torpille", 150, 33000, 100);
    rangee(s, "BOSS", 1, 35000, 0);
    rangee(s, "Ennemi_Bonus", 1, 54000, 0);
    rangee(s, "Grisor", 10, 69000, 1200);
    rangee(s, "Ennemi_Bonus", 1, 72000, 0);
    rangee(s, "BOSS", 1, 75000, 0);
    rangee(s, "Torpille", 150, 117000, 100);
    rangee(s, "Ennemi_Bonus", 1, 119000, 0);
    rangee(s, "BOSS", 1, 122000, 0);
    EXPECT_EQ(lue(n.file), s);
    for (size_t k = 1; k < n.file.size(); ++k)
        EXPECT_GT(n.file[k]->temps_apparition, n.file[k - 1]->temps_apparition) << "at " << k;
    EXPECT_EQ(n.file.front()->type_bonus, 2);
}

// Replays the generator: the heights, sides and entry lengths must come from hasard() calls
// made row by row, enemy by enemy, in the order each row is written.
TEST(VaguesNiveau1, DrawsEveryRandomValueInRowOrder) {
    const unsigned graine = 4242;
    Niveau1 n(graine);
    Generateur gen;
    semer_generateur(&gen, graine);
    auto h = [&gen](int borne) { return tirer_generateur(&gen) % borne; };
    std::map<int, std::vector<Ennemi*>> par_temps;
    for (Ennemi* e : n.file) par_temps[e->temps_apparition].push_back(e);
    auto seul = [&](int t, const char* nom) {
        for (Ennemi* e : par_temps[t])
            if (strcmp(e->nom, nom) == 0) return e;
        ADD_FAILURE() << nom << " at " << t;
        return n.file.front();
    };
    for (int i = 0; i < 7; ++i) EXPECT_EQ(seul(9000 - 1000 * i, "OCTOPUS")->corps->position.y, 110 + h(200));
    for (int i = 0; i < 50; ++i) EXPECT_EQ(seul(39000 - 500 * i, "OCTOPUS")->corps->position.y, 110 + h(200));
    for (int i = 0; i < 30; ++i) EXPECT_EQ(seul(61000 - 500 * i, "TorpilleG")->corps->position.y, 110 + h(250));
    for (int i = 0; i < 20; ++i) {
        Ennemi* e = seul(80000 - 750 * i, "Ennemi_desert");
        int r = h(2);
        EXPECT_EQ(e->corps->position.y, r == 1 ? 110 + h(150) : 370 - h(150)) << "desert " << i;
        EXPECT_EQ(e->programme_principal[1]->dy, r == 1 ? 6 : -6);
        EXPECT_EQ(e->programme_principal[3]->dy, r == 1 ? 6 : -6);
    }
    for (int i = 0; i < 10; ++i) EXPECT_EQ(seul(92000 - 1000 * i, "Muloi")->programme_entree[0]->nb_images, 40 + h(50));
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(seul(106500 - 500 * i, "TorpilleG")->corps->position.y, 110 + h(250));
        EXPECT_EQ(seul(106500 - 500 * i, "Torpille")->corps->position.y, 110 + h(250));
    }
    for (int i = 0; i < 75; ++i) EXPECT_EQ(seul(127750 - 250 * i, "OCTOPUS")->corps->position.y, 110 + h(200));
}

TEST(VaguesNiveau2, DrawsHeightsThenGunshipEntryLengthsInRowOrder) {
    const unsigned graine = 99;
    Niveau2 n(graine);
    Generateur gen;
    semer_generateur(&gen, graine);
    auto h = [&gen](int borne) { return tirer_generateur(&gen) % borne; };
    std::map<int, Ennemi*> par_temps;
    for (Ennemi* e : n.file) par_temps[e->temps_apparition] = e;
    for (int i = 0; i < 50; ++i) EXPECT_EQ(par_temps[14000 - 200 * i]->corps->position.y, 110 + h(300));
    for (int i = 0; i < 150; ++i) EXPECT_EQ(par_temps[33000 - 100 * i]->corps->position.y, 110 + h(300));
    for (int i = 0; i < 10; ++i) {
        Ennemi* g = par_temps[69000 - 1200 * i];
        ASSERT_STREQ(g->nom, "Grisor");
        // The side comes from the parity of i, never from the generator.
        EXPECT_EQ(g->corps->position.x, i % 2 ? -127 : 639);
        EXPECT_EQ(g->programme_entree[0]->dx, i % 2 ? 6 : -6);
        EXPECT_EQ(g->programme_principal[0]->dx, i % 2 ? 3 : -3);
        EXPECT_EQ(g->programme_entree[0]->nb_images, 40 + h(20));
    }
    for (int i = 0; i < 150; ++i) EXPECT_EQ(par_temps[117000 - 100 * i]->corps->position.y, 110 + h(300));
}

TEST(Vagues, OneSeedGivesOneLayoutAndAnotherSeedAnother) {
    auto disposition = [](unsigned graine, int niveau) {
        std::vector<int> v;
        auto lire = [&](const std::vector<Ennemi*>& file) {
            for (Ennemi* e : file) {
                v.push_back(e->corps->position.x);
                v.push_back(e->corps->position.y);
                v.push_back(e->programme_entree[0] ? e->programme_entree[0]->nb_images : -1);
            }
        };
        if (niveau == 1) {
            Niveau1 n(graine);
            lire(n.file);
        } else {
            Niveau2 n(graine);
            lire(n.file);
        }
        return v;
    };
    EXPECT_EQ(disposition(31, 1), disposition(31, 1));
    EXPECT_NE(disposition(31, 1), disposition(32, 1));
    EXPECT_EQ(disposition(5, 2), disposition(5, 2));
    EXPECT_NE(disposition(5, 2), disposition(6, 2));
}

TEST(VaguesNiveau1, GivesEachTypeItsBodyPicturesExplosionAndScore) {
    Niveau1 n(3);
    const RessourcesEnnemis1* r = n.res;
    struct Attendu {
        const char* nom;
        int w, h, tirs, dl, points, seuil1;
        SDL_Surface* images[4];
        SDL_Surface* flash[4];
    } types[] = {
        {"OCTOPUS", 48, 48, 0, 20, 15, 2, {r->octopus, r->octopus, r->octopus1, r->octopus1},
         {r->octopus_flash, r->octopus_flash, r->octopus1_flash, r->octopus1_flash}},
        {"Ennemi_Bonus", 48, 24, 0, 26, 5, 2,
         {r->mechant_bonus, r->mechant_bonus, r->mechant_bonus1, r->mechant_bonus1},
         {r->mechant_bonus, r->mechant_bonus, r->mechant_bonus, r->mechant_bonus}},
        {"TorpilleG", 60, 30, 0, 20, 10, 5, {r->torpilleg, r->torpilleg, r->torpilleg, r->torpilleg},
         {r->torpilleg_flash, r->torpilleg_flash, r->torpilleg_flash, r->torpilleg_flash}},
        {"Torpille", 60, 30, 0, 20, 10, 5, {r->torpille, r->torpille, r->torpille, r->torpille},
         {r->torpille_flash, r->torpille_flash, r->torpille_flash, r->torpilleg_flash}},
        {"Ennemi_desert", 64, 32, 2, 30, 10, 5,
         {r->ennemi_desert, r->ennemi_desert, r->ennemi_desert, r->ennemi_desert},
         {r->ennemi_desert_flash, r->ennemi_desert_flash, r->ennemi_desert_flash, r->ennemi_desert_flash}},
        {"Muloi", 80, 48, 1, 38, 36, 1, {r->muloi, r->muloi, r->muloi1, r->muloi1},
         {r->muloi_flash, r->muloi_flash, r->muloi1_flash, r->muloi1_flash}},
        {"BOSS", 300, 332, 150, 120, 5000, 2, {r->boss1, r->boss1, r->boss1a, r->boss1a},
         {r->boss1_flash, r->boss1_flash, r->boss1a_flash, r->boss1a_flash}},
    };
    for (const Attendu& a : types) {
        std::vector<Ennemi*> v = du_type(n.file, a.nom);
        ASSERT_FALSE(v.empty()) << a.nom;
        for (Ennemi* e : v) {
            SCOPED_TRACE(std::string(a.nom) + " at " + std::to_string(e->temps_apparition));
            Vaisseau* c = e->corps;
            EXPECT_EQ(c->position.w, a.w);
            EXPECT_EQ(c->position.h, a.h);
            EXPECT_EQ(c->nb_tirs_max, a.tirs);
            EXPECT_EQ(c->demi_largeur, a.dl);
            EXPECT_EQ(e->points, a.points);
            EXPECT_EQ(e->seuils_anim[0], a.seuil1);
            EXPECT_EQ(e->seuils_anim[3], 4 * a.seuil1);
            EXPECT_EQ(c->image, a.images[0]);
            for (int k = 0; k < 4; ++k) EXPECT_EQ(e->images[k], a.images[k]) << k;
            for (int k = 0; k < 4; ++k) EXPECT_EQ(e->images_flash[k], a.flash[k]) << k;
            EXPECT_EQ(c->son_explosion, r->son_explosion2);
            EXPECT_EQ(c->drapeau, 0);
            bool boss = strcmp(a.nom, "BOSS") == 0;
            EXPECT_EQ(c->image_explosion, boss ? r->explosion_boss : r->explosion1a);
            EXPECT_EQ(c->nb_etapes_explosion, 16);
            EXPECT_EQ(c->duree_etape, boss ? 100 : 25);
            EXPECT_EQ(e->largeur_explosion, boss ? 300 : 64);
            EXPECT_EQ(e->hauteur_explosion, boss ? 332 : 64);
            EXPECT_EQ(e->avec_entree, 1);
            EXPECT_EQ(e->boucle_principal, boss ? 1 : 0);
            EXPECT_EQ(e->fin_sortie, boss ? 1 : 0);
            EXPECT_EQ(e->nb_etapes_max, NB_ETAPES_MAX);
        }
    }
}

TEST(VaguesNiveau1, RowsSetHitPointsHalfHeightsAndStartingPlaces) {
    Niveau1 n(3);
    for (Ennemi* e : du_type(n.file, "OCTOPUS")) {
        EXPECT_EQ(e->corps->vie, e->temps_apparition >= 109250 ? 3 : 5) << e->temps_apparition;
        EXPECT_EQ(e->corps->demi_hauteur, 20);
        EXPECT_EQ(e->corps->position.x, 640);
        EXPECT_GE(e->corps->position.y, 110);
        EXPECT_LT(e->corps->position.y, 310);
    }
    for (Ennemi* e : du_type(n.file, "TorpilleG")) {
        bool paire = e->temps_apparition == 44000, rapide = e->temps_apparition >= 94500;
        EXPECT_EQ(e->corps->vie, rapide ? 5 : 3);
        EXPECT_EQ(e->corps->demi_hauteur, paire ? 10 : 20);
        EXPECT_EQ(e->corps->position.x, -59);
        if (!paire) {
            EXPECT_GE(e->corps->position.y, 110);
            EXPECT_LT(e->corps->position.y, 360);
        }
        EXPECT_EQ(e->programme_entree[0]->dx, rapide ? 8 : 6);
    }
    std::vector<Ennemi*> paire;
    for (Ennemi* e : n.file)
        if (e->temps_apparition == 44000) paire.push_back(e);
    ASSERT_EQ(paire.size(), 2u);
    // Row 5 is created before row 6, so row 5 (y 90) is ahead of row 6 (y 360).
    EXPECT_EQ(paire[0]->corps->position.y, 90);
    EXPECT_EQ(paire[1]->corps->position.y, 360);
    for (Ennemi* e : du_type(n.file, "Torpille")) {
        EXPECT_EQ(e->corps->vie, 5);
        EXPECT_EQ(e->corps->position.x, 639);
    }
    for (Ennemi* e : du_type(n.file, "Ennemi_desert")) {
        EXPECT_EQ(e->corps->vie, 20);
        EXPECT_EQ(e->corps->position.x, 639);
        int y = e->corps->position.y, s = e->programme_principal[1]->dy;
        if (s == 6) {
            EXPECT_TRUE(y >= 110 && y < 260) << y;
        } else {
            EXPECT_EQ(s, -6);
            EXPECT_TRUE(y > 220 && y <= 370) << y;
        }
    }
    for (Ennemi* e : du_type(n.file, "Muloi")) {
        EXPECT_EQ(e->corps->vie, 50);
        EXPECT_EQ(e->corps->position.x, 639);
        EXPECT_EQ(e->corps->position.y, 400);
        EXPECT_GE(e->programme_entree[0]->nb_images, 40);
        EXPECT_LT(e->programme_entree[0]->nb_images, 90);
    }
    Ennemi* boss = n.file.back();
    EXPECT_EQ(boss->corps->vie, 4000);
    EXPECT_EQ(boss->seuil_boss, 2000);
    EXPECT_EQ(boss->corps->demi_hauteur, 140);
    EXPECT_EQ(boss->corps->position.x, 639);
    EXPECT_EQ(boss->corps->position.y, 92);
}

TEST(VaguesNiveau1, BonusCarriersCarryTheirKindSoundPicturesAndPrograms) {
    Niveau1 n(3);
    const RessourcesEnnemis1* r = n.res;
    struct {
        int temps, y, genre;
        Mix_Chunk* son;
    } attendus[] = {{12000, 240, 0, r->son_voice1}, {42000, 140, 1, r->son_voice2},
                    {63000, 340, 3, r->son_voice4}, {75000, 240, 0, r->son_voice1},
                    {90000, 140, 2, r->son_voice3}, {129000, 200, 0, r->son_voice1}};
    std::vector<Ennemi*> porteurs = du_type(n.file, "Ennemi_Bonus");
    ASSERT_EQ(porteurs.size(), 6u);
    for (int k = 0; k < 6; ++k) {
        Ennemi* e = porteurs[k];
        SCOPED_TRACE(e->temps_apparition);
        EXPECT_EQ(e->temps_apparition, attendus[k].temps);
        EXPECT_EQ(e->corps->position.x, 639);
        EXPECT_EQ(e->corps->position.y, attendus[k].y);
        EXPECT_EQ(e->type_bonus, attendus[k].genre);
        EXPECT_EQ(e->son_bonus, attendus[k].son);
        EXPECT_EQ(e->corps->vie, 1);
        EXPECT_EQ(e->corps->demi_hauteur, 18);
        EXPECT_EQ(e->images_bonus[0], r->module1);
        EXPECT_EQ(e->images_bonus[1], r->bonus_1);
        EXPECT_EQ(e->images_bonus[2], r->bonus_2);
        EXPECT_EQ(e->images_bonus[3], r->bonus_3);
        ASSERT_EQ(longueur(e->programme_entree), 1);
        ASSERT_EQ(longueur(e->programme_principal), 1);
        ASSERT_EQ(longueur(e->programme_sortie), 1);
        EXPECT_EQ(e->programme_entree[0]->dx, -4);
        EXPECT_EQ(e->programme_entree[0]->nb_images, 40);
        EXPECT_EQ(e->programme_principal[0]->nb_images, 40);
        EXPECT_EQ(e->programme_sortie[0]->nb_images, 200);
    }
    // Ordinary enemies carry nothing: their bonus pictures stay the constructor's picture.
    Ennemi* o = n.file.front();
    EXPECT_EQ(o->images_bonus[2], r->octopus);
    EXPECT_EQ(o->son_bonus, nullptr);
}

TEST(VaguesNiveau1, BossProgramsHaveTheirStepCountsPathAndVolleys) {
    Niveau1 n(3);
    Ennemi* b = n.file.back();
    const RessourcesEnnemis1* r = n.res;
    EXPECT_EQ(longueur(b->programme_entree), 111);
    EXPECT_EQ(longueur(b->programme_principal), 192);
    EXPECT_EQ(longueur(b->programme_sortie), 192);
    int dx, dy, images;
    deplacement(b->programme_entree, &dx, &dy, &images);
    EXPECT_EQ(639 + dx, 419);
    EXPECT_EQ(dy, 0);
    deplacement(b->programme_principal, &dx, &dy, &images);
    EXPECT_EQ(dx, 0);
    EXPECT_EQ(dy, 0);
    // Exit program: a step-for-step copy of the main one, with its own steps.
    for (int k = 0; k < 192; ++k) {
        Etape *p = b->programme_principal[k], *s = b->programme_sortie[k];
        ASSERT_NE(p, s);
        EXPECT_EQ(p->dx, s->dx);
        EXPECT_EQ(p->dy, s->dy);
        EXPECT_EQ(p->nb_images, s->nb_images);
        EXPECT_EQ(nb_modeles(p), nb_modeles(s));
        EXPECT_EQ(p->son, s->son);
    }
    // Entry: the first fan at step 3, the slow spray at step 58.
    Etape* eventail = b->programme_entree[3];
    ASSERT_EQ(nb_modeles(eventail), 7);
    EXPECT_EQ(eventail->son, r->son_shot3);
    const int v[7][2] = {{-3, 0}, {0, 3}, {-3, 3}, {-3, 1}, {-1, 3}, {-3, 2}, {-2, 3}};
    for (int k = 0; k < 7; ++k) {
        Tir* t = eventail->modeles_tir[k];
        EXPECT_EQ(t->position.x, 40);
        EXPECT_EQ(t->position.y, 45);
        EXPECT_EQ(t->position.w, 16);
        EXPECT_EQ(t->vx0, v[k][0]);
        EXPECT_EQ(t->vy0, v[k][1]);
        EXPECT_EQ(t->ax, 1.0);
        EXPECT_EQ(t->image_a, r->ennemi_tir1);
        EXPECT_EQ(t->image_b, r->ennemi_tir1a);
        EXPECT_EQ(t->genre, 0);
    }
    Etape* lente = b->programme_entree[58];
    ASSERT_EQ(nb_modeles(lente), 9);
    EXPECT_EQ(lente->son, r->son_shot2);
    const int vl[9] = {0, -1, 1, -2, 2, -3, 3, -4, 4};
    for (int k = 0; k < 9; ++k) {
        Tir* t = lente->modeles_tir[k];
        EXPECT_EQ(t->position.x, 75);
        EXPECT_EQ(t->position.y, 134);
        EXPECT_EQ(t->vx0, -1);
        EXPECT_EQ(t->vy0, vl[k]);
        EXPECT_DOUBLE_EQ(t->ax, 1.01);
        EXPECT_DOUBLE_EQ(t->ay, 1.005);
    }
    // Main pass, part 1: the fast spray after 15 slow ones and 15 fans, with Shot1.wav.
    Etape* rapide = b->programme_principal[32];
    ASSERT_EQ(nb_modeles(rapide), 9);
    EXPECT_EQ(rapide->son, r->son_shot1);
    const int vr[9] = {0, 1, 2, 3, 4, -1, -2, -3, -4};
    for (int k = 0; k < 9; ++k) {
        Tir* t = rapide->modeles_tir[k];
        EXPECT_EQ(t->position.x, 154);
        EXPECT_EQ(t->position.y, 64);
        EXPECT_EQ(t->vx0, -1);
        EXPECT_EQ(t->vy0, vr[k]);
        EXPECT_DOUBLE_EQ(t->ax, 1.02);
        EXPECT_DOUBLE_EQ(t->ay, 1.005);
    }
    // Part 1 ends with 10 × [L2 with Shot1, L3 with Shot1] hops of 3 pixels.
    for (int k = 50; k < 70; ++k) {
        Etape* e = b->programme_principal[k];
        EXPECT_EQ(e->dx, 3);
        EXPECT_EQ(e->nb_images, 4);
        EXPECT_EQ(e->son, r->son_shot1);
        EXPECT_EQ(e->modeles_tir[1]->vy0, k % 2 == 0 ? -1 : 1) << k;
    }
    // Part 2 sways: 3 up, 3 down, twice, for each of the three lists.
    for (int k = 72; k < 108; ++k) {
        Etape* e = b->programme_principal[k];
        EXPECT_EQ(e->dy, ((k - 72) % 6) < 3 ? -1 : 1) << k;
        EXPECT_EQ(e->nb_images, 10);
    }
    // Every step with templates has a sound, and no step fires more than one list.
    int tirs = 0;
    for (int k = 0; k < 192; ++k)
        if (nb_modeles(b->programme_principal[k])) {
            ++tirs;
            EXPECT_NE(b->programme_principal[k]->son, nullptr) << k;
        }
    EXPECT_EQ(tirs, 45 + 20 + 36 + 20 + 36 + 20);
}

TEST(VaguesNiveau1, OrdinaryProgramsAndVolleysAreAsWritten) {
    Niveau1 n(3);
    const RessourcesEnnemis1* r = n.res;
    Ennemi* o = n.file.front();
    ASSERT_EQ(longueur(o->programme_principal), 8);
    const int p[8][3] = {{4, -4, 8}, {4, 0, 8}, {4, 4, 8}, {0, 4, 8}, {-4, 4, 8}, {-4, 0, 8}, {-4, -2, 8}, {-8, -2, 50}};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(o->programme_principal[k]->dx, p[k][0]);
        EXPECT_EQ(o->programme_principal[k]->dy, p[k][1]);
        EXPECT_EQ(o->programme_principal[k]->nb_images, p[k][2]);
    }
    EXPECT_EQ(o->programme_sortie[0]->nb_images, 5000);
    Ennemi* tardif = du_type(n.file, "OCTOPUS").back();
    EXPECT_EQ(tardif->programme_entree[0]->dx, -8);
    EXPECT_EQ(tardif->programme_entree[0]->nb_images, 20);

    Ennemi* d = du_type(n.file, "Ennemi_desert").front();
    ASSERT_EQ(longueur(d->programme_principal), 4);
    for (int k : {0, 2}) {
        Etape* e = d->programme_principal[k];
        EXPECT_EQ(e->nb_images, 2);
        EXPECT_EQ(e->son, r->son_shot3);
        ASSERT_EQ(nb_modeles(e), 1);
        Tir* t = e->modeles_tir[0];
        EXPECT_EQ(t->position.x, -40);
        EXPECT_EQ(t->position.y, 25);
        EXPECT_EQ(t->position.w, 64);
        EXPECT_EQ(t->position.h, 14);
        EXPECT_EQ(t->vx0, -5);
        EXPECT_EQ(t->vy0, 0);
        EXPECT_EQ(t->image_a, r->ennemi_tir2a);
        EXPECT_EQ(t->image_b, r->ennemi_tir2a);
    }
    EXPECT_EQ(d->programme_sortie[0]->dx, 8);

    Ennemi* m = du_type(n.file, "Muloi").front();
    ASSERT_EQ(longueur(m->programme_principal), 3);
    Tir* t = m->programme_principal[0]->modeles_tir[0];
    EXPECT_EQ(nb_modeles(m->programme_principal[0]), 1);
    EXPECT_EQ(t->position.x, 5);
    EXPECT_EQ(t->position.y, -10);
    EXPECT_EQ(t->vx0, -4);
    EXPECT_EQ(t->vy0, -4);
    EXPECT_EQ(t->image_a, r->ennemi_tir1a);
    EXPECT_EQ(m->programme_sortie[0]->dy, -3);
}

TEST(VaguesNiveau2, GivesEachTypeItsValuesAndTheBossesTheirPrograms) {
    Niveau2 n(3);
    const RessourcesEnnemis2* r = n.res;
    for (Ennemi* g : du_type(n.file, "Grisor")) {
        EXPECT_EQ(g->corps->position.w, 128);
        EXPECT_EQ(g->corps->position.h, 74);
        EXPECT_EQ(g->corps->position.y, 80);
        EXPECT_EQ(g->corps->vie, 50);
        EXPECT_EQ(g->corps->nb_tirs_max, 6);
        EXPECT_EQ(g->corps->demi_largeur, 60);
        EXPECT_EQ(g->corps->demi_hauteur, 30);
        EXPECT_EQ(g->points, 10);
        EXPECT_EQ(g->seuils_anim[0], 1);
        EXPECT_EQ(g->images[3], r->demo_grisor1b);
        EXPECT_EQ(g->images_flash[0], r->demo_grisor1b_flash);
        EXPECT_EQ(g->corps->image_explosion, r->explosion1a);
        ASSERT_EQ(longueur(g->programme_entree), 4);
        for (int k = 1; k < 4; ++k) {
            Etape* e = g->programme_entree[k];
            EXPECT_EQ(e->nb_images, 10);
            EXPECT_EQ(e->son, r->son_shot3);
            ASSERT_EQ(nb_modeles(e), 2);
            EXPECT_EQ(e->modeles_tir[0]->position.x, -6);
            EXPECT_EQ(e->modeles_tir[0]->vx0, -4);
            EXPECT_EQ(e->modeles_tir[1]->position.x, 118);
            EXPECT_EQ(e->modeles_tir[1]->vx0, 4);
            EXPECT_EQ(e->modeles_tir[1]->vy0, 4);
        }
        EXPECT_EQ(g->programme_sortie[0]->dx, g->programme_principal[0]->dx);
        EXPECT_EQ(g->programme_sortie[0]->dy, 3);
    }
    for (Ennemi* t : du_type(n.file, "Torpille")) {
        EXPECT_EQ(t->images_flash[3], r->torpilleg_flash);
        EXPECT_EQ(t->programme_entree[0]->dx, t->temps_apparition <= 14000 ? -8 : -10);
        EXPECT_GE(t->corps->position.y, 110);
        EXPECT_LT(t->corps->position.y, 410);
    }
    std::vector<Ennemi*> boss = du_type(n.file, "BOSS");
    ASSERT_EQ(boss.size(), 3u);
    int entrees[3] = {175, 363, 386};
    for (int k = 0; k < 3; ++k) {
        Ennemi* b = boss[k];
        bool final = k == 2;
        SCOPED_TRACE(b->temps_apparition);
        EXPECT_EQ(b->corps->position.w, final ? 352 : 258);
        EXPECT_EQ(b->corps->position.h, final ? 386 : 173);
        EXPECT_EQ(b->corps->position.y, final ? 94 : 185);
        EXPECT_EQ(b->corps->vie, final ? 4000 : 1500);
        EXPECT_EQ(b->corps->nb_tirs_max, 200);
        EXPECT_EQ(b->corps->demi_hauteur, final ? 150 : 80);
        EXPECT_EQ(b->points, 550);
        EXPECT_EQ(b->boucle_principal, 0);
        EXPECT_EQ(b->fin_sortie, 0);
        EXPECT_EQ(b->corps->image_explosion, r->explosion_boss);
        EXPECT_EQ(b->corps->duree_etape, 80);
        EXPECT_EQ(b->largeur_explosion, 300);
        EXPECT_EQ(b->corps->image, final ? r->boss2a : r->demo_boss1a);
        EXPECT_EQ(b->images[1], final ? r->boss2 : r->demo_boss1a);
        EXPECT_EQ(b->images_flash[1], final ? r->boss2_flash : r->demo_boss1a_flash);
        EXPECT_EQ(b->images_flash[2], final ? r->boss2a_flash : r->demo_boss1a_flash);
        EXPECT_EQ(longueur(b->programme_entree), entrees[k]);
        EXPECT_EQ(longueur(b->programme_principal), 1);
        EXPECT_EQ(longueur(b->programme_sortie), 1);
        int dx, dy, images;
        deplacement(b->programme_entree, &dx, &dy, &images);
        EXPECT_EQ(639 + dx, final ? 339 : 389);
        EXPECT_EQ(dy, 0);
    }
    Etape* garde = boss[0]->programme_entree[2];
    ASSERT_EQ(nb_modeles(garde), 5);
    EXPECT_EQ(garde->modeles_tir[4]->position.x, 25);
    EXPECT_EQ(garde->modeles_tir[4]->position.y, 77);
    EXPECT_EQ(garde->modeles_tir[4]->vx0, -2);
    EXPECT_EQ(garde->modeles_tir[4]->vy0, 2);
    EXPECT_DOUBLE_EQ(garde->modeles_tir[4]->ay, 1.0025);

    // Final boss: scissors A, B, C at steps 2-4, E on the first charge back, F on the second.
    Etape* const* e = boss[2]->programme_entree;
    const int vitesses[3] = {3, 2, 1};
    for (int k = 0; k < 3; ++k) {
        ASSERT_EQ(nb_modeles(e[2 + k]), 2);
        EXPECT_EQ(e[2 + k]->son, r->son_shot2);
        Tir *haut = e[2 + k]->modeles_tir[0], *bas = e[2 + k]->modeles_tir[1];
        EXPECT_EQ(haut->position.y, 76);
        EXPECT_EQ(bas->position.y, 282);
        EXPECT_EQ(haut->position.w, 24);
        EXPECT_EQ(haut->vx0, -vitesses[k]);
        EXPECT_EQ(haut->vy0, vitesses[k]);
        EXPECT_EQ(bas->vy0, -vitesses[k]);
        EXPECT_DOUBLE_EQ(haut->ax, 1.015);
        EXPECT_DOUBLE_EQ(bas->ax, 1.03);
        EXPECT_EQ(haut->image_a, r->demo_tir1);
    }
    EXPECT_EQ(e[30]->dx, -20);
    EXPECT_EQ(e[30]->nb_images, 22);
    for (int k = 31; k < 42; ++k) {
        EXPECT_EQ(e[k]->dx, 20);
        ASSERT_EQ(nb_modeles(e[k]), 2);
        EXPECT_EQ(e[k]->modeles_tir[0]->vx0, 0);
        EXPECT_EQ(e[k]->modeles_tir[0]->vy0, 1);
    }
    EXPECT_EQ(e[44]->modeles_tir[0]->vx0, -1);
    EXPECT_DOUBLE_EQ(e[44]->modeles_tir[0]->ay, 1.01);
    for (int k = 69; k < 80; ++k) {
        ASSERT_EQ(nb_modeles(e[k]), 4);
        EXPECT_EQ(e[k]->modeles_tir[1]->vx0, -1);
        EXPECT_EQ(e[k]->modeles_tir[1]->vy0, 1);
        EXPECT_EQ(e[k]->modeles_tir[2]->position.y, 282);
        EXPECT_EQ(e[k]->modeles_tir[2]->vy0, -1);
    }
    EXPECT_EQ(e[385]->nb_images, 60);
}

// With the real enemy asset sets (when the art pack is present): both scripts build their
// whole level and every enemy gets real pictures.
TEST(Vagues, BuildsBothLevelsFromTheRealEnemyAssetSets) {
    for (const char* nom : {"RessourcesEnnemis1", "RessourcesEnnemis2"})
        for (const TableRessources& t : TABLES_RESSOURCES_NIVEAUX)
            if (strcmp(t.nom, nom) == 0)
                for (int k = 0; k < t.nb; ++k)
                    if (access(t.entrees[k].chemin, R_OK) != 0)
                        GTEST_SKIP() << "enemy art pack not generated yet: " << t.entrees[k].chemin
                                     << " is missing";
    ecran_de_test();
    plateforme_simuler(5);
    RessourcesEnnemis1* r1 = charger_ennemis_niveau_1();
    RessourcesEnnemis2* r2 = charger_ennemis_niveau_2();
    Monde* m1 = creer_monde(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr);
    Monde* m2 = creer_monde(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr);
    creer_vagues_niveau_1(m1, r1);
    creer_vagues_niveau_2(m2, r2);
    std::vector<Ennemi*> f1 = file_attente(m1), f2 = file_attente(m2);
    EXPECT_EQ(f1.size(), 251u);
    EXPECT_EQ(f2.size(), 368u);
    for (const std::vector<Ennemi*>* f : {&f1, &f2})
        for (Ennemi* e : *f) {
            for (int k = 0; k < 4; ++k) {
                ASSERT_NE(e->images[k], nullptr) << e->nom;
                ASSERT_NE(e->images_flash[k], nullptr) << e->nom;
                ASSERT_NE(e->images_bonus[k], nullptr) << e->nom;
            }
            ASSERT_NE(e->corps->image_explosion, nullptr) << e->nom;
        }
    EXPECT_EQ(f1.back()->corps->image, r1->boss1);
    EXPECT_EQ(f2.back()->corps->image, r2->boss2a);
    detruire_monde(m1);
    detruire_monde(m2);
    liberer_ennemis_niveau_1(r1);
    liberer_ennemis_niveau_2(r2);
}
