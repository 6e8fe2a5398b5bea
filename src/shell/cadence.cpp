// Frame pacing (see cadence.h).
#include "shell/cadence.h"

#include "platform/plateforme.h"

void attendre_cadence(Uint32* prochaine_image, Uint32 periode) {
    Uint32 maintenant = plateforme_ticks();
    if (*prochaine_image > maintenant) {
        plateforme_attendre(*prochaine_image - maintenant);
        *prochaine_image = plateforme_ticks() + periode;
    } else {
        *prochaine_image = maintenant + periode;
    }
}
