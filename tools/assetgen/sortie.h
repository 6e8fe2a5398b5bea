// Output of the asset generator: where files go, and the record of every picture for the
// contact sheets.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace ag {

// Sets the run directory (creates Images/ and Sound/ under it).
void initialiser_sortie(const std::string& racine);
// Full path of a file relative to the run directory, e.g. "Sound/Boss.ogg".
std::string chemin(const std::string& relatif);
// Writes ./Images/<nom> (PNG, or 24-bit BMP when the name ends in .bmp) and records it under
// `groupe` ("shell", "hud", "niveau1", "niveau2", "ennemis", "histoire") for the contact sheets.
void sauver_image(const std::string& groupe, const std::string& nom, const Image& im);
// Writes raw bytes to a path relative to the run directory (sounds, musics).
void sauver_octets(const std::string& relatif, const std::vector<uint8_t>& octets);
// One PNG per group into `dossier`: every picture of the group with its name; and fonds.png,
// every shot, bonus and enemy over each background of the two levels.
void ecrire_planches_contact(const std::string& dossier);

}  // namespace ag
