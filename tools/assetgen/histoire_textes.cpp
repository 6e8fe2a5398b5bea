// Story text pictures.
#include "histoire_interne.h"
#include "sortie.h"
namespace ag {
void generer_textes_histoire() {}
Image visage(Locuteur, int e) { return Image(40 * e, 44 * e); }
}  // namespace ag
