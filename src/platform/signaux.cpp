// Ending on a signal (see signaux.h).
#include "platform/signaux.h"

#include <signal.h>
#include <stdlib.h>

namespace {

volatile sig_atomic_t signal_recu = 0;

// Only what is safe in a handler: note the signal; the game's thread ends the process at its
// next call into the platform layer. A game stuck elsewhere still ends on the second signal.
void sur_signal(int numero) {
    if (signal_recu) {
        signal(numero, SIG_DFL);
        raise(numero);
        return;
    }
    signal_recu = numero;
}

const int SIGNAUX_FIN[] = {SIGINT, SIGTERM, SIGHUP};

}  // namespace

void signaux_installer(void) {
    for (int numero : SIGNAUX_FIN) {
        struct sigaction actuelle;
        if (sigaction(numero, nullptr, &actuelle) != 0 || actuelle.sa_handler == SIG_IGN) continue;
        struct sigaction action = {};
        action.sa_handler = sur_signal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(numero, &action, nullptr);
    }
}

void signaux_verifier(void) {
    if (signal_recu) exit(128 + signal_recu);
}
