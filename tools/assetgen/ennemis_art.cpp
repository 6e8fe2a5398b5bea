// Enemy pictures: enemies, bosses, hit flashes, bonus items, modules, enemy shots.
#include "generateurs.h"
#include "sortie.h"

namespace ag {
void generer_ennemis() {}
}  // namespace ag
