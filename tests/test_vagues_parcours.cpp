// The wave scripts in play: whole levels run through the world update on the virtual clock,
// with an invincible ship that never fires, while chosen enemies are watched frame by frame
// (arrival, end of entry, start of exit, departure, every shot launched).
#include "combat/monde.h"
#include "core/calculs.h"
#include "ship/vaisseau.h"
#include "vagues_outils.h"

namespace {

// What was seen of one enemy; frames are numbered from the start of the run.
struct Suivi {
    Ennemi* e;
    int place = -1;
    int arrivee = -1;       // frame in which it entered the ring
    int fin_entree = -1;    // last frame of its entry program
    int debut_sortie = -1;  // last frame before its exit program
    int parti = -1;         // frame in which it was gone (off screen, finished or out of the ring)
    std::vector<int> tirs;  // frames in which it launched a shot
    std::vector<Tir*> avant;
};

template <typename N>
struct Partie {
    N niveau;
    Vaisseau* vaisseau;
    SDL_Surface* ecran;
    int image = 0;
    std::vector<Suivi> suivis;

    explicit Partie(unsigned graine) : niveau(graine, false) {
        ecran = ecran_de_test();
        // Parked in a corner and kept invincible: the enemies play their programs untouched.
        vaisseau = creer_vaisseau(creer_rect(0, 440, 37, 32), 5, 50, niveau.res->explosions1, 0,
                                  niveau.res->explosions1, 16, 25, 3, 3);
        niveau.monde->vaisseau = vaisseau;
    }
    ~Partie() {
        niveau.monde->vaisseau = nullptr;
        detruire_vaisseau(vaisseau);
    }

    void suivre(Ennemi* e) {
        Suivi s;
        s.e = e;
        s.avant.assign(e->corps->nb_tirs_max, nullptr);
        suivis.push_back(s);
    }
    // Jumps the clock: everything due by then arrives at once in the next frame.
    void sauter_a(uint32_t t) {
        if (plateforme_ticks() < t) plateforme_attendre(t - plateforme_ticks());
    }
    void image_suivante() {
        plateforme_attendre(PERIODE);
        fixer_invincibilite(vaisseau, 1000);
        mettre_a_jour_monde(niveau.monde, nullptr, nullptr, creer_rect(0, 0, 0, 0), ecran);
        ++image;
        for (Suivi& s : suivis) observer(s);
    }
    void jouer_jusqu_a(uint32_t t) {
        while (plateforme_ticks() < t) image_suivante();
    }
    void observer(Suivi& s) {
        Monde* m = niveau.monde;
        if (s.parti >= 0) return;
        if (s.place < 0) {
            for (int k = 0; k < m->nb_places; ++k)
                if (m->actifs[k] == s.e) s.place = k;
            if (s.place < 0) return;
            s.arrivee = image;
        }
        // Once out of the ring the world may have freed it: never look at it again.
        if (m->actifs[s.place] != s.e) {
            s.parti = image;
            return;
        }
        Vaisseau* c = s.e->corps;
        for (int k = 0; k < c->nb_tirs_max; ++k) {
            if (c->tirs[k] && c->tirs[k] != s.avant[k]) s.tirs.push_back(image);
            s.avant[k] = c->tirs[k];
        }
        if (s.fin_entree < 0 && s.e->en_principal) s.fin_entree = image;
        if (s.debut_sortie < 0 && s.e->en_sortie) s.debut_sortie = image;
        if (c->etape_explosion > c->nb_etapes_explosion || s.e->fin_sortie == 2) s.parti = image;
    }
    static const uint32_t PERIODE = 13;
};

std::vector<Ennemi*> a_partir_de(const std::vector<Ennemi*>& v, const char* nom, int t0, int t1) {
    std::vector<Ennemi*> r;
    for (Ennemi* e : du_type(v, nom))
        if (e->temps_apparition >= t0 && e->temps_apparition <= t1) r.push_back(e);
    return r;
}

}  // namespace

TEST(VaguesEnJeu, Level1CarriersEnterInTheFrameOfTheEnemyAheadOfThem) {
    Partie<Niveau1> p(11);
    std::vector<Ennemi*> f = p.niveau.file;
    for (size_t k = 1; k < f.size(); ++k)
        if (f[k]->temps_apparition < f[k - 1]->temps_apparition) {
            p.suivre(f[k - 1]);
            p.suivre(f[k]);
        }
    ASSERT_EQ(p.suivis.size(), 4u);
    // Read now: an enemy that has left play is freed by the world.
    const int devant1 = p.suivis[0].e->temps_apparition, devant2 = p.suivis[2].e->temps_apparition;
    const int porteur1 = p.suivis[1].e->temps_apparition, porteur2 = p.suivis[3].e->temps_apparition;
    p.sauter_a(79000);
    p.jouer_jusqu_a(80100);
    p.sauter_a(91000);
    p.jouer_jusqu_a(92100);
    EXPECT_EQ(devant1, 80000);
    EXPECT_EQ(porteur1, 75000);
    EXPECT_EQ(devant2, 92000);
    EXPECT_EQ(porteur2, 90000);
    for (int k : {0, 2}) {
        const Suivi &devant = p.suivis[k], &porteur = p.suivis[k + 1];
        SCOPED_TRACE(k);
        ASSERT_GE(devant.arrivee, 0);
        EXPECT_EQ(porteur.arrivee, devant.arrivee);
    }
    // The first frame at or after 80000 ms: (80000 - 79000) / 13 rounded up.
    EXPECT_EQ(p.suivis[0].arrivee, (1000 + 12) / 13);
}

TEST(VaguesEnJeu, DesertRaidersFireTwiceAndMuloisOnce) {
    Partie<Niveau1> p(12);
    std::vector<Ennemi*> deserts = du_type(p.niveau.file, "Ennemi_desert");
    std::vector<Ennemi*> mulois = du_type(p.niveau.file, "Muloi");
    std::vector<int> entrees_muloi;
    for (Ennemi* e : deserts) p.suivre(e);
    for (Ennemi* e : mulois) {
        entrees_muloi.push_back(e->programme_entree[0]->nb_images);
        p.suivre(e);
    }
    p.sauter_a(65700);
    p.jouer_jusqu_a(96000);
    for (size_t k = 0; k < deserts.size(); ++k) {
        const Suivi& s = p.suivis[k];
        SCOPED_TRACE("desert " + std::to_string(k));
        ASSERT_GE(s.arrivee, 0);
        ASSERT_GE(s.parti, 0);
        // Two volleys of one shot: on the frame after its 40-frame entry, then 12 frames later.
        ASSERT_EQ(s.tirs.size(), 2u);
        EXPECT_EQ(s.tirs[0] - s.arrivee + 1, 41);
        EXPECT_EQ(s.tirs[1] - s.tirs[0], 12);
    }
    for (size_t k = 0; k < mulois.size(); ++k) {
        const Suivi& s = p.suivis[deserts.size() + k];
        SCOPED_TRACE("muloi " + std::to_string(k));
        ASSERT_GE(s.arrivee, 0);
        ASSERT_GE(s.parti, 0);
        ASSERT_EQ(s.tirs.size(), 1u);
        EXPECT_EQ(s.tirs[0] - s.arrivee + 1, entrees_muloi[k] + 1);
    }
}

TEST(VaguesEnJeu, Row5TorpedoLeavesThirtySevenFramesIntoItsExit) {
    Partie<Niveau1> p(13);
    std::vector<Ennemi*> paire = a_partir_de(p.niveau.file, "TorpilleG", 44000, 44000);
    ASSERT_EQ(paire.size(), 2u);
    for (Ennemi* e : paire) p.suivre(e);
    p.sauter_a(43900);
    p.jouer_jusqu_a(46000);
    for (const Suivi& s : p.suivis) {
        ASSERT_GE(s.debut_sortie, 0);
        EXPECT_EQ(s.debut_sortie - s.arrivee + 1, 80);
        EXPECT_EQ(s.parti - s.debut_sortie, 37);
    }
}

TEST(VaguesEnJeu, Level1BossLeavesItsMainProgramOnlyAtTheEndOfAPassAtHalfItsHitPoints) {
    Partie<Niveau1> p(14);
    Ennemi* b = p.niveau.file.back();
    ASSERT_STREQ(b->nom, "BOSS");
    int dx, dy, entree, passe;
    deplacement(b->programme_entree, &dx, &dy, &entree);
    deplacement(b->programme_principal, &dx, &dy, &passe);
    p.suivre(b);
    p.sauter_a(138400);
    while (p.suivis[0].fin_entree < 0 && p.image < 100000) p.image_suivante();
    const Suivi& s = p.suivis[0];
    ASSERT_EQ(s.fin_entree - s.arrivee + 1, entree);
    // First pass: 2001 hit points at its end, so it starts again.
    for (int k = 0; k < passe / 2; ++k) p.image_suivante();
    b->corps->vie = 2001;
    for (int k = passe / 2; k < passe; ++k) p.image_suivante();
    ASSERT_EQ(s.parti, -1);
    EXPECT_EQ(b->en_sortie, 0);
    EXPECT_EQ(b->etape_courante, 0);
    EXPECT_EQ(b->corps->position.x, 639 - 250 + 30);
    // Second pass: down to 2000 a few frames in, yet it finishes the pass first.
    for (int k = 0; k < 10; ++k) p.image_suivante();
    b->corps->vie = 2000;
    for (int k = 10; k < passe - 1; ++k) p.image_suivante();
    EXPECT_EQ(b->en_sortie, 0);
    p.image_suivante();
    EXPECT_EQ(b->en_sortie, 1);
    EXPECT_EQ(s.debut_sortie - s.fin_entree, 2 * passe);
    // The exit program is the main pass again, repeated for ever.
    for (int k = 0; k < passe; ++k) p.image_suivante();
    EXPECT_EQ(b->en_sortie, 1);
    EXPECT_EQ(b->etape_courante, 0);
    EXPECT_EQ(b->fin_sortie, 1);
    EXPECT_EQ(s.parti, -1);
}

TEST(VaguesEnJeu, Level2BossesAndGunshipsLeaveOnTime) {
    Partie<Niveau2> p(15);
    std::vector<Ennemi*> boss = du_type(p.niveau.file, "BOSS");
    std::vector<Ennemi*> grisors = du_type(p.niveau.file, "Grisor");
    ASSERT_EQ(boss.size(), 3u);
    ASSERT_EQ(grisors.size(), 10u);
    for (Ennemi* e : boss) p.suivre(e);
    for (Ennemi* e : grisors) p.suivre(e);
    p.sauter_a(34900);
    p.jouer_jusqu_a(100000);
    // The final boss's entry lasts 4920 frames.
    p.sauter_a(121900);
    p.jouer_jusqu_a(122000 + 5000 * 13);
    for (int k = 0; k < 2; ++k) {
        const Suivi& s = p.suivis[k];
        SCOPED_TRACE("middle boss " + std::to_string(k));
        ASSERT_GE(s.fin_entree, 0);
        EXPECT_EQ(s.parti - s.fin_entree, 108);
    }
    const Suivi& final = p.suivis[2];
    ASSERT_GE(final.fin_entree, 0);
    EXPECT_EQ(final.parti - final.fin_entree, 51);
    for (int k = 0; k < 10; ++k) {
        const Suivi& s = p.suivis[3 + k];
        SCOPED_TRACE("grisor " + std::to_string(k));
        ASSERT_GE(s.debut_sortie, 0);
        EXPECT_EQ(s.parti - s.debut_sortie, 34);
        // Three volleys of two shots once in place.
        ASSERT_EQ(s.tirs.size(), 6u);
        EXPECT_EQ(s.tirs[0], s.tirs[1]);
        EXPECT_EQ(s.tirs[2] - s.tirs[0], 10);
        EXPECT_EQ(s.tirs[4] - s.tirs[2], 10);
        EXPECT_EQ(s.tirs[0], s.fin_entree - 30 + 1);
    }
}
