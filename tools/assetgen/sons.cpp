// Sound effects: every WAV the game plays.
#include "generateurs.h"
#include "sortie.h"

namespace ag {
void generer_sons() {}
}  // namespace ag
