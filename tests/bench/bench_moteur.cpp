// What a match costs with the real fighters: setting it up, simulating it,
// drawing its frames.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "engine/simulateur.h"
#include "platform/ttftext.h"
#include "support/allegro_env.h"

namespace {

// The generated data folder, or false when it has no fighters yet.
bool dans_les_donnees()
{
    allegro_sans_systeme();
    alfont_init();
    if (!std::filesystem::exists(std::string(ZEF_DATA_DIR) + "/shiz/shiz.p") ||
        !std::filesystem::exists(std::string(ZEF_DATA_DIR) + "/talon/talon.p"))
        return false;
    return chdir(ZEF_DATA_DIR) == 0;
}

ParamMoteur cpu_contre_cpu()
{
    ParamMoteur pm;
    pm.Parlvl.stage = aeroport;
    pm.parP1.control = pm.parP2.control = CONTROLE_CPU;
    pm.parP1.SetPerso(shiz);
    pm.parP2.SetPerso(talon);
    return pm;
}

void mise_en_place_match(benchmark::State& state)
{
    if (!dans_les_donnees()) {
        state.SkipWithError("no generated fighters");
        return;
    }
    const ParamMoteur pm = cpu_contre_cpu();
    for (auto _ : state)
        SimulateurMatch sim(pm);
}
BENCHMARK(mise_en_place_match)->Unit(benchmark::kMillisecond)->Iterations(3);

void match_simule(benchmark::State& state)
{
    if (!dans_les_donnees()) {
        state.SkipWithError("no generated fighters");
        return;
    }
    SimulateurMatch sim(cpu_contre_cpu());
    int64_t ticks = 0;
    unsigned graine = 1;
    for (auto _ : state)
        ticks += sim.jouer(graine++).ticks;
    state.counters["ticks/s"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
}
BENCHMARK(match_simule)->Unit(benchmark::kMillisecond)->Iterations(5);

void image_de_combat(benchmark::State& state)
{
    if (!dans_les_donnees()) {
        state.SkipWithError("no generated fighters");
        return;
    }
    SimulateurMatch sim(cpu_contre_cpu());
    Moteur& m = sim.moteur();
    m.NewRound(&sim.parametres());
    m.DebutRound(&sim.parametres(), 60);
    for (auto _ : state) {
        m.ImageCombat(&sim.parametres());
        clear_bitmap(m.buffer);
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(image_de_combat)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// A round under way, 300 ticks in, for the snapshot figures.
struct RoundEnCours {
    RoundEnCours() : sim(cpu_contre_cpu())
    {
        Moteur& m = sim.moteur();
        m.NewRound(&sim.parametres());
        m.DebutRound(&sim.parametres(), 60);
        for (int i = 0; i < 300; ++i)
            m.TickCombat(&sim.parametres());
    }
    SimulateurMatch sim;
};

// Saving a match in progress and restoring it: what a rollback costs
// before any tick is played again.
void sauver_restaurer(benchmark::State& state)
{
    if (!dans_les_donnees()) {
        state.SkipWithError("no generated fighters");
        return;
    }
    RoundEnCours r;
    Moteur& m = r.sim.moteur();
    for (auto _ : state) {
        EtatMatch e = m.Sauver(&r.sim.parametres());
        m.Restaurer(e, &r.sim.parametres());
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(sauver_restaurer)->Unit(benchmark::kMicrosecond);

// Restoring a snapshot and playing 8 ticks again: a rollback of 8 frames.
void rejouer_8_ticks(benchmark::State& state)
{
    if (!dans_les_donnees()) {
        state.SkipWithError("no generated fighters");
        return;
    }
    RoundEnCours r;
    Moteur& m = r.sim.moteur();
    const EtatMatch e = m.Sauver(&r.sim.parametres());
    for (auto _ : state) {
        m.Restaurer(e, &r.sim.parametres());
        for (int i = 0; i < 8; ++i)
            m.TickCombat(&r.sim.parametres());
    }
}
BENCHMARK(rejouer_8_ticks)->Unit(benchmark::kMicrosecond);

}  // namespace
