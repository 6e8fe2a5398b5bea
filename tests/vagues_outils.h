// Helpers of the wave-script tests: a headless SDL screen, enemy asset sets made of small
// distinct surfaces (so the tests never depend on the art pack), and the pending list read
// from its head.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "combat/monde.h"
#include "core/liste.h"
#include "enemies/ennemi.h"
#include "enemies/vagues.h"
#include "level/ressources_niveau.h"
#include "platform/plateforme.h"

inline SDL_Surface* ecran_de_test() {
    static SDL_Surface* ecran = nullptr;
    if (!ecran) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (SDL_Init(SDL_INIT_VIDEO) != 0) return nullptr;
        ecran = SDL_SetVideoMode(640, 480, 32, 0);
    }
    return ecran;
}

// Stand-ins for the sounds: never played (no audio device is open in the tests, and a step
// with a sound would then be played), only compared by address.
inline Mix_Chunk* faux_son(int k) {
    static Mix_Chunk sons[64];
    return &sons[k];
}

// An enemy asset set of the named record ("RessourcesEnnemis1" or "RessourcesEnnemis2") whose
// pictures are distinct 4 x 4 surfaces and whose sounds are distinct stand-ins (avec_sons) or
// null (for the tests that run programs).
template <typename R>
R* ressources_factices(const char* nom, bool avec_sons) {
    const TableRessources* t = nullptr;
    for (const TableRessources& x : TABLES_RESSOURCES_NIVEAUX)
        if (strcmp(x.nom, nom) == 0) t = &x;
    R* r = (R*)calloc(1, sizeof(R));
    for (int k = 0; t && k < t->nb; ++k) {
        void** champ = (void**)((char*)r + t->entrees[k].decalage);
        if (t->entrees[k].genre == RES_SON)
            *champ = avec_sons ? faux_son(k) : nullptr;
        else
            *champ = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0, 0, 0, 0);
    }
    return r;
}

template <typename R>
void liberer_factices(R* r, const char* nom) {
    for (const TableRessources& x : TABLES_RESSOURCES_NIVEAUX) {
        if (strcmp(x.nom, nom) != 0) continue;
        for (int k = 0; k < x.nb; ++k)
            if (x.entrees[k].genre != RES_SON)
                SDL_FreeSurface(*(SDL_Surface**)((char*)r + x.entrees[k].decalage));
    }
    free(r);
}

// The pending enemies from the head.
inline std::vector<Ennemi*> file_attente(Monde* m) {
    std::vector<Ennemi*> v;
    if (!m->en_attente) return v;
    for (debut_liste(m->en_attente); !fin_liste(m->en_attente); suivant_liste(m->en_attente))
        v.push_back((Ennemi*)valeur_liste(m->en_attente));
    debut_liste(m->en_attente);
    return v;
}

inline int longueur(Etape* const* programme) {
    int n = 0;
    while (n < NB_ETAPES_MAX && programme[n]) ++n;
    return n;
}

inline int nb_modeles(const Etape* e) {
    int n = 0;
    while (n < NB_MODELES_TIR && e->modeles_tir[n]) ++n;
    return n;
}

inline std::vector<Ennemi*> du_type(const std::vector<Ennemi*>& v, const char* nom) {
    std::vector<Ennemi*> r;
    for (Ennemi* e : v)
        if (strcmp(e->nom, nom) == 0) r.push_back(e);
    return r;
}

// Total movement of a program: sum of dx × nb_images and dy × nb_images.
inline void deplacement(Etape* const* programme, int* dx, int* dy, int* images) {
    *dx = *dy = *images = 0;
    for (int k = 0; k < NB_ETAPES_MAX && programme[k]; ++k) {
        *dx += programme[k]->dx * programme[k]->nb_images;
        *dy += programme[k]->dy * programme[k]->nb_images;
        *images += programme[k]->nb_images;
    }
}

// One level built in a fresh world, with dummy assets; everything is freed at the end.
template <typename R>
struct Niveau {
    static const char* nom_table();
    void construire();
    R* res;
    Monde* monde;
    std::vector<Ennemi*> file;
    explicit Niveau(unsigned graine, bool avec_sons = true) {
        ecran_de_test();
        plateforme_simuler(graine);
        res = ressources_factices<R>(nom_table(), avec_sons);
        monde = creer_monde(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr);
        construire();
        file = file_attente(monde);
    }
    ~Niveau() {
        detruire_monde(monde);
        liberer_factices(res, nom_table());
    }
};

template <>
inline const char* Niveau<RessourcesEnnemis1>::nom_table() { return "RessourcesEnnemis1"; }
template <>
inline const char* Niveau<RessourcesEnnemis2>::nom_table() { return "RessourcesEnnemis2"; }
template <>
inline void Niveau<RessourcesEnnemis1>::construire() { creer_vagues_niveau_1(monde, res); }
template <>
inline void Niveau<RessourcesEnnemis2>::construire() { creer_vagues_niveau_2(monde, res); }

typedef Niveau<RessourcesEnnemis1> Niveau1;
typedef Niveau<RessourcesEnnemis2> Niveau2;
