// Level pictures: top bar, scenery bands, ship, shots, impacts, explosions, messages.
#include "generateurs.h"
#include "sortie.h"

namespace ag {
void generer_hud() {}
void generer_niveaux() {}
}  // namespace ag
