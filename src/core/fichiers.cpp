// Opening input files, regular files only (see fichiers.h).
#include "core/fichiers.h"

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

static const char* genre_fichier(mode_t mode) {
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    return "of an unknown kind";
}

FILE* ouvrir_fichier_regulier(const char* chemin, long long* taille, char* raison, size_t taille_raison) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    int fd = open(chemin, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        snprintf(raison, taille_raison, "%s", strerror(errno));
        return NULL;
    }
    struct stat st;
    if (fstat(fd, &st) != 0) {
        snprintf(raison, taille_raison, "%s", strerror(errno));
        close(fd);
        return NULL;
    }
    if (!S_ISREG(st.st_mode)) {
        snprintf(raison, taille_raison, "not a regular file (%s)", genre_fichier(st.st_mode));
        close(fd);
        return NULL;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FILE* f = fdopen(fd, "rb");
    if (!f) {
        snprintf(raison, taille_raison, "%s", strerror(errno));
        close(fd);
        return NULL;
    }
    if (taille) *taille = (long long)st.st_size;
    return f;
}

// The folder part of a path ("." when there is none) and its last part.
static void separer(const char* chemin, std::string* dossier, std::string* nom) {
    std::string c = chemin;
    size_t barre = c.rfind('/');
    *dossier = barre == std::string::npos ? "." : barre == 0 ? "/" : c.substr(0, barre);
    *nom = barre == std::string::npos ? c : c.substr(barre + 1);
}

int meme_fichier(const char* a, const char* b) {
    struct stat sa, sb;
    if (stat(a, &sa) == 0 && stat(b, &sb) == 0) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // One of them is still to be created: the same name in the same folder.
    std::string da, na, db, nb;
    separer(a, &da, &na);
    separer(b, &db, &nb);
    if (na != nb) return 0;
    if (stat(da.c_str(), &sa) == 0 && stat(db.c_str(), &sb) == 0) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return strcmp(a, b) == 0;
}
