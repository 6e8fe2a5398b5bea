// Test helpers for the sound pack (see outils_audio.h).
#include "outils_audio.h"

#include <vorbis/codec.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

uint32_t u32(const std::vector<uint8_t>& o, size_t at) {
    return uint32_t(o[at]) | uint32_t(o[at + 1]) << 8 | uint32_t(o[at + 2]) << 16 | uint32_t(o[at + 3]) << 24;
}
uint16_t u16(const std::vector<uint8_t>& o, size_t at) { return uint16_t(o[at] | o[at + 1] << 8); }

}  // namespace

std::vector<uint8_t> lire_fichier(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

Wav lire_wav(const std::vector<uint8_t>& o) {
    Wav w;
    if (o.size() < 12 || std::memcmp(o.data(), "RIFF", 4) || std::memcmp(o.data() + 8, "WAVE", 4)) {
        w.erreur = "not RIFF/WAVE";
        return w;
    }
    if (u32(o, 4) + 8 != o.size()) w.erreur = "RIFF size does not match the file";
    bool fmt = false;
    for (size_t at = 12; at + 8 <= o.size();) {
        uint32_t taille = u32(o, at + 4);
        const uint8_t* id = o.data() + at;
        at += 8;
        if (!std::memcmp(id, "fmt ", 4) && at + 16 <= o.size()) {
            w.format = u16(o, at);
            w.canaux = u16(o, at + 2);
            w.frequence = u32(o, at + 4);
            w.bits = u16(o, at + 14);
            fmt = true;
        } else if (!std::memcmp(id, "data", 4)) {
            if (!fmt) w.erreur = "data before fmt";
            if (at + taille > o.size()) {
                w.erreur = "data chunk runs past the end of the file";
                return w;
            }
            for (size_t i = at; i + 1 < at + taille; i += 2) w.echantillons.push_back(int16_t(u16(o, i)));
            return w;
        }
        at += taille + (taille & 1);
    }
    w.erreur = "no data chunk";
    return w;
}

double Ogg::efficace() const { return images ? std::sqrt(somme2 / (2.0 * double(images))) : 0; }

Ogg decoder_ogg(const std::string& chemin, bool garder) {
    Ogg r;
    FILE* f = std::fopen(chemin.c_str(), "rb");
    if (!f) {
        r.erreur = "cannot open";
        return r;
    }
    ogg_sync_state oy;
    ogg_stream_state os;
    vorbis_info vi;
    vorbis_comment vc;
    vorbis_dsp_state vd;
    vorbis_block vb;
    ogg_sync_init(&oy);
    vorbis_info_init(&vi);
    vorbis_comment_init(&vc);
    bool flux = false, synthese = false, fini = false;
    int entetes = 0;
    float precedent = 0;
    while (!fini && r.erreur.empty()) {
        char* buf = ogg_sync_buffer(&oy, 65536);
        size_t n = std::fread(buf, 1, 65536, f);
        ogg_sync_wrote(&oy, long(n));
        if (n == 0) fini = true;
        ogg_page page;
        while (r.erreur.empty() && ogg_sync_pageout(&oy, &page) == 1) {
            if (!flux) {
                ogg_stream_init(&os, ogg_page_serialno(&page));
                flux = true;
            }
            ogg_stream_pagein(&os, &page);
            ogg_packet op;
            while (r.erreur.empty() && ogg_stream_packetout(&os, &op) == 1) {
                if (entetes < 3) {
                    if (vorbis_synthesis_headerin(&vi, &vc, &op) < 0) r.erreur = "bad Vorbis header";
                    else if (++entetes == 3) {
                        vorbis_synthesis_init(&vd, &vi);
                        vorbis_block_init(&vd, &vb);
                        synthese = true;
                        r.canaux = vi.channels;
                        r.frequence = vi.rate;
                    }
                    continue;
                }
                if (vorbis_synthesis(&vb, &op) == 0) vorbis_synthesis_blockin(&vd, &vb);
                float** pcm;
                int k;
                while ((k = vorbis_synthesis_pcmout(&vd, &pcm)) > 0) {
                    for (int i = 0; i < k; ++i, ++r.images) {
                        for (int c = 0; c < vi.channels; ++c) {
                            double v = pcm[c][i];
                            r.crete = std::max(r.crete, std::fabs(v));
                            r.somme2 += v * v;
                            // vorbisfile's 16-bit output, which SDL_mixer mixes.
                            if (garder) r.echantillons.push_back(int16_t(std::clamp(std::lround(std::floor(v * 32768.0 + 0.5)), -32768L, 32767L)));
                        }
                        float g = pcm[0][i];
                        size_t seconde = r.images / size_t(std::max(1L, r.frequence));
                        if (r.passages.size() <= seconde) r.passages.push_back(0), r.energie.push_back(0);
                        for (int c = 0; c < vi.channels; ++c) r.energie[seconde] += double(pcm[c][i]) * pcm[c][i];
                        if (vi.channels == 2) r.somme_difference2 += double(pcm[0][i] - pcm[1][i]) * (pcm[0][i] - pcm[1][i]);
                        if ((g >= 0) != (precedent >= 0)) r.passages[seconde]++;
                        precedent = g;
                    }
                    vorbis_synthesis_read(&vd, k);
                }
            }
        }
    }
    std::fclose(f);
    if (entetes < 3 && r.erreur.empty()) r.erreur = "no Vorbis headers";
    if (synthese) {
        vorbis_block_clear(&vb);
        vorbis_dsp_clear(&vd);
    }
    if (flux) ogg_stream_clear(&os);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    ogg_sync_clear(&oy);
    return r;
}

