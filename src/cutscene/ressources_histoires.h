// The asset sets of the two stories: every picture and music a story shows or plays, loaded
// during its opening while the loading picture is up and released when the story ends. Each
// set is described by a const table (field, file, kind, colour key) walked by the shared loader.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>

#include "core/ressources.h"

typedef struct RessourcesIntro {
    SDL_Surface* ange;  // 1 loaded, not drawn, key (255, 255, 255)
    SDL_Surface* base1;  // 2 base animation, first picture
    SDL_Surface* base2;  // 3 base animation, second picture
    SDL_Surface* base3;  // 4 base animation, third picture
    SDL_Surface* bloc_milieu;  // 5 blinking overlay of the base, key (60, 206, 255)
    SDL_Surface* couloir;  // 6 corridor over the landscape; picture of the scrolling layer, key (255, 0, 255)
    SDL_Surface* desert1;  // 7 loaded, not drawn
    SDL_Surface* desert2;  // 8 loaded, not drawn
    SDL_Surface* desert3;  // 9 loaded, not drawn
    SDL_Surface* sabri;  // 10 portrait of sabri
    SDL_Surface* sabri1;  // 11 dialogue line
    SDL_Surface* sabri2;  // 12 dialogue line
    SDL_Surface* sabri3;  // 13 dialogue line
    SDL_Surface* end_intro;  // 14 closing picture
    SDL_Surface* general;  // 15 sheet of the General, key (255, 255, 255)
    SDL_Surface* gentil;  // 16 sheet of both Gentil figures, key (255, 255, 255)
    SDL_Surface* gentille;  // 17 sheet of the Gentille, key (255, 255, 255)
    SDL_Surface* olek;  // 18 portrait of Olek
    SDL_Surface* olek_1;  // 19 dialogue line
    SDL_Surface* olek_2;  // 20 dialogue line
    SDL_Surface* olek_3;  // 21 dialogue line
    SDL_Surface* olek_4;  // 22 dialogue line
    SDL_Surface* olek_5;  // 23 dialogue line
    SDL_Surface* olek_6;  // 24 dialogue line
    SDL_Surface* olek_7;  // 25 dialogue line
    SDL_Surface* journal1;  // 26 newspaper
    SDL_Surface* journal2;  // 27 newspaper
    SDL_Surface* journal3;  // 28 newspaper
    SDL_Surface* journal4;  // 29 newspaper
    SDL_Surface* journal5;  // 30 newspaper
    SDL_Surface* journal6;  // 31 newspaper
    SDL_Surface* dorvin;  // 32 portrait of dorvin
    SDL_Surface* dorvin1;  // 33 dialogue line
    SDL_Surface* dorvin2;  // 34 dialogue line
    SDL_Surface* dorvin3;  // 35 dialogue line
    SDL_Surface* dorvin4;  // 36 dialogue line
    SDL_Surface* dorvin5;  // 37 dialogue line
    SDL_Surface* dorvin6;  // 38 dialogue line
    SDL_Surface* loading1;  // 39 loaded, not drawn (the caller's picture is shown)
    SDL_Surface* lumiere;  // 40 blinking overlay of the base, key (25, 37, 242)
    SDL_Surface* mort;  // 41 loaded, not drawn, key (255, 255, 255)
    SDL_Surface* mythique;  // 42 title card
    SDL_Surface* paysage;  // 43 landscape behind the corridor
    SDL_Surface* serpent;  // 44 loaded, not drawn, key (255, 255, 255)
    SDL_Surface* soldat;  // 45 loaded, not drawn, key (255, 255, 255)
    Mix_Music* musique_intro;  // 46 first music, from the title card on
    Mix_Music* musique_sad;  // 47 second music, from the newspaper on
} RessourcesIntro;

typedef struct RessourcesInterlude {
    SDL_Surface* ange;  // 1 loaded, not drawn, key (255, 255, 255)
    SDL_Surface* blanc;  // 2 white room
    SDL_Surface* blanc1;  // 3 white room, second view; picture of the scrolling layer
    SDL_Surface* couloir;  // 4 corridor over the landscape, key (255, 0, 255)
    SDL_Surface* cruel;  // 5 title card
    SDL_Surface* desert1;  // 6 desert animation, first picture
    SDL_Surface* desert2;  // 7 desert animation, second picture; still desert of shots 1 to 7
    SDL_Surface* desert3;  // 8 loaded, not drawn
    SDL_Surface* desert_vaisseau;  // 9 loaded, not drawn
    SDL_Surface* desert_vaisseau1;  // 10 ship picture 1; newspaper background
    SDL_Surface* desert_vaisseau1a;  // 11 ship picture 2
    SDL_Surface* desert_vaisseau1b;  // 12 ship picture 3
    SDL_Surface* desert_vaisseau1c;  // 13 ship picture 4
    SDL_Surface* desert_vaisseau1d;  // 14 ship picture 5
    SDL_Surface* desert_vaisseau_adieu;  // 15 loaded, not drawn
    SDL_Surface* desert_vaisseau_adieu1;  // 16 farewell animation
    SDL_Surface* desert_vaisseau_adieu2;  // 17 farewell animation
    SDL_Surface* desert_vaisseau_adieu3;  // 18 farewell animation
    SDL_Surface* desert_vaisseau_adieu4;  // 19 farewell animation
    SDL_Surface* desert_vaisseau_adieu5;  // 20 farewell animation
    SDL_Surface* desert_vaisseau_adieu6;  // 21 farewell animation
    SDL_Surface* sabri;  // 22 portrait of sabri
    SDL_Surface* sabri3;  // 23 dialogue line
    SDL_Surface* sabri4;  // 24 dialogue line
    SDL_Surface* sabri5;  // 25 dialogue line
    SDL_Surface* sabri6;  // 26 dialogue line
    SDL_Surface* general;  // 27 sheet of the General, key (255, 255, 255)
    SDL_Surface* gentil;  // 28 sheet of the Gentil, key (255, 255, 255)
    SDL_Surface* gentille;  // 29 sheet of both Gentille figures, key (255, 255, 255)
    SDL_Surface* olek;  // 30 portrait of Olek
    SDL_Surface* olek_8;  // 31 dialogue line
    SDL_Surface* olek_9;  // 32 dialogue line
    SDL_Surface* olek_10;  // 33 dialogue line
    SDL_Surface* olek_11;  // 34 dialogue line
    SDL_Surface* olek_12;  // 35 dialogue line
    SDL_Surface* olek_13;  // 36 dialogue line
    SDL_Surface* olek_14;  // 37 dialogue line
    SDL_Surface* olek_15;  // 38 dialogue line
    SDL_Surface* journal7;  // 39 newspaper
    SDL_Surface* journal71;  // 40 newspaper overlay over the ship, key (255, 128, 128)
    SDL_Surface* journal72;  // 41 newspaper overlay over the ship, key (255, 128, 128)
    SDL_Surface* journal73;  // 42 newspaper overlay over the ship, key (255, 128, 128)
    SDL_Surface* journal74;  // 43 newspaper overlay over the ship, key (255, 128, 128)
    SDL_Surface* dorvin;  // 44 portrait of dorvin
    SDL_Surface* dorvin7;  // 45 dialogue line
    SDL_Surface* dorvin8;  // 46 dialogue line
    SDL_Surface* dorvin9;  // 47 dialogue line
    SDL_Surface* dorvin10;  // 48 dialogue line
    SDL_Surface* dorvin11;  // 49 dialogue line
    SDL_Surface* loading1;  // 50 loaded, not drawn (the caller's picture is shown)
    SDL_Surface* mort;  // 51 sheet of Mort, key (255, 255, 255)
    SDL_Surface* mort_gentil;  // 52 sheet of both Mort_Gentil figures, key (255, 255, 255)
    SDL_Surface* mort_gentil1;  // 53 sheet of Mort_Gentil1, on the ship, key (255, 255, 255)
    SDL_Surface* narrateur;  // 54 narrator's empty box
    SDL_Surface* narrateur1;  // 55 narrator's text
    SDL_Surface* narrateur2;  // 56 narrator's text
    SDL_Surface* narrateur3;  // 57 narrator's text
    SDL_Surface* paysage;  // 58 landscape behind the corridor, first picture
    SDL_Surface* paysage1;  // 59 landscape, second picture
    SDL_Surface* soldat;  // 60 sheet of the soldiers, key (255, 255, 255)
    SDL_Surface* serpent;  // 61 sheet of the snakes (64x48 frames), key (255, 255, 255)
    SDL_Surface* serpent_mord;  // 62 loaded, not drawn, key (255, 255, 255)
    SDL_Surface* vieux3;  // 63 between the desert and the base
    Mix_Music* musique_mort;  // 64 first music, from the title card on
    Mix_Music* musique_bye;  // 65 second music, from the base on
} RessourcesInterlude;

// Loaders: allocate the record and fill every field in table order (pictures keyed and
// converted to the display format). A missing or unreadable file stops the game with one line.
RessourcesIntro* charger_intro(void);
RessourcesInterlude* charger_interlude(void);
// Release: frees every picture and music of the record exactly once, then the record. Freeing
// a music that is fading out lets the fade finish first. NULL is allowed.
void liberer_intro(RessourcesIntro* ressources);
void liberer_interlude(RessourcesInterlude* ressources);

// The description tables, in field order (for the tests and the list of files the game loads).
typedef struct TableRessourcesHistoire {
    const char* nom;  // record name, e.g. "RessourcesIntro"
    const EntreeRessource* entrees;
    int nb;
} TableRessourcesHistoire;
extern const TableRessourcesHistoire TABLES_RESSOURCES_HISTOIRES[2];
