// Splash screen and title menu (see presentation.h).
#include "shell/presentation.h"

#include "core/calculs.h"
#include "platform/plateforme.h"

static void montrer_jusqu_a_entree(SDL_Surface* ecran, SDL_Surface* image) {
    int compteur = 0;
    int fini = 0;
    SDL_Event evenement;
    while (!fini) {
        SDL_BlitSurface(image, NULL, ecran, NULL);
        plateforme_afficher(ecran);
        while (plateforme_evenement(&evenement)) {
            if (evenement.type == SDL_QUIT) fini = 1;
            else if (evenement.type == SDL_KEYDOWN && evenement.key.keysym.sym == SDLK_RETURN && compteur > 10)
                fini = 1;
        }
        ++compteur;
    }
}

int afficher_presentation(SDL_Surface* ecran, SDL_Surface* premiere, SDL_Surface* seconde) {
    montrer_jusqu_a_entree(ecran, premiere);
    montrer_jusqu_a_entree(ecran, seconde);
    return 1;
}

int menu_titre(SDL_Surface* ecran, SDL_Surface* titre, SDL_Surface* curseur) {
    int clignotement = 1;
    int pret = 0;
    int fini = 0;
    SDL_Event evenement;
    while (!fini) {
        SDL_BlitSurface(titre, NULL, ecran, NULL);
        if (clignotement < 3) {
            SDL_Rect position = creer_rect(160, 400, curseur->w, curseur->h);
            SDL_BlitSurface(curseur, NULL, ecran, &position);
        }
        plateforme_afficher(ecran);
        while (plateforme_evenement(&evenement)) {
            if (evenement.type == SDL_QUIT) {
                fini = 1;
            } else if (evenement.type == SDL_KEYDOWN && pret > 1) {
                if (evenement.key.keysym.sym == SDLK_ESCAPE) fini = 1;
                else if (evenement.key.keysym.sym == SDLK_RETURN) return 1;
            }
        }
        plateforme_attendre(250);
        clignotement = clignotement == 4 ? 1 : clignotement + 1;
        pret = 2;
    }
    return 0;
}
