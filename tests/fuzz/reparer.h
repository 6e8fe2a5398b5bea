// Checksums made again after a mutation, so that libFuzzer's mutants of a replay, a PNG or an
// Ogg stream get past the checks of their checksums and reach what lies behind them. The sums
// are the game's own (core/sommes.h): files written by libpng, libogg and the recorder are
// what prove them right, in the test suite.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "core/sommes.h"

namespace reparer {

inline void poser_le32(uint8_t* p, uint32_t v) {
    for (int k = 0; k < 4; ++k) p[k] = uint8_t(v >> (8 * k));
}

// A replay: the header's "entete" line, then every whole frame's CRC along the chain.
inline void rejeu(uint8_t* o, size_t n) {
    size_t lignes[7] = {0};
    for (int i = 0; i < 6; ++i) {
        const uint8_t* nl = (const uint8_t*)memchr(o + lignes[i], '\n', n - lignes[i]);
        if (!nl) return;
        lignes[i + 1] = size_t(nl - o) + 1;
    }
    if (lignes[6] - lignes[5] != 16 || memcmp(o + lignes[5], "entete ", 7) != 0) return;
    uint32_t crc = crc_continue(0, o, lignes[5]);
    static const char hex[] = "0123456789abcdef";
    for (int k = 0; k < 8; ++k) o[lignes[5] + 7 + size_t(k)] = uint8_t(hex[(crc >> (28 - 4 * k)) & 0xF]);
    for (size_t p = lignes[6]; p < n;) {
        uint64_t longueur = 0;
        size_t q = p;
        for (int k = 0; k < 4 && q < n; ++k) {
            longueur |= uint64_t(o[q] & 0x7F) << (7 * k);
            if (!(o[q++] & 0x80)) break;
        }
        if (longueur > n || q + longueur + 4 > n) return;
        crc = crc_continue(crc, o + p, q + size_t(longueur) - p);
        poser_le32(o + q + longueur, crc);
        p = q + size_t(longueur) + 4;
    }
}

// A PNG: every whole chunk's CRC (over its type and data, big-endian after them).
inline void png(uint8_t* o, size_t n) {
    for (size_t p = 8; p + 12 <= n;) {
        uint32_t longueur = uint32_t(o[p]) << 24 | uint32_t(o[p + 1]) << 16 | uint32_t(o[p + 2]) << 8 | o[p + 3];
        if (longueur > n - p - 12) return;
        uint32_t crc = crc_continue(0, o + p + 4, 4 + size_t(longueur));
        uint8_t* c = o + p + 8 + longueur;
        c[0] = uint8_t(crc >> 24), c[1] = uint8_t(crc >> 16), c[2] = uint8_t(crc >> 8), c[3] = uint8_t(crc);
        p += 12 + size_t(longueur);
    }
}

// An Ogg stream: every whole page's CRC (over the page with its CRC field at 0).
inline void ogg(uint8_t* o, size_t n) {
    for (size_t p = 0; p + 27 <= n && memcmp(o + p, "OggS", 4) == 0;) {
        size_t segments = o[p + 26];
        if (p + 27 + segments > n) return;
        size_t longueur = 27 + segments;
        for (size_t i = 0; i < segments; ++i) longueur += o[p + 27 + i];
        if (longueur > n - p) return;
        memset(o + p + 22, 0, 4);
        poser_le32(o + p + 22, crc_ogg(o + p, longueur));
        p += longueur;
    }
}

// Whichever of the three the bytes look like.
inline void selon_signature(uint8_t* o, size_t n) {
    if (n >= 13 && memcmp(o, "MIRAGE-REJEU ", 13) == 0) rejeu(o, n);
    else if (n >= 8 && memcmp(o, "\x89PNG\r\n\x1a\n", 8) == 0) png(o, n);
    else if (n >= 4 && memcmp(o, "OggS", 4) == 0) ogg(o, n);
}

}  // namespace reparer

// libFuzzer's own mutation, then the checksums made again (the harnesses that include this
// define MIRAGE_FUZZ_MUTATEUR once).
extern "C" size_t LLVMFuzzerMutate(uint8_t* donnees, size_t taille, size_t taille_max);
#ifdef MIRAGE_FUZZ_MUTATEUR
extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* donnees, size_t taille, size_t taille_max, unsigned int) {
    size_t n = LLVMFuzzerMutate(donnees, taille, taille_max);
    // Now and then the mutant is left as it is, so that bad checksums stay tried too.
    static unsigned compte = 0;
    if (++compte % 8 != 0) reparer::selon_signature(donnees, n);
    return n;
}
#endif
