// The asset generator's groups: each function writes every file of its group into the run
// directory set by initialiser_sortie. Each lives in its own file.
#pragma once

namespace ag {

void generer_shell();      // shell_art.cpp: Coin.bmp, Titre, Programmer, Keyboard, Chargement, Loading1, Loading2
void generer_hud();        // niveau_art.cpp: top bar, digits, cursors, speed triangle
void generer_niveaux();    // niveau_art.cpp: scenery bands, ship, shots, impacts, explosions, messages
void generer_ennemis();    // ennemis_art.cpp: enemies, bosses, flashes, bonus items, modules, enemy shots
void generer_histoires();  // histoire_art.cpp: story backgrounds (Blanc too), sprite sheets, dialogue, newspaper, narrator
void generer_sons();       // sons.cpp: every WAV effect
void generer_musiques();   // musiques.cpp: every Ogg Vorbis music
void generer_icone();      // icone.cpp: the desktop icons, icones/NxN.png and icones/scalable.svg (not loaded by the game)

}  // namespace ag
