// The four level asset sets: everything a level shows and plays (set A: scenery, messages,
// the player's ship and shots, its sounds and music) and everything its enemies use (set B,
// handed to the wave script). Each record owns every surface, sound and music in it; a file
// listed twice is loaded twice into two independent fields. Each set is described by a const
// table (field, file, kind, colour key) walked by the shared loader.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>

#include "core/ressources.h"

typedef struct RessourcesNiveau1 {
    SDL_Surface*  blanc;  // 1 "./Images/Blanc.png"
    SDL_Surface*  chargement;  // 2 "./Images/Chargement.png"
    SDL_Surface*  desert_bas;  // 3 "./Images/Desert_Bas.png"
    SDL_Surface*  desert_bas1;  // 4 "./Images/Desert_Bas1.png"
    SDL_Surface*  desert_bas1a;  // 5 "./Images/Desert_Bas1a.png"
    SDL_Surface*  desert_bas1b;  // 6 "./Images/Desert_Bas1b.png"
    SDL_Surface*  desert_bas1a_gris;  // 7 "./Images/Desert_Bas1a_gris.png"
    SDL_Surface*  desert_haut1;  // 8 "./Images/Desert_Haut1.png"
    SDL_Surface*  desert_haut1a;  // 9 "./Images/Desert_Haut1a.png"
    SDL_Surface*  desert_haut1b;  // 10 "./Images/Desert_Haut1b.png"
    SDL_Surface*  desert_haut1a_gris;  // 11 "./Images/Desert_Haut1a_Gris.png"
    SDL_Surface*  desert_sol1a;  // 12 "./Images/Desert_Sol1a.png" key (255, 0, 255)
    SDL_Surface*  desert_sol1a_2;  // 13 "./Images/Desert_Sol1a.png" key (255, 0, 255)
    SDL_Surface*  desert_sol1b;  // 14 "./Images/Desert_Sol1b.png" key (255, 0, 255)
    SDL_Surface*  desert_sol1a_gris;  // 15 "./Images/Desert_Sol1a_Gris.png" key (104, 104, 104)
    SDL_Surface*  emergency;  // 16 "./Images/Emergency.png" key (0, 0, 0)
    SDL_Surface*  emergency1;  // 17 "./Images/Emergency1.png" key (0, 0, 0)
    SDL_Surface*  explosions1;  // 18 "./Images/Explosions1.png" key (0, 0, 0)
    SDL_Surface*  game_over;  // 19 "./Images/Game_Over.png" key (0, 0, 0)
    SDL_Surface*  impact1;  // 20 "./Images/Impact1.png" key (255, 0, 255)
    SDL_Surface*  impact2;  // 21 "./Images/Impact2.png" key (255, 0, 255)
    SDL_Surface*  impact3;  // 22 "./Images/Impact3.png" key (255, 0, 255)
    SDL_Surface*  impact4;  // 23 "./Images/Impact4.png" key (255, 0, 255)
    SDL_Surface*  module1;  // 24 "./Images/Module1.png" key (0, 255, 0)
    SDL_Surface*  module2;  // 25 "./Images/Module2.png" key (0, 255, 0)
    SDL_Surface*  module3;  // 26 "./Images/Module3.png" key (0, 255, 0)
    SDL_Surface*  module4;  // 27 "./Images/Module4.png" key (0, 255, 0)
    SDL_Surface*  vaisseau1;  // 28 "./Images/Vaisseau1.png" key (255, 255, 0)
    SDL_Surface*  vaisseau1_invincible;  // 29 "./Images/Vaisseau1_Invincible.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_bas0;  // 30 "./Images/Vaisseau_Bas0.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_bas0_invincible;  // 31 "./Images/Vaisseau_Bas0_Invincible.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_bas;  // 32 "./Images/Vaisseau_Bas.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_bas_invincible;  // 33 "./Images/Vaisseau_Bas_Invincible.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_haut0;  // 34 "./Images/Vaisseau_Haut0.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_haut0_invincible;  // 35 "./Images/Vaisseau_Haut0_Invincible.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_haut;  // 36 "./Images/Vaisseau_Haut.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_haut_invincible;  // 37 "./Images/Vaisseau_Haut_Invincible.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_tir1;  // 38 "./Images/Vaisseau_Tir1.png" key (0, 0, 255)
    SDL_Surface*  vaisseau_tir2;  // 39 "./Images/Vaisseau_Tir2.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_tir3;  // 40 "./Images/Vaisseau_Tir3.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_tir3a;  // 41 "./Images/Vaisseau_Tir3a.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_tir3b;  // 42 "./Images/Vaisseau_Tir3b.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_tir4;  // 43 "./Images/Vaisseau_Tir4.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_tir5;  // 44 "./Images/Vaisseau_Tir5.png" key (255, 0, 255)
    Mix_Music*    musique_steelofdestiny;  // 45 "Sound/SteelOfDestiny.ogg"
    Mix_Music*    musique_boss;  // 46 "Sound/Boss.ogg"
    Mix_Chunk*    son_hero_tir1;  // 47 "Sound/Hero_Tir1.wav"
    Mix_Chunk*    son_hero_tir2;  // 48 "Sound/Hero_Tir2.wav"
    Mix_Chunk*    son_hero_tir31;  // 49 "Sound/Hero_Tir31.wav"
    Mix_Chunk*    son_hero_tir41;  // 50 "Sound/Hero_Tir41.wav"
    Mix_Chunk*    son_curseur;  // 51 "Sound/Curseur.wav"
    Mix_Chunk*    son_emergency;  // 52 "Sound/Emergency.wav"
    Mix_Chunk*    son_cold1;  // 53 "Sound/Cold1.wav"
    Mix_Chunk*    son_cold4;  // 54 "Sound/Cold4.wav"
    Mix_Chunk*    son_explosion1;  // 55 "Sound/explosion1.wav"
    Mix_Chunk*    son_explosion2;  // 56 "Sound/explosion2.wav"
    Mix_Chunk*    son_explosion3;  // 57 "Sound/explosion3.wav"
} RessourcesNiveau1;

typedef struct RessourcesEnnemis1 {
    SDL_Surface*  bonus_1;  // 1 "./Images/Bonus_1.png" key (255, 0, 255)
    SDL_Surface*  bonus_2;  // 2 "./Images/Bonus_2.png" key (255, 0, 255)
    SDL_Surface*  bonus_3;  // 3 "./Images/Bonus_3.png" key (255, 0, 255)
    SDL_Surface*  boss1;  // 4 "./Images/Boss1.png" key (255, 0, 255)
    SDL_Surface*  boss1_flash;  // 5 "./Images/Boss1_Flash.png" key (255, 29, 255)
    SDL_Surface*  boss1a;  // 6 "./Images/Boss1a.png" key (255, 0, 255)
    SDL_Surface*  boss1a_flash;  // 7 "./Images/Boss1a_Flash.png" key (255, 29, 255)
    SDL_Surface*  ennemi_desert;  // 8 "./Images/Ennemi_Desert.png" key (255, 0, 255)
    SDL_Surface*  ennemi_desert_flash;  // 9 "./Images/Ennemi_Desert_Flash.png" key (255, 29, 255)
    SDL_Surface*  ennemi_tir1;  // 10 "./Images/Ennemi_Tir1.png" key (255, 0, 255)
    SDL_Surface*  ennemi_tir1a;  // 11 "./Images/Ennemi_Tir1a.png" key (255, 0, 255)
    SDL_Surface*  ennemi_tir2a;  // 12 "./Images/Ennemi_Tir2a.png" key (255, 0, 255)
    SDL_Surface*  ennemi_tir3a;  // 13 "./Images/Ennemi_Tir3a.png" key (255, 0, 255)
    SDL_Surface*  ennemi_tir3b;  // 14 "./Images/Ennemi_Tir3b.png" key (255, 0, 255)
    SDL_Surface*  explosions1;  // 15 "./Images/Explosions1.png" key (0, 0, 0)
    SDL_Surface*  explosion1a;  // 16 "./Images/Explosion1a.png" key (0, 0, 0)
    SDL_Surface*  explosion2;  // 17 "./Images/Explosion2.png" key (0, 0, 0)
    SDL_Surface*  explosion_boss;  // 18 "./Images/Explosion_Boss.png" key (0, 0, 0)
    SDL_Surface*  explosions1_2;  // 19 "./Images/Explosions1.png" key (0, 0, 0)
    SDL_Surface*  mechant_bonus;  // 20 "./Images/Mechant_Bonus.png" key (255, 0, 255)
    SDL_Surface*  mechant_bonus1;  // 21 "./Images/Mechant_Bonus1.png" key (255, 0, 255)
    SDL_Surface*  module1;  // 22 "./Images/Module1.png" key (0, 255, 0)
    SDL_Surface*  muloi;  // 23 "./Images/Muloi.png" key (255, 0, 255)
    SDL_Surface*  muloi_flash;  // 24 "./Images/Muloi_Flash.png" key (255, 29, 255)
    SDL_Surface*  muloi1;  // 25 "./Images/Muloi1.png" key (255, 0, 255)
    SDL_Surface*  muloi1_flash;  // 26 "./Images/Muloi1_Flash.png" key (255, 29, 255)
    SDL_Surface*  octopus;  // 27 "./Images/Octopus.png" key (255, 0, 255)
    SDL_Surface*  octopus_flash;  // 28 "./Images/Octopus_Flash.png" key (255, 29, 255)
    SDL_Surface*  octopus1;  // 29 "./Images/Octopus1.png" key (255, 0, 255)
    SDL_Surface*  octopus1_flash;  // 30 "./Images/Octopus1_Flash.png" key (255, 29, 255)
    SDL_Surface*  torpille;  // 31 "./Images/Torpille.png" key (255, 0, 255)
    SDL_Surface*  torpille_flash;  // 32 "./Images/Torpille_Flash.png" key (255, 29, 255)
    SDL_Surface*  torpilleg;  // 33 "./Images/TorpilleG.png" key (255, 0, 255)
    SDL_Surface*  torpilleg_flash;  // 34 "./Images/TorpilleG_Flash.png" key (255, 29, 255)
    Mix_Chunk*    son_cold1;  // 35 "Sound/Cold1.wav"
    Mix_Chunk*    son_cold4;  // 36 "Sound/Cold4.wav"
    Mix_Chunk*    son_explosion1;  // 37 "Sound/explosion1.wav"
    Mix_Chunk*    son_explosion2;  // 38 "Sound/explosion2.wav"
    Mix_Chunk*    son_explosion3;  // 39 "Sound/explosion3.wav"
    Mix_Chunk*    son_voice1;  // 40 "Sound/Voice1.wav"
    Mix_Chunk*    son_voice2;  // 41 "Sound/Voice2.wav"
    Mix_Chunk*    son_voice3;  // 42 "Sound/Voice3.wav"
    Mix_Chunk*    son_voice4;  // 43 "Sound/Voice4.wav"
    Mix_Chunk*    son_shot1;  // 44 "Sound/Shot1.wav"
    Mix_Chunk*    son_shot2;  // 45 "Sound/Shot2.wav"
    Mix_Chunk*    son_shot3;  // 46 "Sound/Shot3.wav"
    Mix_Chunk*    son_shot4;  // 47 "Sound/Shot4.wav"
} RessourcesEnnemis1;

typedef struct RessourcesNiveau2 {
    SDL_Surface*  blanc;  // 1 "./Images/Blanc.png"
    SDL_Surface*  chargement;  // 2 "./Images/Chargement.png"
    SDL_Surface*  sky1;  // 3 "./Images/Sky1.png"
    SDL_Surface*  sky2;  // 4 "./Images/Sky2.png"
    SDL_Surface*  sky_gris;  // 5 "./Images/Sky_Gris.png"
    SDL_Surface*  emergency;  // 6 "./Images/Emergency.png" key (0, 0, 0)
    SDL_Surface*  emergency1;  // 7 "./Images/Emergency1.png" key (0, 0, 0)
    SDL_Surface*  explosions1;  // 8 "./Images/Explosions1.png" key (0, 0, 0)
    SDL_Surface*  game_over;  // 9 "./Images/Game_Over.png" key (0, 0, 0)
    SDL_Surface*  impact1;  // 10 "./Images/Impact1.png" key (255, 0, 255)
    SDL_Surface*  impact2;  // 11 "./Images/Impact2.png" key (255, 0, 255)
    SDL_Surface*  impact3;  // 12 "./Images/Impact3.png" key (255, 0, 255)
    SDL_Surface*  impact4;  // 13 "./Images/Impact4.png" key (255, 0, 255)
    SDL_Surface*  module1;  // 14 "./Images/Module1.png" key (0, 255, 0)
    SDL_Surface*  module2;  // 15 "./Images/Module2.png" key (0, 255, 0)
    SDL_Surface*  module3;  // 16 "./Images/Module3.png" key (0, 255, 0)
    SDL_Surface*  module4;  // 17 "./Images/Module4.png" key (0, 255, 0)
    SDL_Surface*  vaisseau1;  // 18 "./Images/Vaisseau1.png" key (255, 255, 0)
    SDL_Surface*  vaisseau1_invincible;  // 19 "./Images/Vaisseau1_Invincible.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_bas0;  // 20 "./Images/Vaisseau_Bas0.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_bas0_invincible;  // 21 "./Images/Vaisseau_Bas0_Invincible.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_bas;  // 22 "./Images/Vaisseau_Bas.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_bas_invincible;  // 23 "./Images/Vaisseau_Bas_Invincible.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_haut0;  // 24 "./Images/Vaisseau_Haut0.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_haut0_invincible;  // 25 "./Images/Vaisseau_Haut0_Invincible.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_haut;  // 26 "./Images/Vaisseau_Haut.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_haut_invincible;  // 27 "./Images/Vaisseau_Haut_Invincible.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_tir1;  // 28 "./Images/Vaisseau_Tir1.png" key (0, 0, 255)
    SDL_Surface*  vaisseau_tir2;  // 29 "./Images/Vaisseau_Tir2.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_tir3;  // 30 "./Images/Vaisseau_Tir3.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_tir3a;  // 31 "./Images/Vaisseau_Tir3a.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_tir3b;  // 32 "./Images/Vaisseau_Tir3b.png" key (255, 255, 0)
    SDL_Surface*  vaisseau_tir4;  // 33 "./Images/Vaisseau_Tir4.png" key (255, 255, 29)
    SDL_Surface*  vaisseau_tir5;  // 34 "./Images/Vaisseau_Tir5.png" key (255, 0, 255)
    Mix_Music*    musique_sho;  // 35 "Sound/Sho.ogg"
    Mix_Chunk*    son_hero_tir1;  // 36 "Sound/Hero_Tir1.wav"
    Mix_Chunk*    son_hero_tir2;  // 37 "Sound/Hero_Tir2.wav"
    Mix_Chunk*    son_hero_tir31;  // 38 "Sound/Hero_Tir31.wav"
    Mix_Chunk*    son_hero_tir41;  // 39 "Sound/Hero_Tir41.wav"
    Mix_Chunk*    son_curseur;  // 40 "Sound/Curseur.wav"
    Mix_Chunk*    son_emergency;  // 41 "Sound/Emergency.wav"
    Mix_Chunk*    son_cold1;  // 42 "Sound/Cold1.wav"
    Mix_Chunk*    son_cold4;  // 43 "Sound/Cold4.wav"
    Mix_Chunk*    son_explosion1;  // 44 "Sound/explosion1.wav"
    Mix_Chunk*    son_explosion2;  // 45 "Sound/explosion2.wav"
    Mix_Chunk*    son_explosion3;  // 46 "Sound/explosion3.wav"
} RessourcesNiveau2;

typedef struct RessourcesEnnemis2 {
    SDL_Surface*  bonus_1;  // 1 "./Images/Bonus_1.png" key (255, 0, 255)
    SDL_Surface*  bonus_2;  // 2 "./Images/Bonus_2.png" key (255, 0, 255)
    SDL_Surface*  bonus_3;  // 3 "./Images/Bonus_3.png" key (255, 0, 255)
    SDL_Surface*  boss2;  // 4 "./Images/Boss2.png" key (255, 0, 255)
    SDL_Surface*  boss2_flash;  // 5 "./Images/Boss2_Flash.png" key (255, 40, 255)
    SDL_Surface*  boss2a;  // 6 "./Images/Boss2a.png" key (255, 0, 255)
    SDL_Surface*  boss2a_flash;  // 7 "./Images/Boss2a_Flash.png" key (255, 40, 255)
    SDL_Surface*  demo_grisor1a;  // 8 "./Images/Demo_Grisor1a.png" key (255, 0, 255)
    SDL_Surface*  demo_grisor1b;  // 9 "./Images/Demo_Grisor1b.png" key (255, 0, 255)
    SDL_Surface*  demo_grisor1a_flash;  // 10 "./Images/Demo_Grisor1a_Flash.png" key (255, 40, 255)
    SDL_Surface*  demo_grisor1b_flash;  // 11 "./Images/Demo_Grisor1b_Flash.png" key (255, 40, 255)
    SDL_Surface*  demo_boss1a;  // 12 "./Images/Demo_Boss1a.png" key (255, 0, 255)
    SDL_Surface*  demo_boss1a_flash;  // 13 "./Images/Demo_Boss1a_Flash.png" key (255, 40, 255)
    SDL_Surface*  demo_tir1;  // 14 "./Images/Demo_Tir1.png" key (255, 0, 255)
    SDL_Surface*  demo_tir1a;  // 15 "./Images/Demo_Tir1a.png" key (255, 0, 255)
    SDL_Surface*  ennemi_tir1;  // 16 "./Images/Ennemi_Tir1.png" key (255, 0, 255)
    SDL_Surface*  ennemi_tir1a;  // 17 "./Images/Ennemi_Tir1a.png" key (255, 0, 255)
    SDL_Surface*  ennemi_tir2a;  // 18 "./Images/Ennemi_Tir2a.png" key (255, 0, 255)
    SDL_Surface*  ennemi_tir3a;  // 19 "./Images/Ennemi_Tir3a.png" key (255, 0, 255)
    SDL_Surface*  ennemi_tir3b;  // 20 "./Images/Ennemi_Tir3b.png" key (255, 0, 255)
    SDL_Surface*  explosions1;  // 21 "./Images/Explosions1.png" key (0, 0, 0)
    SDL_Surface*  explosion1a;  // 22 "./Images/Explosion1a.png" key (0, 0, 0)
    SDL_Surface*  explosion2;  // 23 "./Images/Explosion2.png" key (0, 0, 0)
    SDL_Surface*  explosion_boss;  // 24 "./Images/Explosion_Boss.png" key (0, 0, 0)
    SDL_Surface*  explosions1_2;  // 25 "./Images/Explosions1.png" key (0, 0, 0)
    SDL_Surface*  mechant_bonus;  // 26 "./Images/Mechant_Bonus.png" key (255, 0, 255)
    SDL_Surface*  mechant_bonus1;  // 27 "./Images/Mechant_Bonus1.png" key (255, 0, 255)
    SDL_Surface*  module1;  // 28 "./Images/Module1.png" key (0, 255, 0)
    SDL_Surface*  torpille;  // 29 "./Images/Torpille.png" key (255, 0, 255)
    SDL_Surface*  torpille_flash;  // 30 "./Images/Torpille_Flash.png" key (255, 29, 255)
    SDL_Surface*  torpilleg;  // 31 "./Images/TorpilleG.png" key (255, 0, 255)
    SDL_Surface*  torpilleg_flash;  // 32 "./Images/TorpilleG_Flash.png" key (255, 29, 255)
    Mix_Chunk*    son_cold1;  // 33 "Sound/Cold1.wav"
    Mix_Chunk*    son_cold4;  // 34 "Sound/Cold4.wav"
    Mix_Chunk*    son_explosion1;  // 35 "Sound/explosion1.wav"
    Mix_Chunk*    son_explosion2;  // 36 "Sound/explosion2.wav"
    Mix_Chunk*    son_explosion3;  // 37 "Sound/explosion3.wav"
    Mix_Chunk*    son_voice1;  // 38 "Sound/Voice1.wav"
    Mix_Chunk*    son_voice2;  // 39 "Sound/Voice2.wav"
    Mix_Chunk*    son_voice3;  // 40 "Sound/Voice3.wav"
    Mix_Chunk*    son_voice4;  // 41 "Sound/Voice4.wav"
    Mix_Chunk*    son_shot1;  // 42 "Sound/Shot1.wav"
    Mix_Chunk*    son_shot2;  // 43 "Sound/Shot2.wav"
    Mix_Chunk*    son_shot3;  // 44 "Sound/Shot3.wav"
    Mix_Chunk*    son_shot4;  // 45 "Sound/Shot4.wav"
} RessourcesEnnemis2;

// Loaders: allocate the record and fill every field in table order (pictures keyed and
// converted to the display format). A missing or unreadable file stops the game with one line.
RessourcesNiveau1* charger_ressources_niveau_1(void);
RessourcesEnnemis1* charger_ennemis_niveau_1(void);
RessourcesNiveau2* charger_ressources_niveau_2(void);
RessourcesEnnemis2* charger_ennemis_niveau_2(void);

// Release: frees every picture, music and sound of the record exactly once, then the record.
void liberer_ressources_niveau_1(RessourcesNiveau1* r);
void liberer_ennemis_niveau_1(RessourcesEnnemis1* r);
void liberer_ressources_niveau_2(RessourcesNiveau2* r);
void liberer_ennemis_niveau_2(RessourcesEnnemis2* r);

// The description tables, in field order (for the tests and the list of files the game loads).
typedef struct TableRessources {
    const char* nom;               // record name, e.g. "RessourcesNiveau1"
    const EntreeRessource* entrees;
    int nb;
} TableRessources;
extern const TableRessources TABLES_RESSOURCES_NIVEAUX[4];
