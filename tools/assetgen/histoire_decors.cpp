// Story backgrounds.
#include "histoire_interne.h"
#include "sortie.h"
namespace ag {
void generer_decors_histoire() {}
Image chasseur(Px fond, bool) { return Image(300, 110, fond); }
}  // namespace ag
