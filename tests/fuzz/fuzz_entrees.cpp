// Fuzzing the simulator's input-script parser: any bytes are read as a script, whose inputs go
// to the platform layer's script (emptied before each run).
#include <string>

#include "entrees.h"
#include "platform/plateforme.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    plateforme_simuler(1);
    std::string erreur;
    if (lire_entrees_texte((const char*)donnees, taille, "fuzz", &erreur) < 0 && erreur.rfind("fuzz:", 0) != 0)
        __builtin_trap();
    return 0;
}
