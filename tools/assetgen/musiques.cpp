// Musics: every Ogg Vorbis track the game plays.
#include "generateurs.h"
#include "sortie.h"

namespace ag {
void generer_musiques() {}
}  // namespace ag
