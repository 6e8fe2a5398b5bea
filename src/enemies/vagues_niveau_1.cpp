// Level 1's enemy timetable (the desert): 251 enemies from 3000 ms to the boss at 138500 ms,
// written as const tables (types, shot-template lists, programs, wave rows) for the builder.
#include <stddef.h>

#include "enemies/vagues.h"
#include "enemies/vagues_commun.h"

namespace {

// A picture or sound of the level's enemy asset set.
#define R1(champ) offsetof(RessourcesEnnemis1, champ)

// The ordinary explosion: 16 frames of 64 × 64 at 25 ms, with explosion2.wav.
#define EXPLOSION_ORDINAIRE R1(explosion1a), 16, 64, 64, 25, R1(son_explosion2)
#define SANS_BONUS {SANS_CHAMP, SANS_CHAMP, SANS_CHAMP, SANS_CHAMP}

// ---- shot-template lists ----

enum { SALVE_DESERT, SALVE_MULOI, EVENTAIL_BOSS, GERBE_LENTE, GERBE_RAPIDE, NB_SALVES };

const Salve SALVES[NB_SALVES] = {
    {"salve_desert", 1, R1(ennemi_tir2a), R1(ennemi_tir2a), 1,
     {{-40, 25, 64, 14, -5, 0, 1.0, 1.0}}},
    {"salve_muloi", 1, R1(ennemi_tir1a), R1(ennemi_tir1a), 1,
     {{5, -10, 16, 16, -4, -4, 1.0, 1.0}}},
    {"eventail_boss", 1, R1(ennemi_tir1), R1(ennemi_tir1a), 7,
     {{40, 45, 16, 16, -3, 0, 1.0, 1.0},
      {40, 45, 16, 16, 0, 3, 1.0, 1.0},
      {40, 45, 16, 16, -3, 3, 1.0, 1.0},
      {40, 45, 16, 16, -3, 1, 1.0, 1.0},
      {40, 45, 16, 16, -1, 3, 1.0, 1.0},
      {40, 45, 16, 16, -3, 2, 1.0, 1.0},
      {40, 45, 16, 16, -2, 3, 1.0, 1.0}}},
    {"gerbe_lente", 0, R1(ennemi_tir1), R1(ennemi_tir1a), 9,
     {{75, 134, 16, 16, -1, 0, 1.01, 1.005},
      {75, 134, 16, 16, -1, -1, 1.01, 1.005},
      {75, 134, 16, 16, -1, 1, 1.01, 1.005},
      {75, 134, 16, 16, -1, -2, 1.01, 1.005},
      {75, 134, 16, 16, -1, 2, 1.01, 1.005},
      {75, 134, 16, 16, -1, -3, 1.01, 1.005},
      {75, 134, 16, 16, -1, 3, 1.01, 1.005},
      {75, 134, 16, 16, -1, -4, 1.01, 1.005},
      {75, 134, 16, 16, -1, 4, 1.01, 1.005}}},
    {"gerbe_rapide", 0, R1(ennemi_tir1), R1(ennemi_tir1a), 9,
     {{154, 64, 16, 16, -1, 0, 1.02, 1.005},
      {154, 64, 16, 16, -1, 1, 1.02, 1.005},
      {154, 64, 16, 16, -1, 2, 1.02, 1.005},
      {154, 64, 16, 16, -1, 3, 1.02, 1.005},
      {154, 64, 16, 16, -1, 4, 1.02, 1.005},
      {154, 64, 16, 16, -1, -1, 1.02, 1.005},
      {154, 64, 16, 16, -1, -2, 1.02, 1.005},
      {154, 64, 16, 16, -1, -3, 1.02, 1.005},
      {154, 64, 16, 16, -1, -4, 1.02, 1.005}}},
};

constexpr size_t SHOT1 = R1(son_shot1);
constexpr size_t SHOT2 = R1(son_shot2);
constexpr size_t SHOT3 = R1(son_shot3);
constexpr int L1 = EVENTAIL_BOSS;
constexpr int L2 = GERBE_LENTE;
constexpr int L3 = GERBE_RAPIDE;

// ---- enemy types ----
// name, w, h, hit points (0 = given by the row), shot capacity, half-extents, points,
// pictures, flash pictures, animation speed, explosion, program flags, bonus pictures.

const TypeEnnemi OCTOPUS = {
    "OCTOPUS", 48, 48, 0, 0, 20, 20, 15,
    {R1(octopus), R1(octopus), R1(octopus1), R1(octopus1)},
    {R1(octopus_flash), R1(octopus_flash), R1(octopus1_flash), R1(octopus1_flash)}, 2,
    EXPLOSION_ORDINAIRE, 1, 0, 0, SANS_BONUS};

const TypeEnnemi ENNEMI_BONUS = {
    "Ennemi_Bonus", 48, 24, 1, 0, 26, 18, 5,
    {R1(mechant_bonus), R1(mechant_bonus), R1(mechant_bonus1), R1(mechant_bonus1)},
    SANS_BONUS, 2,  // flash pictures left as the constructor set them
    EXPLOSION_ORDINAIRE, 1, 0, 0,
    {R1(module1), R1(bonus_1), R1(bonus_2), R1(bonus_3)}};

const TypeEnnemi TORPILLE_G = {
    "TorpilleG", 60, 30, 0, 0, 20, 20, 10,
    {R1(torpilleg), R1(torpilleg), R1(torpilleg), R1(torpilleg)},
    {R1(torpilleg_flash), R1(torpilleg_flash), R1(torpilleg_flash), R1(torpilleg_flash)}, 0,
    EXPLOSION_ORDINAIRE, 1, 0, 0, SANS_BONUS};

const TypeEnnemi TORPILLE = {
    "Torpille", 60, 30, 5, 0, 20, 20, 10,
    {R1(torpille), R1(torpille), R1(torpille), R1(torpille)},
    {R1(torpille_flash), R1(torpille_flash), R1(torpille_flash), R1(torpilleg_flash)}, 0,
    EXPLOSION_ORDINAIRE, 1, 0, 0, SANS_BONUS};

const TypeEnnemi ENNEMI_DESERT = {
    "Ennemi_desert", 64, 32, 20, 2, 30, 14, 10,
    {R1(ennemi_desert), R1(ennemi_desert), R1(ennemi_desert), R1(ennemi_desert)},
    {R1(ennemi_desert_flash), R1(ennemi_desert_flash), R1(ennemi_desert_flash),
     R1(ennemi_desert_flash)},
    0, EXPLOSION_ORDINAIRE, 1, 0, 0, SANS_BONUS};

const TypeEnnemi MULOI = {
    "Muloi", 80, 48, 50, 1, 38, 22, 36,
    {R1(muloi), R1(muloi), R1(muloi1), R1(muloi1)},
    {R1(muloi_flash), R1(muloi_flash), R1(muloi1_flash), R1(muloi1_flash)}, 1,
    EXPLOSION_ORDINAIRE, 1, 0, 0, SANS_BONUS};

// Repeats its main program until a pass ends at half its hit points, then its exit program
// (a copy of the main one) for ever.
const TypeEnnemi BOSS = {
    "BOSS", 300, 332, 4000, 150, 120, 140, 5000,
    {R1(boss1), R1(boss1), R1(boss1a), R1(boss1a)},
    {R1(boss1_flash), R1(boss1_flash), R1(boss1a_flash), R1(boss1a_flash)}, 2,
    R1(explosion_boss), 16, 300, 332, 100, R1(son_explosion2), 1, 1, 1, SANS_BONUS};

// ---- programs ----

const Pas BONUS_ENTREE[] = {pas(-4, 0, 40)};
const Pas BONUS_PRINCIPAL[] = {pas(-4, 0, 40)};
const Pas BONUS_SORTIE[] = {pas(-4, 0, 200)};
#define PROGRAMMES_BONUS \
    programme(BONUS_ENTREE), programme(BONUS_PRINCIPAL), programme(BONUS_SORTIE)

const Pas OCTOPUS_ENTREE[] = {pas(-4, 0, 40)};
const Pas OCTOPUS_ENTREE_RAPIDE[] = {pas(-8, 0, 20)};
const Pas OCTOPUS_PRINCIPAL[] = {pas(4, -4, 8),  pas(4, 0, 8),   pas(4, 4, 8),   pas(0, 4, 8),
                                 pas(-4, 4, 8), pas(-4, 0, 8), pas(-4, -2, 8), pas(-8, -2, 50)};
const Pas OCTOPUS_SORTIE[] = {pas(-8, -2, 5000)};

const Pas TORPILLE_G_PAIRE_ENTREE[] = {pas(6, 0, 40)};
const Pas TORPILLE_G_PAIRE_PRINCIPAL[] = {pas(6, 0, 40)};
const Pas TORPILLE_G_PAIRE_SORTIE[] = {pas(6, 0, 200)};

const Pas TORPILLE_G_LENTE_ENTREE[] = {pas(6, 0, 40)};
const Pas TORPILLE_G_LENTE_PRINCIPAL[] = {pas(6, 0, 50)};
const Pas TORPILLE_G_LENTE_SORTIE[] = {pas(6, 0, 5000)};

const Pas DESERT_ENTREE[] = {pas(-6, 0, 40)};
// s = 6: drawn in the upper band, it steps down; s = -6: in the lower band, it steps up.
const Pas DESERT_PRINCIPAL_DESCEND[] = {pas_tir(0, 0, 2, SALVE_DESERT, SHOT3), pas(6, 6, 10),
                                        pas_tir(0, 0, 2, SALVE_DESERT, SHOT3), pas(6, 6, 10)};
const Pas DESERT_PRINCIPAL_MONTE[] = {pas_tir(0, 0, 2, SALVE_DESERT, SHOT3), pas(6, -6, 10),
                                      pas_tir(0, 0, 2, SALVE_DESERT, SHOT3), pas(6, -6, 10)};
const Pas DESERT_SORTIE[] = {pas(8, 0, 5000)};

const Pas MULOI_ENTREE[] = {pas_hasard(-4, 0, 40, 50)};
const Pas MULOI_PRINCIPAL[] = {pas_tir(0, 0, 10, SALVE_MULOI, SHOT3), pas(-4, 0, 5),
                               pas(-5, -3, 10)};
const Pas MULOI_SORTIE[] = {pas(-5, -3, 5000)};

const Pas TORPILLE_G_RAPIDE_ENTREE[] = {pas(8, 0, 40)};
const Pas TORPILLE_G_RAPIDE_PRINCIPAL[] = {pas(8, 0, 50)};
const Pas TORPILLE_G_RAPIDE_SORTIE[] = {pas(8, 0, 5000)};
const Pas TORPILLE_RAPIDE_ENTREE[] = {pas(-8, 0, 40)};
const Pas TORPILLE_RAPIDE_PRINCIPAL[] = {pas(-8, 0, 50)};
const Pas TORPILLE_RAPIDE_SORTIE[] = {pas(-8, 0, 5000)};

// The boss: 111 entry steps; its main and exit programs are each built from the one
// 192-step pass below.
const Pas BOSS_ENTREE[] = {
    pas(-5, 0, 50), pas(0, 0, 30), pas(0, 0, 60),
    repeter(30), pas_tir(0, 0, 10, L1, SHOT3), fin_repeter(),
    pas(2, 0, 20), pas(-10, 0, 25), pas(0, 0, 100),
    repeter(20), pas_tir(3, 0, 4, L1, SHOT3), fin_repeter(),
    pas(-3, 0, 10), pas(0, 0, 60),
    repeter(15), pas_tir(0, 0, 10, L2, SHOT2), fin_repeter(),
    repeter(15), pas_tir(0, 0, 10, L1, SHOT3), fin_repeter(),
    pas(2, 0, 20), pas(-10, 0, 25), pas(0, 0, 100),
    repeter(20), pas_tir(3, 0, 4, L2, SHOT2), fin_repeter(),
};

const Pas BOSS_PASSE[] = {
    // 1.
    pas(-3, 0, 10), pas(0, 0, 60),
    repeter(15), pas_tir(0, 0, 10, L2, SHOT2), fin_repeter(),
    repeter(15), pas_tir(0, 0, 10, L1, SHOT3), fin_repeter(),
    repeter(15), pas_tir(0, 0, 10, L3, SHOT1), fin_repeter(),
    pas(2, 0, 20), pas(-10, 0, 25), pas(0, 0, 100),
    repeter(10), pas_tir(3, 0, 4, L2, SHOT1), pas_tir(3, 0, 4, L3, SHOT1), fin_repeter(),
    // 2.
    pas(-3, 0, 10), pas(0, 0, 60),
    repeter(2), fois(3, pas_tir(0, -1, 10, L1, SHOT3)), fois(3, pas_tir(0, 1, 10, L1, SHOT3)), fin_repeter(),
    repeter(2), fois(3, pas_tir(0, -1, 10, L3, SHOT1)), fois(3, pas_tir(0, 1, 10, L3, SHOT1)), fin_repeter(),
    repeter(2), fois(3, pas_tir(0, -1, 10, L2, SHOT2)), fois(3, pas_tir(0, 1, 10, L2, SHOT2)), fin_repeter(),
    pas(2, 0, 20), pas(-10, 0, 25), pas(0, 0, 100),
    repeter(10), pas_tir(3, 0, 4, L1, SHOT3), pas_tir(3, 0, 4, L2, SHOT1), fin_repeter(),
    // 3.
    pas(-3, 0, 10), pas(0, 0, 60),
    repeter(2), fois(3, pas_tir(-1, -1, 10, L1, SHOT3)), fois(3, pas_tir(1, 1, 10, L1, SHOT3)), fin_repeter(),
    repeter(2), fois(3, pas_tir(1, 1, 10, L3, SHOT1)), fois(3, pas_tir(-1, -1, 10, L3, SHOT1)), fin_repeter(),
    repeter(2), fois(3, pas_tir(0, -1, 10, L2, SHOT2)), fois(3, pas_tir(0, 1, 10, L2, SHOT2)), fin_repeter(),
    pas(2, 0, 20), pas(-10, 0, 25), pas(0, 0, 100),
    repeter(10), pas_tir(3, 0, 4, L1, SHOT3), pas_tir(3, 0, 4, L3, SHOT1), fin_repeter(),
};

// ---- the wave table, rows in creation order ----
// row, enemies, time of enemy 0, ms between enemies, how enemy i is chosen,
//   ennemi(type, x, y, span of the random height, entry, main, exit[, hit points, half-height])
//   porteur(type, x, y, bonus kind, bonus sound, the three carrier programs)

const Rangee VAGUES[] = {
    {1, 7, 9000, 1000, UN_SEUL,
     {ennemi(&OCTOPUS, 640, 110, 200, programme(OCTOPUS_ENTREE), programme(OCTOPUS_PRINCIPAL),
             programme(OCTOPUS_SORTIE), 5)}},
    {2, 1, 12000, 0, UN_SEUL,
     {porteur(&ENNEMI_BONUS, 639, 240, 0, R1(son_voice1), PROGRAMMES_BONUS)}},
    {3, 50, 39000, 500, UN_SEUL,
     {ennemi(&OCTOPUS, 640, 110, 200, programme(OCTOPUS_ENTREE), programme(OCTOPUS_PRINCIPAL),
             programme(OCTOPUS_SORTIE), 5)}},
    {4, 1, 42000, 0, UN_SEUL,
     {porteur(&ENNEMI_BONUS, 639, 140, 1, R1(son_voice2), PROGRAMMES_BONUS)}},
    {5, 1, 44000, 0, UN_SEUL,
     {ennemi(&TORPILLE_G, -59, 90, 0, programme(TORPILLE_G_PAIRE_ENTREE),
             programme(TORPILLE_G_PAIRE_PRINCIPAL), programme(TORPILLE_G_PAIRE_SORTIE), 3, 10)}},
    {6, 1, 44000, 0, UN_SEUL,
     {ennemi(&TORPILLE_G, -59, 360, 0, programme(TORPILLE_G_PAIRE_ENTREE),
             programme(TORPILLE_G_PAIRE_PRINCIPAL), programme(TORPILLE_G_PAIRE_SORTIE), 3, 10)}},
    {7, 30, 61000, 500, UN_SEUL,
     {ennemi(&TORPILLE_G, -59, 110, 250, programme(TORPILLE_G_LENTE_ENTREE),
             programme(TORPILLE_G_LENTE_PRINCIPAL), programme(TORPILLE_G_LENTE_SORTIE), 3)}},
    {8, 1, 63000, 0, UN_SEUL,
     {porteur(&ENNEMI_BONUS, 639, 340, 3, R1(son_voice4), PROGRAMMES_BONUS)}},
    {9, 20, 80000, 750, COTE_HASARD,
     {ennemi(&ENNEMI_DESERT, 639, 110, 150, programme(DESERT_ENTREE),
             programme(DESERT_PRINCIPAL_DESCEND), programme(DESERT_SORTIE)),
      ennemi(&ENNEMI_DESERT, 639, 370, -150, programme(DESERT_ENTREE),
             programme(DESERT_PRINCIPAL_MONTE), programme(DESERT_SORTIE))}},
    // Due at 75000 ms but queued behind the 80000 ms enemy of row 9: enters with it.
    {10, 1, 75000, 0, UN_SEUL,
     {porteur(&ENNEMI_BONUS, 639, 240, 0, R1(son_voice1), PROGRAMMES_BONUS)}},
    {11, 10, 92000, 1000, UN_SEUL,
     {ennemi(&MULOI, 639, 400, 0, programme(MULOI_ENTREE), programme(MULOI_PRINCIPAL),
             programme(MULOI_SORTIE))}},
    // Due at 90000 ms but queued behind the 92000 ms enemy of row 11: enters with it.
    {12, 1, 90000, 0, UN_SEUL,
     {porteur(&ENNEMI_BONUS, 639, 140, 2, R1(son_voice3), PROGRAMMES_BONUS)}},
    {13, 25, 106500, 500, PAIRE,
     {ennemi(&TORPILLE_G, -59, 110, 250, programme(TORPILLE_G_RAPIDE_ENTREE),
             programme(TORPILLE_G_RAPIDE_PRINCIPAL), programme(TORPILLE_G_RAPIDE_SORTIE), 5),
      ennemi(&TORPILLE, 639, 110, 250, programme(TORPILLE_RAPIDE_ENTREE),
             programme(TORPILLE_RAPIDE_PRINCIPAL), programme(TORPILLE_RAPIDE_SORTIE))}},
    {14, 75, 127750, 250, UN_SEUL,
     {ennemi(&OCTOPUS, 640, 110, 200, programme(OCTOPUS_ENTREE_RAPIDE),
             programme(OCTOPUS_PRINCIPAL), programme(OCTOPUS_SORTIE), 3)}},
    {15, 1, 129000, 0, UN_SEUL,
     {porteur(&ENNEMI_BONUS, 639, 200, 0, R1(son_voice1), PROGRAMMES_BONUS)}},
    {16, 1, 138500, 0, UN_SEUL,
     {ennemi(&BOSS, 639, 92, 0, programme(BOSS_ENTREE), programme(BOSS_PASSE),
             programme(BOSS_PASSE))}},
};

const ScriptVagues SCRIPT = {SALVES, NB_SALVES, VAGUES, (int)(sizeof VAGUES / sizeof VAGUES[0])};

}  // namespace

void creer_vagues_niveau_1(Monde* monde, RessourcesEnnemis1* ressources) {
    construire_vagues(monde, ressources, &SCRIPT);
}
