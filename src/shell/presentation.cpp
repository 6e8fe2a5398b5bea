// Splash screen and title menu (see presentation.h).
#include "shell/presentation.h"

#include "core/calculs.h"
#include "platform/plateforme.h"
#include "shell/cadence.h"

static void montrer_jusqu_a_entree(SDL_Surface* ecran, SDL_Surface* image, Uint32* prochaine_image) {
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
        attendre_cadence(prochaine_image, PERIODE_IMAGE);
    }
}

int afficher_presentation(SDL_Surface* ecran, SDL_Surface* premiere, SDL_Surface* seconde) {
    // Paced like every other scene: without it the loop would spin a core wherever a flip
    // does not wait for the display.
    Uint32 prochaine_image = 0;
    montrer_jusqu_a_entree(ecran, premiere, &prochaine_image);
    montrer_jusqu_a_entree(ecran, seconde, &prochaine_image);
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
