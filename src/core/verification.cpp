// Structural checks of PNG, BMP, WAV and Ogg Vorbis files (see verification.h).
#include "core/verification.h"

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include <string>
#include <vector>

#include "core/fichiers.h"
#include "core/sommes.h"

namespace {

// Far above any file of the pack (the longest music is a few MiB).
const long long TAILLE_MAX_DONNEE = 256ll << 20;

uint32_t be32(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]; }
uint32_t le32(const uint8_t* p) { return p[0] | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24); }
uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

}  // namespace

const char* verifier_png(const uint8_t* o, size_t taille) {
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (taille < 8 || memcmp(o, signature, 8) != 0) return "not a PNG file (bad signature)";
    size_t pos = 8;
    bool premier = true, idat = false;
    while (pos < taille) {
        if (taille - pos < 12) return "truncated: a chunk header runs past the end of the file";
        uint32_t longueur = be32(o + pos);
        const uint8_t* type = o + pos + 4;
        if (longueur > 0x7FFFFFFFu || longueur > taille - pos - 12)
            return "truncated or damaged: a chunk length runs past the end of the file";
        if (crc_continue(0, type, 4 + size_t(longueur)) != be32(o + pos + 8 + longueur))
            return "damaged: a chunk's CRC does not match its contents";
        if (premier) {
            if (memcmp(type, "IHDR", 4) != 0 || longueur != 13) return "damaged: the first chunk is not IHDR";
            uint32_t w = be32(type + 4), h = be32(type + 8);
            if (w == 0 || h == 0 || w > 16384 || h > 16384) return "damaged: impossible picture size";
            premier = false;
        }
        if (memcmp(type, "IDAT", 4) == 0) idat = true;
        pos += 12 + size_t(longueur);
        if (memcmp(type, "IEND", 4) == 0) {
            if (!idat) return "damaged: no image data";
            if (pos != taille) return "damaged: data after the IEND chunk";
            return NULL;
        }
    }
    return "truncated: no IEND chunk";
}

const char* verifier_bmp(const uint8_t* o, size_t taille) {
    if (taille < 54 || o[0] != 'B' || o[1] != 'M') return "not a BMP file (bad signature)";
    uint32_t debut = le32(o + 10), entete = le32(o + 14);
    if (entete < 40 || 14 + size_t(entete) > taille) return "damaged: bad header size";
    int32_t w = int32_t(le32(o + 18)), h = int32_t(le32(o + 22));
    uint16_t bits = le16(o + 28);
    uint32_t compression = le32(o + 30);
    if (w <= 0 || w > 16384 || h == 0 || h > 16384 || h < -16384) return "damaged: impossible picture size";
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return "damaged: bad bit depth";
    if (compression == 0) {
        size_t ligne = ((size_t(w) * bits + 31) / 32) * 4;
        size_t lignes = size_t(h < 0 ? -h : h);
        if (debut > taille || ligne * lignes > taille - debut) return "truncated: pixel data runs past the end of the file";
    } else if (debut > taille) {
        return "truncated: pixel data runs past the end of the file";
    }
    return NULL;
}

const char* verifier_wav(const uint8_t* o, size_t taille) {
    if (taille < 12 || memcmp(o, "RIFF", 4) != 0 || memcmp(o + 8, "WAVE", 4) != 0) return "not a WAV file (no RIFF/WAVE header)";
    size_t pos = 12;
    bool fmt = false;
    while (pos + 8 <= taille) {
        const uint8_t* id = o + pos;
        uint32_t longueur = le32(o + pos + 4);
        if (longueur > taille - pos - 8) return "truncated or damaged: a chunk runs past the end of the file";
        const uint8_t* d = o + pos + 8;
        if (memcmp(id, "fmt ", 4) == 0) {
            if (longueur < 16) return "damaged: format chunk too short";
            uint16_t format = le16(d), canaux = le16(d + 2), bits = le16(d + 14);
            uint32_t frequence = le32(d + 4);
            if (format != 1) return "unsupported: not PCM";
            if (canaux != 1 && canaux != 2) return "damaged: channel count must be 1 or 2";
            if (bits != 8 && bits != 16) return "unsupported: samples must be 8 or 16 bits";
            if (frequence < 4000 || frequence > 192000) return "damaged: impossible sample rate";
            fmt = true;
        } else if (memcmp(id, "data", 4) == 0) {
            if (!fmt) return "damaged: sample data before the format chunk";
            if (longueur == 0) return "damaged: no sample data";
            return NULL;
        }
        pos += 8 + size_t(longueur) + (longueur & 1);
    }
    return fmt ? "truncated: no sample data" : "damaged: no format chunk";
}

const char* verifier_ogg(const uint8_t* o, size_t taille) {
    if (taille < 27 || memcmp(o, "OggS", 4) != 0) return "not an Ogg file (bad capture pattern)";
    size_t pos = 0;
    bool premiere = true, fin = false;
    while (pos < taille) {
        if (fin) return "damaged: data after the end of the stream";
        if (taille - pos < 27 || memcmp(o + pos, "OggS", 4) != 0 || o[pos + 4] != 0)
            return "truncated or damaged: bad page header";
        size_t segments = o[pos + 26];
        if (taille - pos < 27 + segments) return "truncated: a page runs past the end of the file";
        size_t corps = 0;
        for (size_t i = 0; i < segments; ++i) corps += o[pos + 27 + i];
        size_t longueur = 27 + segments + corps;
        if (longueur > taille - pos) return "truncated: a page runs past the end of the file";
        uint8_t* page = (uint8_t*)malloc(longueur);
        memcpy(page, o + pos, longueur);
        memset(page + 22, 0, 4);
        uint32_t crc = crc_ogg(page, longueur);
        free(page);
        if (crc != le32(o + pos + 22)) return "damaged: a page's CRC does not match its contents";
        if (premiere) {
            const uint8_t* p = o + pos + 27 + segments;
            if (corps < 30 || p[0] != 1 || memcmp(p + 1, "vorbis", 6) != 0) return "not Ogg Vorbis";
            uint8_t canaux = p[11];
            uint32_t frequence = le32(p + 12);
            if (canaux < 1 || canaux > 2) return "unsupported: channel count must be 1 or 2";
            if (frequence < 4000 || frequence > 192000) return "damaged: impossible sample rate";
            premiere = false;
        }
        if (o[pos + 5] & 0x04) fin = true;
        pos += longueur;
    }
    return fin ? NULL : "truncated: the stream has no end page";
}

Verificateur verificateur_pour(const char* chemin) {
    const char* point = strrchr(chemin, '.');
    if (!point) return NULL;
    if (!strcasecmp(point, ".png")) return verifier_png;
    if (!strcasecmp(point, ".bmp")) return verifier_bmp;
    if (!strcasecmp(point, ".wav")) return verifier_wav;
    if (!strcasecmp(point, ".ogg")) return verifier_ogg;
    return NULL;
}

const char* verifier_fichier(const char* chemin, char* raison, size_t taille_raison) {
    long long taille = 0;
    FILE* f = ouvrir_fichier_regulier(chemin, &taille, raison, taille_raison);
    if (!f) {
        if (strncmp(raison, "not a regular file", 18) != 0) {
            std::string pourquoi = raison;
            snprintf(raison, taille_raison, "cannot open: %s", pourquoi.c_str());
        }
        return raison;
    }
    if (taille <= 0) {
        fclose(f);
        snprintf(raison, taille_raison, "the file is empty");
        return raison;
    }
    if (taille > TAILLE_MAX_DONNEE) {
        fclose(f);
        snprintf(raison, taille_raison, "too large (%lld bytes; a data file holds at most 256 MiB)", taille);
        return raison;
    }
    uint8_t* octets = (uint8_t*)malloc(size_t(taille));
    if (!octets) {
        fclose(f);
        snprintf(raison, taille_raison, "out of memory reading %lld bytes", taille);
        return raison;
    }
    size_t lus = fread(octets, 1, size_t(taille), f);
    fclose(f);
    const char* r = NULL;
    if (lus != size_t(taille)) {
        r = "read error";
    } else if (Verificateur v = verificateur_pour(chemin)) {
        r = v(octets, lus);
    }
    free(octets);
    if (!r) return NULL;
    snprintf(raison, taille_raison, "%s", r);
    return raison;
}

uint32_t duree_ogg_ms(const char* chemin) {
    FILE* f = fopen(chemin, "rb");
    if (!f) return 0;
    uint8_t tete[27 + 255 + 30];
    size_t n = fread(tete, 1, sizeof tete, f);
    uint32_t frequence = 0;
    if (n >= 27 && memcmp(tete, "OggS", 4) == 0) {
        size_t corps = 27 + size_t(tete[26]);
        if (n >= corps + 16 && tete[corps] == 1 && memcmp(tete + corps + 1, "vorbis", 6) == 0)
            frequence = le32(tete + corps + 12);
    }
    // The last page lies within the last 64 KiB (a page is at most 65307 bytes).
    fseek(f, 0, SEEK_END);
    long taille = ftell(f);
    long debut = taille > 65536 ? taille - 65536 : 0;
    std::vector<uint8_t> queue(size_t(taille - debut));
    fseek(f, debut, SEEK_SET);
    size_t lus = fread(queue.data(), 1, queue.size(), f);
    fclose(f);
    if (!frequence || lus < 27) return 0;
    for (size_t pos = lus - 27 + 1; pos-- > 0;) {
        if (memcmp(queue.data() + pos, "OggS", 4) != 0) continue;
        uint64_t granule = 0;
        for (int i = 7; i >= 0; --i) granule = (granule << 8) | queue[pos + 6 + size_t(i)];
        return uint32_t(granule * 1000 / frequence);
    }
    return 0;
}
