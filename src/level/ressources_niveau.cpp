// The four level asset sets (see ressources_niveau.h).
#include "level/ressources_niveau.h"

#include <stddef.h>
#include <stdlib.h>

static const EntreeRessource k_RessourcesNiveau1[] = {
    {offsetof(RessourcesNiveau1, blanc), "./Images/Blanc.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, chargement), "./Images/Chargement.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, desert_bas), "./Images/Desert_Bas.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, desert_bas1), "./Images/Desert_Bas1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, desert_bas1a), "./Images/Desert_Bas1a.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, desert_bas1b), "./Images/Desert_Bas1b.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, desert_bas1a_gris), "./Images/Desert_Bas1a_gris.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, desert_haut1), "./Images/Desert_Haut1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, desert_haut1a), "./Images/Desert_Haut1a.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, desert_haut1b), "./Images/Desert_Haut1b.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, desert_haut1a_gris), "./Images/Desert_Haut1a_Gris.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, desert_sol1a), "./Images/Desert_Sol1a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau1, desert_sol1a_2), "./Images/Desert_Sol1a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau1, desert_sol1b), "./Images/Desert_Sol1b.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau1, desert_sol1a_gris), "./Images/Desert_Sol1a_Gris.png", RES_IMAGE_CLE, 104, 104, 104},
    {offsetof(RessourcesNiveau1, emergency), "./Images/Emergency.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, emergency1), "./Images/Emergency1.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, explosions1), "./Images/Explosions1.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, game_over), "./Images/Game_Over.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, impact1), "./Images/Impact1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau1, impact2), "./Images/Impact2.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau1, impact3), "./Images/Impact3.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau1, impact4), "./Images/Impact4.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau1, module1), "./Images/Module1.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(RessourcesNiveau1, module2), "./Images/Module2.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(RessourcesNiveau1, module3), "./Images/Module3.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(RessourcesNiveau1, module4), "./Images/Module4.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(RessourcesNiveau1, vaisseau1), "./Images/Vaisseau1.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau1, vaisseau1_invincible), "./Images/Vaisseau1_Invincible.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau1, vaisseau_bas0), "./Images/Vaisseau_Bas0.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau1, vaisseau_bas0_invincible), "./Images/Vaisseau_Bas0_Invincible.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau1, vaisseau_bas), "./Images/Vaisseau_Bas.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau1, vaisseau_bas_invincible), "./Images/Vaisseau_Bas_Invincible.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau1, vaisseau_haut0), "./Images/Vaisseau_Haut0.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau1, vaisseau_haut0_invincible), "./Images/Vaisseau_Haut0_Invincible.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau1, vaisseau_haut), "./Images/Vaisseau_Haut.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau1, vaisseau_haut_invincible), "./Images/Vaisseau_Haut_Invincible.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau1, vaisseau_tir1), "./Images/Vaisseau_Tir1.png", RES_IMAGE_CLE, 0, 0, 255},
    {offsetof(RessourcesNiveau1, vaisseau_tir2), "./Images/Vaisseau_Tir2.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau1, vaisseau_tir3), "./Images/Vaisseau_Tir3.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau1, vaisseau_tir3a), "./Images/Vaisseau_Tir3a.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau1, vaisseau_tir3b), "./Images/Vaisseau_Tir3b.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau1, vaisseau_tir4), "./Images/Vaisseau_Tir4.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau1, vaisseau_tir5), "./Images/Vaisseau_Tir5.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau1, musique_steelofdestiny), "Sound/SteelOfDestiny.ogg", RES_MUSIQUE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, musique_boss), "Sound/Boss.ogg", RES_MUSIQUE, 0, 0, 0},
    {offsetof(RessourcesNiveau1, son_hero_tir1), "Sound/Hero_Tir1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau1, son_hero_tir2), "Sound/Hero_Tir2.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau1, son_hero_tir31), "Sound/Hero_Tir31.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau1, son_hero_tir41), "Sound/Hero_Tir41.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau1, son_curseur), "Sound/Curseur.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau1, son_emergency), "Sound/Emergency.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau1, son_cold1), "Sound/Cold1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau1, son_cold4), "Sound/Cold4.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau1, son_explosion1), "Sound/explosion1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau1, son_explosion2), "Sound/explosion2.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau1, son_explosion3), "Sound/explosion3.wav", RES_SON, 0, 0, 0},
};

static const EntreeRessource k_RessourcesEnnemis1[] = {
    {offsetof(RessourcesEnnemis1, bonus_1), "./Images/Bonus_1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, bonus_2), "./Images/Bonus_2.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, bonus_3), "./Images/Bonus_3.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, boss1), "./Images/Boss1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, boss1_flash), "./Images/Boss1_Flash.png", RES_IMAGE_CLE, 255, 29, 255},
    {offsetof(RessourcesEnnemis1, boss1a), "./Images/Boss1a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, boss1a_flash), "./Images/Boss1a_Flash.png", RES_IMAGE_CLE, 255, 29, 255},
    {offsetof(RessourcesEnnemis1, ennemi_desert), "./Images/Ennemi_Desert.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, ennemi_desert_flash), "./Images/Ennemi_Desert_Flash.png", RES_IMAGE_CLE, 255, 29, 255},
    {offsetof(RessourcesEnnemis1, ennemi_tir1), "./Images/Ennemi_Tir1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, ennemi_tir1a), "./Images/Ennemi_Tir1a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, ennemi_tir2a), "./Images/Ennemi_Tir2a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, ennemi_tir3a), "./Images/Ennemi_Tir3a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, ennemi_tir3b), "./Images/Ennemi_Tir3b.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, explosions1), "./Images/Explosions1.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, explosion1a), "./Images/Explosion1a.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, explosion2), "./Images/Explosion2.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, explosion_boss), "./Images/Explosion_Boss.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, explosions1_2), "./Images/Explosions1.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, mechant_bonus), "./Images/Mechant_Bonus.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, mechant_bonus1), "./Images/Mechant_Bonus1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, module1), "./Images/Module1.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(RessourcesEnnemis1, muloi), "./Images/Muloi.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, muloi_flash), "./Images/Muloi_Flash.png", RES_IMAGE_CLE, 255, 29, 255},
    {offsetof(RessourcesEnnemis1, muloi1), "./Images/Muloi1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, muloi1_flash), "./Images/Muloi1_Flash.png", RES_IMAGE_CLE, 255, 29, 255},
    {offsetof(RessourcesEnnemis1, octopus), "./Images/Octopus.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, octopus_flash), "./Images/Octopus_Flash.png", RES_IMAGE_CLE, 255, 29, 255},
    {offsetof(RessourcesEnnemis1, octopus1), "./Images/Octopus1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, octopus1_flash), "./Images/Octopus1_Flash.png", RES_IMAGE_CLE, 255, 29, 255},
    {offsetof(RessourcesEnnemis1, torpille), "./Images/Torpille.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, torpille_flash), "./Images/Torpille_Flash.png", RES_IMAGE_CLE, 255, 29, 255},
    {offsetof(RessourcesEnnemis1, torpilleg), "./Images/TorpilleG.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis1, torpilleg_flash), "./Images/TorpilleG_Flash.png", RES_IMAGE_CLE, 255, 29, 255},
    {offsetof(RessourcesEnnemis1, son_cold1), "Sound/Cold1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_cold4), "Sound/Cold4.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_explosion1), "Sound/explosion1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_explosion2), "Sound/explosion2.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_explosion3), "Sound/explosion3.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_voice1), "Sound/Voice1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_voice2), "Sound/Voice2.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_voice3), "Sound/Voice3.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_voice4), "Sound/Voice4.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_shot1), "Sound/Shot1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_shot2), "Sound/Shot2.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_shot3), "Sound/Shot3.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis1, son_shot4), "Sound/Shot4.wav", RES_SON, 0, 0, 0},
};

static const EntreeRessource k_RessourcesNiveau2[] = {
    {offsetof(RessourcesNiveau2, blanc), "./Images/Blanc.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau2, chargement), "./Images/Chargement.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau2, sky1), "./Images/Sky1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau2, sky2), "./Images/Sky2.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau2, sky_gris), "./Images/Sky_Gris.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesNiveau2, emergency), "./Images/Emergency.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesNiveau2, emergency1), "./Images/Emergency1.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesNiveau2, explosions1), "./Images/Explosions1.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesNiveau2, game_over), "./Images/Game_Over.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesNiveau2, impact1), "./Images/Impact1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau2, impact2), "./Images/Impact2.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau2, impact3), "./Images/Impact3.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau2, impact4), "./Images/Impact4.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau2, module1), "./Images/Module1.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(RessourcesNiveau2, module2), "./Images/Module2.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(RessourcesNiveau2, module3), "./Images/Module3.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(RessourcesNiveau2, module4), "./Images/Module4.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(RessourcesNiveau2, vaisseau1), "./Images/Vaisseau1.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau2, vaisseau1_invincible), "./Images/Vaisseau1_Invincible.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau2, vaisseau_bas0), "./Images/Vaisseau_Bas0.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau2, vaisseau_bas0_invincible), "./Images/Vaisseau_Bas0_Invincible.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau2, vaisseau_bas), "./Images/Vaisseau_Bas.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau2, vaisseau_bas_invincible), "./Images/Vaisseau_Bas_Invincible.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau2, vaisseau_haut0), "./Images/Vaisseau_Haut0.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau2, vaisseau_haut0_invincible), "./Images/Vaisseau_Haut0_Invincible.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau2, vaisseau_haut), "./Images/Vaisseau_Haut.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau2, vaisseau_haut_invincible), "./Images/Vaisseau_Haut_Invincible.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau2, vaisseau_tir1), "./Images/Vaisseau_Tir1.png", RES_IMAGE_CLE, 0, 0, 255},
    {offsetof(RessourcesNiveau2, vaisseau_tir2), "./Images/Vaisseau_Tir2.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau2, vaisseau_tir3), "./Images/Vaisseau_Tir3.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau2, vaisseau_tir3a), "./Images/Vaisseau_Tir3a.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau2, vaisseau_tir3b), "./Images/Vaisseau_Tir3b.png", RES_IMAGE_CLE, 255, 255, 0},
    {offsetof(RessourcesNiveau2, vaisseau_tir4), "./Images/Vaisseau_Tir4.png", RES_IMAGE_CLE, 255, 255, 29},
    {offsetof(RessourcesNiveau2, vaisseau_tir5), "./Images/Vaisseau_Tir5.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesNiveau2, musique_sho), "Sound/Sho.ogg", RES_MUSIQUE, 0, 0, 0},
    {offsetof(RessourcesNiveau2, son_hero_tir1), "Sound/Hero_Tir1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau2, son_hero_tir2), "Sound/Hero_Tir2.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau2, son_hero_tir31), "Sound/Hero_Tir31.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau2, son_hero_tir41), "Sound/Hero_Tir41.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau2, son_curseur), "Sound/Curseur.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau2, son_emergency), "Sound/Emergency.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau2, son_cold1), "Sound/Cold1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau2, son_cold4), "Sound/Cold4.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau2, son_explosion1), "Sound/explosion1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau2, son_explosion2), "Sound/explosion2.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesNiveau2, son_explosion3), "Sound/explosion3.wav", RES_SON, 0, 0, 0},
};

static const EntreeRessource k_RessourcesEnnemis2[] = {
    {offsetof(RessourcesEnnemis2, bonus_1), "./Images/Bonus_1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, bonus_2), "./Images/Bonus_2.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, bonus_3), "./Images/Bonus_3.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, boss2), "./Images/Boss2.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, boss2_flash), "./Images/Boss2_Flash.png", RES_IMAGE_CLE, 255, 40, 255},
    {offsetof(RessourcesEnnemis2, boss2a), "./Images/Boss2a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, boss2a_flash), "./Images/Boss2a_Flash.png", RES_IMAGE_CLE, 255, 40, 255},
    {offsetof(RessourcesEnnemis2, demo_grisor1a), "./Images/Demo_Grisor1a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, demo_grisor1b), "./Images/Demo_Grisor1b.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, demo_grisor1a_flash), "./Images/Demo_Grisor1a_Flash.png", RES_IMAGE_CLE, 255, 40, 255},
    {offsetof(RessourcesEnnemis2, demo_grisor1b_flash), "./Images/Demo_Grisor1b_Flash.png", RES_IMAGE_CLE, 255, 40, 255},
    {offsetof(RessourcesEnnemis2, demo_boss1a), "./Images/Demo_Boss1a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, demo_boss1a_flash), "./Images/Demo_Boss1a_Flash.png", RES_IMAGE_CLE, 255, 40, 255},
    {offsetof(RessourcesEnnemis2, demo_tir1), "./Images/Demo_Tir1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, demo_tir1a), "./Images/Demo_Tir1a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, ennemi_tir1), "./Images/Ennemi_Tir1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, ennemi_tir1a), "./Images/Ennemi_Tir1a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, ennemi_tir2a), "./Images/Ennemi_Tir2a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, ennemi_tir3a), "./Images/Ennemi_Tir3a.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, ennemi_tir3b), "./Images/Ennemi_Tir3b.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, explosions1), "./Images/Explosions1.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, explosion1a), "./Images/Explosion1a.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, explosion2), "./Images/Explosion2.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, explosion_boss), "./Images/Explosion_Boss.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, explosions1_2), "./Images/Explosions1.png", RES_IMAGE_CLE, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, mechant_bonus), "./Images/Mechant_Bonus.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, mechant_bonus1), "./Images/Mechant_Bonus1.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, module1), "./Images/Module1.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(RessourcesEnnemis2, torpille), "./Images/Torpille.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, torpille_flash), "./Images/Torpille_Flash.png", RES_IMAGE_CLE, 255, 29, 255},
    {offsetof(RessourcesEnnemis2, torpilleg), "./Images/TorpilleG.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesEnnemis2, torpilleg_flash), "./Images/TorpilleG_Flash.png", RES_IMAGE_CLE, 255, 29, 255},
    {offsetof(RessourcesEnnemis2, son_cold1), "Sound/Cold1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_cold4), "Sound/Cold4.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_explosion1), "Sound/explosion1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_explosion2), "Sound/explosion2.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_explosion3), "Sound/explosion3.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_voice1), "Sound/Voice1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_voice2), "Sound/Voice2.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_voice3), "Sound/Voice3.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_voice4), "Sound/Voice4.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_shot1), "Sound/Shot1.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_shot2), "Sound/Shot2.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_shot3), "Sound/Shot3.wav", RES_SON, 0, 0, 0},
    {offsetof(RessourcesEnnemis2, son_shot4), "Sound/Shot4.wav", RES_SON, 0, 0, 0},
};

#define NB(t) ((int)(sizeof(t) / sizeof((t)[0])))

const TableRessources TABLES_RESSOURCES_NIVEAUX[4] = {
    {"RessourcesNiveau1", k_RessourcesNiveau1, NB(k_RessourcesNiveau1)},
    {"RessourcesEnnemis1", k_RessourcesEnnemis1, NB(k_RessourcesEnnemis1)},
    {"RessourcesNiveau2", k_RessourcesNiveau2, NB(k_RessourcesNiveau2)},
    {"RessourcesEnnemis2", k_RessourcesEnnemis2, NB(k_RessourcesEnnemis2)},
};

template <typename T>
static T* charger(const EntreeRessource* table, int n) {
    T* r = (T*)calloc(1, sizeof(T));
    charger_table(r, table, n);
    return r;
}

template <typename T>
static void liberer(T* r, const EntreeRessource* table, int n) {
    if (!r) return;
    liberer_table(r, table, n);
    free(r);
}

RessourcesNiveau1* charger_ressources_niveau_1(void) {
    return charger<RessourcesNiveau1>(k_RessourcesNiveau1, NB(k_RessourcesNiveau1));
}
RessourcesEnnemis1* charger_ennemis_niveau_1(void) {
    return charger<RessourcesEnnemis1>(k_RessourcesEnnemis1, NB(k_RessourcesEnnemis1));
}
RessourcesNiveau2* charger_ressources_niveau_2(void) {
    return charger<RessourcesNiveau2>(k_RessourcesNiveau2, NB(k_RessourcesNiveau2));
}
RessourcesEnnemis2* charger_ennemis_niveau_2(void) {
    return charger<RessourcesEnnemis2>(k_RessourcesEnnemis2, NB(k_RessourcesEnnemis2));
}

void liberer_ressources_niveau_1(RessourcesNiveau1* r) { liberer(r, k_RessourcesNiveau1, NB(k_RessourcesNiveau1)); }
void liberer_ennemis_niveau_1(RessourcesEnnemis1* r) { liberer(r, k_RessourcesEnnemis1, NB(k_RessourcesEnnemis1)); }
void liberer_ressources_niveau_2(RessourcesNiveau2* r) { liberer(r, k_RessourcesNiveau2, NB(k_RessourcesNiveau2)); }
void liberer_ennemis_niveau_2(RessourcesEnnemis2* r) { liberer(r, k_RessourcesEnnemis2, NB(k_RessourcesEnnemis2)); }
