// Baselines for the frame costs: the bare blits of a scene's background bands and top bar and
// the flip, the least any frame of that scene must do; and the same level frame shown full
// screen on larger desktops, where the flip scales the canvas (2x on 1920x1080, 4x on
// 3840x2160). Run from the run directory (build/run). The dummy video driver is used unless
// SDL_VIDEODRIVER names another (x11 under Xvfb, to count the X server's upload too).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/ressources.h"
#include "platform/plateforme.h"

namespace {

// The canvas, full screen on a desktop of l x h (0 x 0: the 640x480 mode the headless
// simulator shows).
SDL_Surface* toile(int l, int h) {
    static SDL_Surface* t = nullptr;
    static int bureau_l = -1, bureau_h = -1;
    if (!t) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE);
    }
    if (l != bureau_l || h != bureau_h) {
        plateforme_imposer_bureau(l > 0 ? l : 640, h > 0 ? h : 480);
        t = plateforme_ouvrir_ecran();
        bureau_l = l;
        bureau_h = h;
    }
    return t;
}

struct Bande {
    const char* chemin;
    int y;
    bool cle;
    bool defile;  // scrolls 2 pixels a frame, as a level's bands do
};

void base_sur(benchmark::State& state, std::vector<Bande> bandes, int l, int h) {
    SDL_Surface* ecran = toile(l, h);
    if (!ecran) {
        state.SkipWithError("no display");
        return;
    }
    std::vector<SDL_Surface*> images;
    for (const Bande& b : bandes) images.push_back(charger_image(b.chemin, b.cle, 255, 0, 255));
    // Each frame timed on its own, so that the baseline has a median and a 99th percentile
    // to set beside the game's frames (the benchmark's own figure is a mean).
    std::vector<double> durees;
    durees.reserve(1 << 16);
    int decalage = 0;
    SDL_Event e;
    for (auto _ : state) {
        auto debut = std::chrono::steady_clock::now();
        for (size_t i = 0; i < bandes.size(); ++i) {
            Sint16 y = Sint16(bandes[i].y);
            int d = bandes[i].defile ? decalage : 0;
            SDL_Rect source = {Sint16(d), 0, Uint16(640 - d), Uint16(images[i]->h)}, ou = {0, y, 0, 0};
            SDL_BlitSurface(images[i], &source, ecran, &ou);
            if (d > 0) {
                SDL_Rect reste = {0, 0, Uint16(d), Uint16(images[i]->h)}, ou2 = {Sint16(640 - d), y, 0, 0};
                SDL_BlitSurface(images[i], &reste, ecran, &ou2);
            }
        }
        plateforme_afficher(ecran);
        while (plateforme_evenement(&e)) {
        }
        decalage = (decalage + 2) % 640;
        durees.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - debut).count());
    }
    if (!durees.empty()) {
        std::sort(durees.begin(), durees.end());
        size_t n = durees.size(), i99 = std::max<size_t>(n * 99 / 100, 1) - 1;
        state.counters["mediane_us"] = durees[(n - 1) / 2];
        state.counters["p99_us"] = durees[i99];
        state.counters["max_us"] = durees[n - 1];
    }
    for (SDL_Surface* s : images) SDL_FreeSurface(s);
}
void base(benchmark::State& state, std::vector<Bande> bandes) { base_sur(state, bandes, 0, 0); }

const std::vector<Bande> k_niveau1 = {{"./Images/Desert_Haut1a.png", 80, false, true},
                                      {"./Images/Desert_Bas1a.png", 257, false, true},
                                      {"./Images/Desert_Sol1a.png", 413, true, true},
                                      {"./Images/Menu_Haut.png", 0, false, false}};

void BM_base_niveau1(benchmark::State& state) { base(state, k_niveau1); }
void BM_base_niveau2(benchmark::State& state) {
    base(state, {{"./Images/Sky1.png", 80, false, true}, {"./Images/Menu_Haut.png", 0, false, false}});
}
void BM_base_histoire(benchmark::State& state) { base(state, {{"./Images/Base1.png", 0, false, true}}); }
void BM_flip_seul(benchmark::State& state) { base(state, {}); }
// The level frame shown full screen on larger desktops: what scaling the canvas costs.
void BM_plein_ecran_niveau1_1920x1080(benchmark::State& state) { base_sur(state, k_niveau1, 1920, 1080); }
void BM_plein_ecran_niveau1_3840x2160(benchmark::State& state) { base_sur(state, k_niveau1, 3840, 2160); }
void BM_plein_ecran_niveau1_1366x768(benchmark::State& state) { base_sur(state, k_niveau1, 1366, 768); }
// A still picture (the splash) on 1920x1080: the flip finds no changed row and sends nothing.
void BM_plein_ecran_image_fixe_1920x1080(benchmark::State& state) {
    base_sur(state, {{"./Images/Programmer.png", 0, false, false}}, 1920, 1080);
}

}  // namespace

BENCHMARK(BM_base_niveau1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_base_niveau2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_base_histoire)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_flip_seul)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_plein_ecran_niveau1_1366x768)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_plein_ecran_niveau1_1920x1080)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_plein_ecran_niveau1_3840x2160)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_plein_ecran_image_fixe_1920x1080)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
