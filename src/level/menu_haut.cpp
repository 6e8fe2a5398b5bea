// The top bar of a level (see menu_haut.h).
#include "level/menu_haut.h"

#include <stddef.h>
#include <stdlib.h>

#include "combat/monde.h"
#include "core/calculs.h"
#include "core/ressources.h"
#include "ship/vaisseau.h"

const EntreeRessource IMAGES_MENU_HAUT[] = {
    {offsetof(MenuHaut, fond), "./Images/Menu_Haut.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, curseur_rouge), "./Images/Curseur_Rouge.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(MenuHaut, curseur_noir), "./Images/Curseur_Noir.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, zero), "./Images/Zero.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, un), "./Images/Un.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, deux), "./Images/Deux.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, trois), "./Images/Trois.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, quatre), "./Images/Quatre.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, cinq), "./Images/Cinq.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, six), "./Images/Six.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, sept), "./Images/Sept.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, huit), "./Images/Huit.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, neuf), "./Images/Neuf.png", RES_IMAGE, 0, 0, 0},
    {offsetof(MenuHaut, triangle_vitesse), "./Images/Triangle_Vitesse.png", RES_IMAGE, 0, 0, 0},
};
const int NB_IMAGES_MENU_HAUT = (int)(sizeof IMAGES_MENU_HAUT / sizeof IMAGES_MENU_HAUT[0]);

// Weapon slots, speed triangles: first position and spacing.
static const int X_ARME = 272, Y_ARME = 32, PAS_ARME = 48, COTE_ARME = 32;
static const int X_TRIANGLE = 546, Y_TRIANGLE = 48, PAS_TRIANGLE = 16;
static const int X_SCORE = 143, Y_SCORE = 41, PAS_SCORE = 16;

void preparer_menu_haut(MenuHaut* menu) {
    SDL_Surface* const chiffres[10] = {menu->zero, menu->un,   menu->deux, menu->trois, menu->quatre,
                                       menu->cinq, menu->six,  menu->sept, menu->huit,  menu->neuf};
    if (!menu->chiffres) menu->chiffres = (SDL_Surface**)malloc(10 * sizeof(SDL_Surface*));
    for (int i = 0; i < 10; ++i) menu->chiffres[i] = chiffres[i];
    for (int i = 0; i < 5; ++i) menu->rect_score[i] = creer_rect(X_SCORE + PAS_SCORE * i, Y_SCORE, 16, 16);
    menu->rect_vies = creer_rect(592, 32, 16, 16);
}

MenuHaut* charger_menu_haut(void) {
    MenuHaut* menu = (MenuHaut*)calloc(1, sizeof(MenuHaut));
    charger_table(menu, IMAGES_MENU_HAUT, NB_IMAGES_MENU_HAUT);
    preparer_menu_haut(menu);
    return menu;
}

// SDL writes the clipped rectangle back into the destination: blit through a copy.
static void poser(SDL_Surface* image, SDL_Rect rect, SDL_Surface* ecran) {
    SDL_BlitSurface(image, NULL, ecran, &rect);
}

void afficher_menu_haut(const MenuHaut* menu, const Monde* monde, SDL_Surface* ecran) {
    const Vaisseau* v = monde->vaisseau;
    poser(menu->fond, creer_rect(0, 0, 640, 80), ecran);
    for (int i = 0; i < NB_ARMES; ++i) {
        SDL_Rect place = creer_rect(X_ARME + PAS_ARME * i, Y_ARME, COTE_ARME, COTE_ARME);
        if (v->armes[i] == 0) poser(menu->curseur_noir, place, ecran);
        else if (i == v->arme) poser(menu->curseur_rouge, place, ecran);
    }
    for (int j = 0; j < v->vitesse; ++j)
        poser(menu->triangle_vitesse, creer_rect(X_TRIANGLE + PAS_TRIANGLE * j, Y_TRIANGLE, 12, 16), ecran);
    poser(menu->chiffres[v->vie], menu->rect_vies, ecran);
    int reste = monde->score;
    int unite = 10000;
    for (int i = 0; i < 5; ++i) {
        int chiffre = reste / unite;
        poser(menu->chiffres[chiffre], menu->rect_score[i], ecran);
        reste -= chiffre * unite;
        unite /= 10;
    }
}

void liberer_menu_haut(MenuHaut* menu) {
    if (!menu) return;
    liberer_table(menu, IMAGES_MENU_HAUT, NB_IMAGES_MENU_HAUT);
    free(menu->chiffres);
    free(menu);
}
