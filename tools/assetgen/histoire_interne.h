// Shared pieces of the story pictures (histoire_*.cpp): the three picture makers and the
// portrait faces that the dialogue pictures and the title art both use.
#pragma once
#include "canvas.h"
#include "histoire_texte.h"

namespace ag {

// Name of the contact-sheet group of every story picture.
constexpr const char* GROUPE_HISTOIRE = "histoire";
// Transparent colour of every story sprite sheet; never used inside a figure.
constexpr Px BLANC_CLE = rgb(255, 255, 255);

// Sprite sheets: General, Gentil, Gentille, Mort, Mort_Gentil, Mort_Gentil1, Soldat, Ange
// (128x192) and Serpent, Serpent_Mord (256x192).
void generer_figures_histoire();
// Full-screen backgrounds and overlays of the base, corridor, desert, ship, white room.
void generer_decors_histoire();
// Dialogue, narrator, newspaper pictures, title cards, End_Intro and Vieux3.
void generer_textes_histoire();

// A speaker's face and shoulders, drawn as pixel art 40x44 and scaled by `echelle`.
Image visage(Locuteur qui, int echelle);
// The fighter seen from the side, nose to the right, about 300x110 before scaling; drawn
// on `fond` which stays around it. Shared by the ship pictures and End_Intro.
Image chasseur(Px fond, bool moteurs_allumes);

}  // namespace ag
