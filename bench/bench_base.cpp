// Baselines for the frame costs: the bare blits of a scene's background bands and top bar and
// the flip, the least any frame of that scene must do. Run from the run directory (build/run).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/ressources.h"
#include "platform/plateforme.h"

namespace {

SDL_Surface* toile() {
    static SDL_Surface* t = nullptr;
    if (!t) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE);
        t = plateforme_ouvrir_ecran();
    }
    return t;
}

struct Bande {
    const char* chemin;
    int y;
    bool cle;
};

void base(benchmark::State& state, std::vector<Bande> bandes) {
    SDL_Surface* ecran = toile();
    std::vector<SDL_Surface*> images;
    for (const Bande& b : bandes) images.push_back(charger_image(b.chemin, b.cle, 255, 0, 255));
    // Each frame timed on its own, so that the baseline has a median and a 99th percentile
    // to set beside the game's frames (the benchmark's own figure is a mean).
    std::vector<double> durees;
    durees.reserve(1 << 16);
    for (auto _ : state) {
        auto debut = std::chrono::steady_clock::now();
        for (size_t i = 0; i < bandes.size(); ++i) {
            SDL_Rect r = {0, Sint16(bandes[i].y), 0, 0};
            SDL_BlitSurface(images[i], NULL, ecran, &r);
        }
        plateforme_afficher(ecran);
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

void BM_base_niveau1(benchmark::State& state) {
    base(state, {{"./Images/Desert_Haut1a.png", 80, false},
                 {"./Images/Desert_Bas1a.png", 257, false},
                 {"./Images/Desert_Sol1a.png", 413, true},
                 {"./Images/Menu_Haut.png", 0, false}});
}
void BM_base_niveau2(benchmark::State& state) {
    base(state, {{"./Images/Sky1.png", 80, false}, {"./Images/Menu_Haut.png", 0, false}});
}
void BM_base_histoire(benchmark::State& state) { base(state, {{"./Images/Base1.png", 0, false}}); }
void BM_flip_seul(benchmark::State& state) { base(state, {}); }

}  // namespace

BENCHMARK(BM_base_niveau1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_base_niveau2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_base_histoire)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_flip_seul)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
