// Story pictures: backgrounds, sprite sheets, dialogue, newspaper and narrator pictures.
#include "generateurs.h"
#include "sortie.h"

namespace ag {
void generer_histoires() {}
}  // namespace ag
