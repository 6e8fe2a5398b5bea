// Test helpers (see outils_sdl.h).
#include "outils_sdl.h"

#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vorbis/vorbisenc.h>

#include <cmath>
#include <fstream>
#include <sstream>

SDL_Surface* ecran_de_test() {
    static SDL_Surface* ecran = nullptr;
    if (!ecran) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE);
        ecran = SDL_SetVideoMode(640, 480, 32, 0);
    }
    return ecran;
}

SDL_Surface* image_unie(int w, int h, Uint8 r, Uint8 g, Uint8 b) {
    SDL_Surface* e = ecran_de_test();
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, e->format->Rmask, e->format->Gmask,
                                          e->format->Bmask, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
    return s;
}

Uint32 lire_pixel(SDL_Surface* s, int x, int y) {
    Uint32 v = *(Uint32*)((Uint8*)s->pixels + y * s->pitch + x * 4);
    Uint8 r, g, b;
    SDL_GetRGB(v, s->format, &r, &g, &b);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}

RunSimulateur lancer_simulateur(const std::string& arguments, const std::string& entrees, const std::string& dossier,
                                const std::string& programme) {
    RunSimulateur r;
    char modele[] = "/tmp/mirage_simXXXXXX";
    std::string tmp = mkdtemp(modele);
    std::string trace = tmp + "/trace.jsonl", sortie = tmp + "/sortie.txt";
    std::string commande = "cd '" + dossier + "' && '" + programme + "' " + arguments + " --trace '" + trace + "'";
    if (!entrees.empty()) {
        std::ofstream(tmp + "/entrees.txt") << entrees;
        commande += " --entrees '" + tmp + "/entrees.txt'";
    }
    commande += " > '" + sortie + "' 2>&1";
    int s = system(commande.c_str());
    r.statut = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    std::ifstream so(sortie);
    std::stringstream ss;
    ss << so.rdbuf();
    r.sortie = ss.str();
    std::ifstream tr(trace);
    for (std::string l; std::getline(tr, l);) r.trace.push_back(l);
    system(("rm -rf '" + tmp + "'").c_str());
    return r;
}

std::vector<std::string> evenements(const RunSimulateur& r, const std::string& ev) {
    std::vector<std::string> v;
    for (const std::string& l : r.trace)
        if (l.find("\"ev\":\"" + ev + "\"") != std::string::npos) v.push_back(l);
    return v;
}

long valeur_entiere(const std::string& ligne, const std::string& cle) {
    size_t p = ligne.find("\"" + cle + "\":");
    if (p == std::string::npos) return -999999;
    return strtol(ligne.c_str() + p + cle.size() + 3, nullptr, 10);
}

std::string valeur_texte(const std::string& ligne, const std::string& cle) {
    size_t p = ligne.find("\"" + cle + "\":\"");
    if (p == std::string::npos) return "";
    size_t debut = p + cle.size() + 4;
    return ligne.substr(debut, ligne.find('"', debut) - debut);
}

std::vector<uint8_t> ogg_vorbis_encode(int nb_blocs, float amplitude) {
    vorbis_info vi;
    vorbis_info_init(&vi);
    vorbis_encode_init_vbr(&vi, 2, 44100, 0.1f);
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 1);
    std::vector<uint8_t> sortie;
    auto vider = [&](bool forcer) {
        ogg_page og;
        while (forcer ? ogg_stream_flush(&os, &og) : ogg_stream_pageout(&os, &og)) {
            sortie.insert(sortie.end(), og.header, og.header + og.header_len);
            sortie.insert(sortie.end(), og.body, og.body + og.body_len);
        }
    };
    ogg_packet h, hc, hs;
    vorbis_analysis_headerout(&vd, &vc, &h, &hc, &hs);
    ogg_stream_packetin(&os, &h);
    ogg_stream_packetin(&os, &hc);
    ogg_stream_packetin(&os, &hs);
    vider(true);
    for (int bloc = 0; bloc <= nb_blocs; ++bloc) {
        if (bloc == nb_blocs) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** tampon = vorbis_analysis_buffer(&vd, 1024);
            for (int i = 0; i < 1024; ++i) tampon[0][i] = tampon[1][i] = amplitude * std::sin((bloc * 1024 + i) * 0.05f);
            vorbis_analysis_wrote(&vd, 1024);
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                vider(false);
            }
        }
    }
    vider(true);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return sortie;
}

