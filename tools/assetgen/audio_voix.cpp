// Spoken calls: espeak-ng as a child process, WAV parsing and resampling.
#include "audio_voix.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace ag {

static uint32_t lire32(const std::vector<uint8_t>& o, size_t at) {
    return uint32_t(o[at]) | uint32_t(o[at + 1]) << 8 | uint32_t(o[at + 2]) << 16 | uint32_t(o[at + 3]) << 24;
}
static uint16_t lire16(const std::vector<uint8_t>& o, size_t at) { return uint16_t(o[at] | o[at + 1] << 8); }

Parole lire_wav_pcm16(const std::vector<uint8_t>& o) {
    Parole p;
    if (o.size() < 12 || std::memcmp(o.data(), "RIFF", 4) || std::memcmp(o.data() + 8, "WAVE", 4)) return p;
    int canaux = 0, frequence = 0, bits = 0;
    size_t at = 12;
    while (at + 8 <= o.size()) {
        uint32_t taille = lire32(o, at + 4);
        const uint8_t* id = o.data() + at;
        at += 8;
        if (!std::memcmp(id, "fmt ", 4) && at + 16 <= o.size()) {
            if (lire16(o, at) != 1) return p;  // PCM only
            canaux = lire16(o, at + 2);
            frequence = int(lire32(o, at + 4));
            bits = lire16(o, at + 14);
        } else if (!std::memcmp(id, "data", 4)) {
            if (canaux < 1 || bits != 16 || frequence <= 0) return p;
            size_t fin = std::min<size_t>(o.size(), at + size_t(taille));  // streamed: size unknown
            size_t pas = size_t(canaux) * 2;
            for (size_t i = at; i + pas <= fin; i += pas) p.echantillons.push_back(float(int16_t(lire16(o, i))) / 32768.0f);
            p.frequence = frequence;
            return p;
        }
        at += taille + (taille & 1);
    }
    return p;
}

std::vector<uint8_t> prononcer(const std::string& texte, const std::string& voix, int mots_minute, int hauteur) {
    int tube[2];
    if (pipe(tube) != 0) throw std::runtime_error("espeak-ng: cannot create a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, tube[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, tube[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string v = voix, s = std::to_string(mots_minute), h = std::to_string(hauteur), t = texte;
    std::string o1 = "--stdout", o2 = "-v", o3 = "-s", o4 = "-p";
    char* argv[] = {const_cast<char*>("espeak-ng"), o1.data(), o2.data(), v.data(), o3.data(), s.data(),
                    o4.data(), h.data(), t.data(), nullptr};
    pid_t pid = 0;
    int err = posix_spawnp(&pid, "espeak-ng", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(tube[1]);
    if (err != 0) {
        close(tube[0]);
        throw std::runtime_error(std::string("cannot run espeak-ng (") + std::strerror(err) +
                                 "): the voice calls need the espeak-ng command (Debian package espeak-ng)");
    }
    std::vector<uint8_t> octets;
    uint8_t bloc[65536];
    for (;;) {
        ssize_t k = read(tube[0], bloc, sizeof bloc);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) break;
        octets.insert(octets.end(), bloc, bloc + k);
    }
    close(tube[0]);
    int etat = 0;
    while (waitpid(pid, &etat, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(etat) || WEXITSTATUS(etat) != 0 || octets.empty())
        throw std::runtime_error("espeak-ng failed to speak \"" + texte + "\" (is the espeak-ng package installed with its data?)");
    return octets;
}

Tampon convertir_parole(const Parole& p) {
    const std::vector<float>& x = p.echantillons;
    // Trim what espeak-ng pads around the word, keeping 10 ms before and after.
    size_t debut = 0, fin = x.size();
    while (debut < fin && std::fabs(x[debut]) < 0.01f) ++debut;
    while (fin > debut && std::fabs(x[fin - 1]) < 0.01f) --fin;
    size_t marge = size_t(p.frequence / 100);
    debut = debut > marge ? debut - marge : 0;
    fin = std::min(x.size(), fin + marge);
    if (p.frequence <= 0 || fin <= debut) return creer_tampon(0);
    double rapport = double(p.frequence) / FREQUENCE;
    size_t n = size_t(double(fin - debut) / rapport);
    Tampon t = creer_tampon(double(n) / FREQUENCE);
    auto a = [&](long i) { return i < long(debut) || i >= long(fin) ? 0.0 : double(x[size_t(i)]); };
    for (size_t i = 0; i < t.taille(); ++i) {
        double pos = double(debut) + double(i) * rapport;
        long k = long(std::floor(pos));
        double f = pos - double(k);
        double y0 = a(k - 1), y1 = a(k), y2 = a(k + 1), y3 = a(k + 2);
        // Catmull-Rom through the four neighbours.
        double v = y1 + 0.5 * f * (y2 - y0 + f * (2 * y0 - 5 * y1 + 4 * y2 - y3 + f * (3 * (y1 - y2) + y3 - y0)));
        t.g[i] = t.d[i] = float(v);
    }
    return t;
}

}  // namespace ag
