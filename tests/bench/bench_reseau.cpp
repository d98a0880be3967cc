// What online play costs: a correction of eight ticks (the state restored,
// eight ticks played again) and a whole frame of a session whose peer is
// 150 ms away, with jitter and loss, corrections included. The goal is a
// frame under a millisecond.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "platform/ttftext.h"
#include "support/allegro_env.h"
#include "support/deux_joueurs.h"

namespace {

bool dans_les_donnees()
{
    allegro_sans_systeme();
    alfont_init();
    if (!std::filesystem::exists(std::string(ZEF_DATA_DIR) + "/shiz/shiz.p"))
        return false;
    return chdir(ZEF_DATA_DIR) == 0;
}

Rejeu shiz_contre_talon()
{
    Rejeu r;
    r.cotes[0].perso = shiz;
    r.cotes[1].perso = talon;
    r.cotes[0].control = r.cotes[1].control = CONTROLE_CLAVIER;
    r.cotes[0].carac = r.cotes[1].carac = {10, 10, 10, 10, 0, 0, 0, 0, 0, 1};
    r.graine = 3;
    return r;
}

constexpr Touches bit(int role) { return static_cast<Touches>(1u << role); }

void correction_de_8_ticks(benchmark::State& state)
{
    if (!dans_les_donnees()) {
        state.SkipWithError("no generated fighters");
        return;
    }
    MatchEnLigne match(shiz_contre_talon());
    Rollback rb(match, 0);
    int64_t tick = 0;
    const auto jouer_sur_predictions = [&](int n) {
        for (int i = 0; i < n; ++i, ++tick) {
            rb.entree_locale(tick, tick % 20 < 4 ? bit(TOUCHE_PUNCH_FORT) : bit(TOUCHE_DROITE));
            rb.jouer();
        }
    };
    // Into the fight first, the remote side's keys always on time.
    for (; tick < 200; ++tick) {
        rb.entree_locale(tick, bit(TOUCHE_DROITE));
        rb.entree_distante(tick, bit(TOUCHE_GAUCHE));
        rb.jouer();
    }
    bool bas = false;
    for (auto _ : state) {
        state.PauseTiming();
        jouer_sur_predictions(Rollback::FENETRE);
        // The remote side had changed its keys eight ticks ago.
        bas = !bas;
        for (int64_t t = tick - Rollback::FENETRE; t < tick; ++t)
            rb.entree_distante(t, bit(bas ? TOUCHE_BAS : TOUCHE_HAUT));
        state.ResumeTiming();
        rb.corriger();
    }
    state.counters["ticks_rejoues"] = static_cast<double>(rb.ticks_rejoues()) / static_cast<double>(state.iterations());
}
BENCHMARK(correction_de_8_ticks)->Unit(benchmark::kMicrosecond)->Iterations(200);

void image_a_150_ms(benchmark::State& state)
{
    if (!dans_les_donnees()) {
        state.SkipWithError("no generated fighters");
        return;
    }
    Conditions c;
    c.delai_ms = 75;
    c.gigue_ms = 10;
    c.perte_pct = 5;
    double images = 0, rejoues = 0;
    for (auto _ : state) {
        const MatchDeuxJoueurs m = jouer_deux_joueurs(shiz_contre_talon(), c, 5);
        // Both games' frames: a side plays one per 1/60 s.
        images += static_cast<double>(m.duree_ms) * 60 / 1000 * 2;
        rejoues += static_cast<double>(m.cotes[0].ticks_rejoues + m.cotes[1].ticks_rejoues);
    }
    state.counters["images"] = images;
    // Seconds per frame (printed as 312u for 312 microseconds).
    state.counters["temps_par_image"] = benchmark::Counter(images, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["rejoues_par_image"] = rejoues / images;
}
BENCHMARK(image_a_150_ms)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
