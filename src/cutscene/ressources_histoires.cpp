// The asset sets of the two stories (see ressources_histoires.h).
#include "cutscene/ressources_histoires.h"

#include <stddef.h>
#include <stdlib.h>

static const EntreeRessource k_RessourcesIntro[] = {
    {offsetof(RessourcesIntro, ange), "./Images/Ange.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesIntro, base1), "./Images/Base1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, base2), "./Images/Base2.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, base3), "./Images/Base3.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, bloc_milieu), "./Images/Bloc_Milieu.png", RES_IMAGE_CLE, 60, 206, 255},
    {offsetof(RessourcesIntro, couloir), "./Images/Couloir.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesIntro, desert1), "./Images/desert1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, desert2), "./Images/desert2.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, desert3), "./Images/desert3.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, sabri), "./Images/sabri.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, sabri1), "./Images/sabri1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, sabri2), "./Images/sabri2.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, sabri3), "./Images/sabri3.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, end_intro), "./Images/End_Intro.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, general), "./Images/General.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesIntro, gentil), "./Images/Gentil.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesIntro, gentille), "./Images/Gentille.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesIntro, olek), "./Images/Olek.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, olek_1), "./Images/Olek-1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, olek_2), "./Images/Olek-2.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, olek_3), "./Images/Olek-3.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, olek_4), "./Images/Olek-4.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, olek_5), "./Images/Olek-5.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, olek_6), "./Images/Olek-6.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, olek_7), "./Images/Olek-7.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, journal1), "./Images/Journal1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, journal2), "./Images/Journal2.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, journal3), "./Images/Journal3.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, journal4), "./Images/Journal4.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, journal5), "./Images/Journal5.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, journal6), "./Images/Journal6.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, dorvin), "./Images/dorvin.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, dorvin1), "./Images/dorvin1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, dorvin2), "./Images/dorvin2.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, dorvin3), "./Images/dorvin3.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, dorvin4), "./Images/dorvin4.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, dorvin5), "./Images/dorvin5.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, dorvin6), "./Images/dorvin6.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, loading1), "./Images/Loading1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, lumiere), "./Images/lumiere.png", RES_IMAGE_CLE, 25, 37, 242},
    {offsetof(RessourcesIntro, mort), "./Images/Mort.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesIntro, mythique), "./Images/Mythique.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, paysage), "./Images/Paysage.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesIntro, serpent), "./Images/Serpent.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesIntro, soldat), "./Images/Soldat.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesIntro, musique_intro), "Sound/Intro.ogg", RES_MUSIQUE, 0, 0, 0},
    {offsetof(RessourcesIntro, musique_sad), "Sound/Sad.ogg", RES_MUSIQUE, 0, 0, 0},
};

static const EntreeRessource k_RessourcesInterlude[] = {
    {offsetof(RessourcesInterlude, ange), "./Images/Ange.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesInterlude, blanc), "./Images/Blanc.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, blanc1), "./Images/Blanc1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, couloir), "./Images/Couloir.png", RES_IMAGE_CLE, 255, 0, 255},
    {offsetof(RessourcesInterlude, cruel), "./Images/Cruel.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert1), "./Images/desert1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert2), "./Images/desert2.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert3), "./Images/desert3.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau), "./Images/Desert_Vaisseau.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau1), "./Images/Desert_Vaisseau1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau1a), "./Images/Desert_Vaisseau1a.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau1b), "./Images/Desert_Vaisseau1b.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau1c), "./Images/Desert_Vaisseau1c.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau1d), "./Images/Desert_Vaisseau1d.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau_adieu), "./Images/Desert_Vaisseau_Adieu.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau_adieu1), "./Images/Desert_Vaisseau_Adieu1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau_adieu2), "./Images/Desert_Vaisseau_Adieu2.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau_adieu3), "./Images/Desert_Vaisseau_Adieu3.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau_adieu4), "./Images/Desert_Vaisseau_Adieu4.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau_adieu5), "./Images/Desert_Vaisseau_Adieu5.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, desert_vaisseau_adieu6), "./Images/Desert_Vaisseau_Adieu6.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, sabri), "./Images/sabri.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, sabri3), "./Images/sabri3.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, sabri4), "./Images/sabri4.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, sabri5), "./Images/sabri5.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, sabri6), "./Images/sabri6.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, general), "./Images/General.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesInterlude, gentil), "./Images/Gentil.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesInterlude, gentille), "./Images/Gentille.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesInterlude, olek), "./Images/Olek.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, olek_8), "./Images/Olek-8.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, olek_9), "./Images/Olek-9.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, olek_10), "./Images/Olek-10.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, olek_11), "./Images/Olek-11.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, olek_12), "./Images/Olek-12.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, olek_13), "./Images/Olek-13.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, olek_14), "./Images/Olek-14.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, olek_15), "./Images/Olek-15.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, journal7), "./Images/Journal7.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, journal71), "./Images/Journal71.png", RES_IMAGE_CLE, 255, 128, 128},
    {offsetof(RessourcesInterlude, journal72), "./Images/Journal72.png", RES_IMAGE_CLE, 255, 128, 128},
    {offsetof(RessourcesInterlude, journal73), "./Images/Journal73.png", RES_IMAGE_CLE, 255, 128, 128},
    {offsetof(RessourcesInterlude, journal74), "./Images/Journal74.png", RES_IMAGE_CLE, 255, 128, 128},
    {offsetof(RessourcesInterlude, dorvin), "./Images/dorvin.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, dorvin7), "./Images/dorvin7.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, dorvin8), "./Images/dorvin8.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, dorvin9), "./Images/dorvin9.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, dorvin10), "./Images/dorvin10.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, dorvin11), "./Images/dorvin11.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, loading1), "./Images/Loading1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, mort), "./Images/Mort.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesInterlude, mort_gentil), "./Images/Mort_Gentil.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesInterlude, mort_gentil1), "./Images/Mort_Gentil1.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesInterlude, narrateur), "./Images/Narrateur.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, narrateur1), "./Images/Narrateur1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, narrateur2), "./Images/Narrateur2.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, narrateur3), "./Images/Narrateur3.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, paysage), "./Images/Paysage.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, paysage1), "./Images/Paysage1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, soldat), "./Images/Soldat.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesInterlude, serpent), "./Images/Serpent.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesInterlude, serpent_mord), "./Images/Serpent_Mord.png", RES_IMAGE_CLE, 255, 255, 255},
    {offsetof(RessourcesInterlude, vieux3), "./Images/Vieux3.png", RES_IMAGE, 0, 0, 0},
    {offsetof(RessourcesInterlude, musique_mort), "Sound/Mort.ogg", RES_MUSIQUE, 0, 0, 0},
    {offsetof(RessourcesInterlude, musique_bye), "Sound/Bye.ogg", RES_MUSIQUE, 0, 0, 0},
};

#define NB(t) ((int)(sizeof(t) / sizeof((t)[0])))

const TableRessourcesHistoire TABLES_RESSOURCES_HISTOIRES[2] = {
    {"RessourcesIntro", k_RessourcesIntro, NB(k_RessourcesIntro)},
    {"RessourcesInterlude", k_RessourcesInterlude, NB(k_RessourcesInterlude)},
};

RessourcesIntro* charger_intro(void) {
    RessourcesIntro* r = (RessourcesIntro*)calloc(1, sizeof(RessourcesIntro));
    charger_table(r, k_RessourcesIntro, NB(k_RessourcesIntro));
    return r;
}

RessourcesInterlude* charger_interlude(void) {
    RessourcesInterlude* r = (RessourcesInterlude*)calloc(1, sizeof(RessourcesInterlude));
    charger_table(r, k_RessourcesInterlude, NB(k_RessourcesInterlude));
    return r;
}

void liberer_intro(RessourcesIntro* ressources) {
    if (!ressources) return;
    liberer_table(ressources, k_RessourcesIntro, NB(k_RessourcesIntro));
    free(ressources);
}

void liberer_interlude(RessourcesInterlude* ressources) {
    if (!ressources) return;
    liberer_table(ressources, k_RessourcesInterlude, NB(k_RessourcesInterlude));
    free(ressources);
}
