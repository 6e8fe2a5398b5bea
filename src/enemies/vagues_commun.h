// The shared vocabulary of the two wave scripts: enemy types, shot-template lists, movement
// programs and wave rows as const tables, and the builder that turns a level's tables into
// enemies queued in the world's pending list. Pictures and sounds are named by the offset of
// their field in the level's enemy asset set, so one table format serves both levels.
#pragma once
#include <SDL.h>
#include <stddef.h>

#include "enemies/ennemi.h"

typedef struct Monde Monde;

// "No picture" / "no sound" in a table cell.
#define SANS_CHAMP ((size_t)-1)

// ---- shot-template lists ----

// One template of a list: offset from the shooter's top-left corner and size, velocity,
// multipliers. Every enemy shot is of kind 0.
typedef struct ModeleTir {
    int x, y, w, h;
    int vx0, vy0;
    double ax, ay;
} ModeleTir;

// A named list of up to ten templates sharing the same two pictures.
typedef struct Salve {
    const char* nom;       // the list's name, for the reader
    int anime;             // 1 = made with creer_tir_anime (multipliers 1.0), 0 = creer_tir_accelere
    size_t image_a;        // first and second flight pictures
    size_t image_b;
    int nb;
    ModeleTir modeles[NB_MODELES_TIR];
} Salve;

// ---- movement programs ----

enum GenrePas { PAS_ETAPE, PAS_REPETER, PAS_FIN_REPETER };
enum { SANS_SALVE = -1 };

// One entry of a program table. PAS_ETAPE appends `fois` identical steps "(dx, dy) × n" (fired
// with list `salve` and sound `son` when salve is set); PAS_REPETER opens "k × [" and
// PAS_FIN_REPETER closes the matching "]". Groups may nest.
typedef struct Pas {
    int genre;
    int fois;              // steps appended in a row, or k of a group
    int dx, dy;
    int nb_images;
    int hasard_images;     // > 0: the step lasts nb_images + hasard(hasard_images) frames
    int salve;             // index in the level's list table, SANS_SALVE for a silent move
    size_t son;            // sound of a firing step, SANS_CHAMP for none
} Pas;

// (dx, dy) × n
constexpr Pas pas(int dx, int dy, int n) {
    return Pas{PAS_ETAPE, 1, dx, dy, n, 0, SANS_SALVE, SANS_CHAMP};
}
// (dx, dy) × (n + hasard(etendue)), drawn when the enemy is built
constexpr Pas pas_hasard(int dx, int dy, int n, int etendue) {
    return Pas{PAS_ETAPE, 1, dx, dy, n, etendue, SANS_SALVE, SANS_CHAMP};
}
// (dx, dy) × n firing `salve` with `son`
constexpr Pas pas_tir(int dx, int dy, int n, int salve, size_t son) {
    return Pas{PAS_ETAPE, 1, dx, dy, n, 0, salve, son};
}
// k × step: the step appended k times in a row
constexpr Pas fois(int k, Pas p) {
    p.fois = k;
    return p;
}
// k × [ ... ]
constexpr Pas repeter(int k) { return Pas{PAS_REPETER, k, 0, 0, 0, 0, SANS_SALVE, SANS_CHAMP}; }
constexpr Pas fin_repeter() { return Pas{PAS_FIN_REPETER, 0, 0, 0, 0, 0, SANS_SALVE, SANS_CHAMP}; }

// A program table and its length (one of an enemy's three programs, before unrolling).
typedef struct TablePas {
    const Pas* pas;
    int nb;
} TablePas;

template <size_t N>
constexpr TablePas programme(const Pas (&table)[N]) {
    return TablePas{table, (int)N};
}

// ---- enemy types ----

// Everything an enemy takes from its type: body, score, pictures, explosion and the three
// program flags. Rows may override the hit points and the half-height.
typedef struct TypeEnnemi {
    const char* nom;
    int w, h;
    int vie;
    int nb_tirs_max;
    int demi_largeur, demi_hauteur;
    int points;
    size_t images[4];        // images[0] is also the constructor's picture
    size_t images_flash[4];  // images_flash[0] = SANS_CHAMP: left as the constructor set them
    int vitesse_anim;        // 0 = the default thresholds 5, 10, 15, 20
    size_t explosion;
    int nb_etapes_explosion;
    int largeur_explosion, hauteur_explosion;
    int duree_etape;         // ms per explosion frame
    size_t son_explosion;
    int avec_entree, boucle_principal, fin_sortie;
    size_t images_bonus[4];  // bonus carriers only (indexed by bonus kind); SANS_CHAMP otherwise
} TypeEnnemi;

// ---- wave rows ----

// One enemy as a row describes it: type, start, programs and the row's own values.
typedef struct Membre {
    const TypeEnnemi* type;
    int x, y;
    int hasard_y;            // y + hasard(hasard_y); negative: y − hasard(−hasard_y); 0: fixed y
    TablePas entree, principal, sortie;
    int vie;                 // 0 = the type's hit points
    int demi_hauteur;        // 0 = the type's half-height
    int type_bonus;          // carriers: bonus kind 0..3
    size_t son_bonus;        // carriers: sound played when the bonus is collected
} Membre;

// How a row picks its member for enemy i.
enum ChoixMembre {
    UN_SEUL,       // one enemy per i: member 0
    PAIRE,         // two enemies per i: member 0, then member 1
    COTE_HASARD,   // r = hasard(2) drawn first: member 0 when r = 1, else member 1
    COTE_PARITE,   // member 0 for odd i, member 1 for even i
};

// One row of a wave table: `nombre` enemies, enemy i due at temps − ecart × i ms.
typedef struct Rangee {
    int numero;              // the row's number, for the reader
    int nombre;
    int temps, ecart;
    int choix;               // ChoixMembre
    Membre membres[2];
} Rangee;

constexpr Membre ennemi(const TypeEnnemi* type, int x, int y, int hasard_y, TablePas entree,
                        TablePas principal, TablePas sortie, int vie = 0, int demi_hauteur = 0) {
    return Membre{type, x, y, hasard_y, entree, principal, sortie, vie, demi_hauteur, 0, SANS_CHAMP};
}
constexpr Membre porteur(const TypeEnnemi* type, int x, int y, int type_bonus, size_t son_bonus,
                         TablePas entree, TablePas principal, TablePas sortie) {
    return Membre{type, x, y, 0, entree, principal, sortie, 0, 0, type_bonus, son_bonus};
}

// A whole level: its shot-template lists and its wave table, rows in creation order.
typedef struct ScriptVagues {
    const Salve* salves;
    int nb_salves;
    const Rangee* rangees;
    int nb_rangees;
} ScriptVagues;

// Seeds the random generator (initialiser_hasard), builds the template lists, then every enemy
// row by row (random draws in row order, enemy by enemy, in the order the row is written),
// and queues them with ajouter_ennemi so that the pending list, read from its head, runs row
// by row in table order and, inside a row, from the last-built enemy back to the first (in a
// pair, the second member ahead of the first). The template lists are released once every
// step has taken its copies. Pictures and sounds are borrowed from `ressources`.
void construire_vagues(Monde* monde, const void* ressources, const ScriptVagues* script);

// Number of enemies the script builds (for the loop that sizes its work, and the tests).
int compter_ennemis(const ScriptVagues* script);
