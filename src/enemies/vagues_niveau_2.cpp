// Level 2's enemy timetable (the sky): 368 enemies from 2000 ms to the final boss at
// 122000 ms, written as const tables (types, shot-template lists, programs, wave rows).
#include <stddef.h>

#include "enemies/vagues.h"
#include "enemies/vagues_commun.h"

namespace {

// A picture or sound of the level's enemy asset set.
#define R2(champ) offsetof(RessourcesEnnemis2, champ)

// The ordinary explosion: 16 frames of 64 × 64 at 25 ms, with explosion2.wav.
#define EXPLOSION_ORDINAIRE R2(explosion1a), 16, 64, 64, 25, R2(son_explosion2)
// The bosses' explosion: 16 frames of 300 × 332 at 80 ms.
#define EXPLOSION_BOSS R2(explosion_boss), 16, 300, 332, 80, R2(son_explosion2)
#define SANS_BONUS {SANS_CHAMP, SANS_CHAMP, SANS_CHAMP, SANS_CHAMP}

// ---- shot-template lists ----

enum {
    GERBE_GARDE,
    SALVE_GRISOR,
    CISEAUX_1,
    CISEAUX_2,
    CISEAUX_3,
    CISEAUX_4,
    CISEAUX_5,
    CROIX_BOSS,
    NB_SALVES
};

const Salve SALVES[NB_SALVES] = {
    {"gerbe_garde", 0, R2(ennemi_tir1), R2(ennemi_tir1a), 5,
     {{25, 77, 16, 16, -2, 0, 1.01, 1.0025},
      {25, 77, 16, 16, -2, -1, 1.01, 1.0025},
      {25, 77, 16, 16, -2, 1, 1.01, 1.0025},
      {25, 77, 16, 16, -2, -2, 1.01, 1.0025},
      {25, 77, 16, 16, -2, 2, 1.01, 1.0025}}},
    {"salve_grisor", 1, R2(ennemi_tir1), R2(ennemi_tir1a), 2,
     {{-6, 45, 16, 16, -4, 4, 1.0, 1.0},
      {118, 45, 16, 16, 4, 4, 1.0, 1.0}}},
    // Scissor pairs: the upper shot goes down, the lower one up, and they cross.
    {"ciseaux_1", 0, R2(demo_tir1), R2(demo_tir1a), 2,
     {{138, 76, 24, 24, -3, 3, 1.015, 1.005},
      {138, 282, 24, 24, -3, -3, 1.03, 1.005}}},
    {"ciseaux_2", 0, R2(demo_tir1), R2(demo_tir1a), 2,
     {{138, 76, 24, 24, -2, 2, 1.015, 1.005},
      {138, 282, 24, 24, -2, -2, 1.03, 1.005}}},
    {"ciseaux_3", 0, R2(demo_tir1), R2(demo_tir1a), 2,
     {{138, 76, 24, 24, -1, 1, 1.015, 1.005},
      {138, 282, 24, 24, -1, -1, 1.03, 1.005}}},
    {"ciseaux_4", 0, R2(demo_tir1), R2(demo_tir1a), 2,
     {{138, 76, 24, 24, -1, 1, 1.03, 1.01},
      {138, 282, 24, 24, -1, -1, 1.03, 1.01}}},
    {"ciseaux_5", 0, R2(demo_tir1), R2(demo_tir1a), 2,
     {{138, 76, 24, 24, 0, 1, 1.03, 1.01},
      {138, 282, 24, 24, 0, -1, 1.03, 1.01}}},
    {"croix_boss", 0, R2(demo_tir1), R2(demo_tir1a), 4,
     {{138, 76, 24, 24, 1, 1, 1.01, 1.01},
      {138, 76, 24, 24, -1, 1, 1.01, 1.01},
      {138, 282, 24, 24, 1, -1, 1.01, 1.01},
      {138, 282, 24, 24, -1, -1, 1.01, 1.01}}},
};

constexpr size_t SHOT2 = R2(son_shot2);
constexpr size_t SHOT3 = R2(son_shot3);
constexpr int A = CISEAUX_1;
constexpr int B = CISEAUX_2;
constexpr int C = CISEAUX_3;
constexpr int D = CISEAUX_4;
constexpr int E = CISEAUX_5;
constexpr int F = CROIX_BOSS;

// ---- enemy types ----
// name, w, h, hit points, shot capacity, half-extents, points, pictures, flash pictures,
// animation speed, explosion, program flags, bonus pictures.

const TypeEnnemi ENNEMI_BONUS = {
    "Ennemi_Bonus", 48, 24, 1, 0, 26, 18, 5,
    {R2(mechant_bonus), R2(mechant_bonus), R2(mechant_bonus1), R2(mechant_bonus1)},
    SANS_BONUS, 2,  // flash pictures left as the constructor set them
    EXPLOSION_ORDINAIRE, 1, 0, 0,
    {R2(module1), R2(bonus_1), R2(bonus_2), R2(bonus_3)}};

const TypeEnnemi TORPILLE = {
    "Torpille", 60, 30, 5, 0, 20, 20, 10,
    {R2(torpille), R2(torpille), R2(torpille), R2(torpille)},
    {R2(torpille_flash), R2(torpille_flash), R2(torpille_flash), R2(torpilleg_flash)}, 0,
    EXPLOSION_ORDINAIRE, 1, 0, 0, SANS_BONUS};

const TypeEnnemi GRISOR = {
    "Grisor", 128, 74, 50, 6, 60, 30, 10,
    {R2(demo_grisor1b), R2(demo_grisor1b), R2(demo_grisor1b), R2(demo_grisor1b)},
    {R2(demo_grisor1b_flash), R2(demo_grisor1b_flash), R2(demo_grisor1b_flash),
     R2(demo_grisor1b_flash)},
    1, EXPLOSION_ORDINAIRE, 1, 0, 0, SANS_BONUS};

// The bosses run entry, main and exit once each: the half-hit-points rule never applies here.
const TypeEnnemi BOSS_MOYEN = {
    "BOSS", 258, 173, 1500, 200, 50, 80, 550,
    {R2(demo_boss1a), R2(demo_boss1a), R2(demo_boss1a), R2(demo_boss1a)},
    {R2(demo_boss1a_flash), R2(demo_boss1a_flash), R2(demo_boss1a_flash), R2(demo_boss1a_flash)},
    2, EXPLOSION_BOSS, 1, 0, 0, SANS_BONUS};

const TypeEnnemi BOSS_FINAL = {
    "BOSS", 352, 386, 4000, 200, 50, 150, 550,
    {R2(boss2a), R2(boss2), R2(boss2a), R2(boss2a)},
    {R2(boss2_flash), R2(boss2_flash), R2(boss2a_flash), R2(boss2a_flash)}, 2,
    EXPLOSION_BOSS, 1, 0, 0, SANS_BONUS};

// ---- programs ----

const Pas BONUS_ENTREE[] = {pas(-4, 0, 40)};
const Pas BONUS_PRINCIPAL[] = {pas(-4, 0, 40)};
const Pas BONUS_SORTIE[] = {pas(-4, 0, 200)};
#define PROGRAMMES_BONUS \
    programme(BONUS_ENTREE), programme(BONUS_PRINCIPAL), programme(BONUS_SORTIE)

const Pas TORPILLE_ENTREE[] = {pas(-8, 0, 40)};
const Pas TORPILLE_PRINCIPAL[] = {pas(-8, 0, 50)};
const Pas TORPILLE_SORTIE[] = {pas(-8, 0, 5000)};

const Pas TORPILLE_RAPIDE_ENTREE[] = {pas(-10, 0, 40)};
const Pas TORPILLE_RAPIDE_PRINCIPAL[] = {pas(-10, 0, 50)};
const Pas TORPILLE_RAPIDE_SORTIE[] = {pas(-10, 0, 5000)};

// Odd i enters from the left, even i from the right; three volleys once in place.
const Pas GRISOR_GAUCHE_ENTREE[] = {pas_hasard(6, 0, 40, 20),
                                    fois(3, pas_tir(0, 0, 10, SALVE_GRISOR, SHOT3))};
const Pas GRISOR_GAUCHE_SUITE[] = {pas(3, 3, 100)};
const Pas GRISOR_DROITE_ENTREE[] = {pas_hasard(-6, 0, 40, 20),
                                    fois(3, pas_tir(0, 0, 10, SALVE_GRISOR, SHOT3))};
const Pas GRISOR_DROITE_SUITE[] = {pas(-3, 3, 100)};

// Row 5: 175 steps.
const Pas BOSS_MOYEN_1_ENTREE[] = {
    pas(-5, 0, 50), pas(0, 0, 30),
    repeter(4),
        fois(7, pas_tir(0, -2, 8, GERBE_GARDE, SHOT3)),
        fois(14, pas_tir(0, 2, 8, GERBE_GARDE, SHOT3)),
        fois(7, pas_tir(0, -2, 8, GERBE_GARDE, SHOT3)),
    fin_repeter(),
    fois(15, pas_tir(0, -2, 4, GERBE_GARDE, SHOT3)),
    fois(30, pas_tir(0, 2, 4, GERBE_GARDE, SHOT3)),
    fois(15, pas_tir(0, -2, 4, GERBE_GARDE, SHOT3)),
    pas(0, 0, 60),
};
// Row 9: 363 steps.
const Pas BOSS_MOYEN_2_ENTREE[] = {
    pas(-5, 0, 50), pas(0, 0, 30),
    repeter(6),
        fois(15, pas_tir(0, -2, 4, GERBE_GARDE, SHOT3)),
        fois(30, pas_tir(0, 2, 4, GERBE_GARDE, SHOT3)),
        fois(15, pas_tir(0, -2, 4, GERBE_GARDE, SHOT3)),
    fin_repeter(),
    pas(0, 0, 60),
};
const Pas BOSS_MOYEN_SUITE[] = {pas(-6, 0, 100)};

// Row 12: 5 + 5 × 76 + 1 = 386 steps, every volley with Shot2.wav.
const Pas BOSS_FINAL_ENTREE[] = {
    // 1.
    pas(-5, 0, 60), pas(0, 0, 30),
    pas_tir(0, 0, 10, A, SHOT2), pas_tir(0, 0, 10, B, SHOT2), pas_tir(0, 0, 10, C, SHOT2),
    // 2.
    repeter(5),
        repeter(2),
            pas(0, -2, 15),
            pas_tir(0, 0, 10, A, SHOT2), pas_tir(0, 0, 10, B, SHOT2), pas_tir(0, 0, 10, C, SHOT2),
            pas(0, 4, 15),
            pas_tir(0, 0, 10, A, SHOT2), pas_tir(0, 0, 10, B, SHOT2), pas_tir(0, 0, 10, C, SHOT2),
            pas(0, -2, 15),
            pas_tir(0, 0, 10, A, SHOT2), pas_tir(0, 0, 10, B, SHOT2), pas_tir(0, 0, 10, C, SHOT2),
        fin_repeter(),
        pas(0, 0, 100), pas(-20, 0, 22), fois(11, pas_tir(20, 0, 2, E, SHOT2)), pas(0, 0, 60),
        repeter(2),
            pas(0, -2, 15), fois(3, pas_tir(0, 0, 10, D, SHOT2)),
            pas(0, 4, 15), fois(3, pas_tir(0, 0, 10, D, SHOT2)),
            pas(0, -2, 15), fois(3, pas_tir(0, 0, 10, D, SHOT2)),
        fin_repeter(),
        pas(0, 0, 100), pas(-20, 0, 22), fois(11, pas_tir(20, 0, 2, F, SHOT2)), pas(0, 0, 60),
    fin_repeter(),
    // 3.
    pas(0, 0, 60),
};
const Pas BOSS_FINAL_SUITE[] = {pas(6, 0, 100)};

// ---- the wave table, rows in creation order ----
// row, enemies, time of enemy 0, ms between enemies, how enemy i is chosen,
//   ennemi(type, x, y, span of the random height, entry, main, exit[, hit points, half-height])
//   porteur(type, x, y, bonus kind, bonus sound, the three carrier programs)

const Rangee VAGUES[] = {
    {1, 1, 2000, 0, UN_SEUL,
     {porteur(&ENNEMI_BONUS, 639, 240, 2, R2(son_voice3), PROGRAMMES_BONUS)}},
    {2, 50, 14000, 200, UN_SEUL,
     {ennemi(&TORPILLE, 639, 110, 300, programme(TORPILLE_ENTREE), programme(TORPILLE_PRINCIPAL),
             programme(TORPILLE_SORTIE))}},
    {3, 1, 16000, 0, UN_SEUL,
     {porteur(&ENNEMI_BONUS, 639, 240, 0, R2(son_voice1), PROGRAMMES_BONUS)}},
    {4, 150, 33000, 100, UN_SEUL,
     {ennemi(&TORPILLE, 639, 110, 300, programme(TORPILLE_RAPIDE_ENTREE),
             programme(TORPILLE_RAPIDE_PRINCIPAL), programme(TORPILLE_RAPIDE_SORTIE))}},
    {5, 1, 35000, 0, UN_SEUL,
     {ennemi(&BOSS_MOYEN, 639, 185, 0, programme(BOSS_MOYEN_1_ENTREE),
             programme(BOSS_MOYEN_SUITE), programme(BOSS_MOYEN_SUITE))}},
    {6, 1, 54000, 0, UN_SEUL,
     {porteur(&ENNEMI_BONUS, 639, 180, 3, R2(son_voice4), PROGRAMMES_BONUS)}},
    {7, 10, 69000, 1200, COTE_PARITE,
     {ennemi(&GRISOR, -127, 80, 0, programme(GRISOR_GAUCHE_ENTREE), programme(GRISOR_GAUCHE_SUITE),
             programme(GRISOR_GAUCHE_SUITE)),
      ennemi(&GRISOR, 639, 80, 0, programme(GRISOR_DROITE_ENTREE), programme(GRISOR_DROITE_SUITE),
             programme(GRISOR_DROITE_SUITE))}},
    {8, 1, 72000, 0, UN_SEUL,
     {porteur(&ENNEMI_BONUS, 639, 300, 0, R2(son_voice1), PROGRAMMES_BONUS)}},
    {9, 1, 75000, 0, UN_SEUL,
     {ennemi(&BOSS_MOYEN, 639, 185, 0, programme(BOSS_MOYEN_2_ENTREE),
             programme(BOSS_MOYEN_SUITE), programme(BOSS_MOYEN_SUITE))}},
    {10, 150, 117000, 100, UN_SEUL,
     {ennemi(&TORPILLE, 639, 110, 300, programme(TORPILLE_RAPIDE_ENTREE),
             programme(TORPILLE_RAPIDE_PRINCIPAL), programme(TORPILLE_RAPIDE_SORTIE))}},
    {11, 1, 119000, 0, UN_SEUL,
     {porteur(&ENNEMI_BONUS, 639, 300, 0, R2(son_voice1), PROGRAMMES_BONUS)}},
    {12, 1, 122000, 0, UN_SEUL,
     {ennemi(&BOSS_FINAL, 639, 94, 0, programme(BOSS_FINAL_ENTREE), programme(BOSS_FINAL_SUITE),
             programme(BOSS_FINAL_SUITE))}},
};

const ScriptVagues SCRIPT = {SALVES, NB_SALVES, VAGUES, (int)(sizeof VAGUES / sizeof VAGUES[0])};

}  // namespace

void creer_vagues_niveau_2(Monde* monde, RessourcesEnnemis2* ressources) {
    construire_vagues(monde, ressources, &SCRIPT);
}
