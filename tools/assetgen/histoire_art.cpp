// Story pictures: backgrounds, sprite sheets, dialogue, newspaper and narrator pictures.
#include "generateurs.h"
#include "histoire_interne.h"

namespace ag {
void generer_histoires() {
    generer_figures_histoire();
    generer_decors_histoire();
    generer_textes_histoire();
}
}  // namespace ag
