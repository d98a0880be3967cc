// What loading a fighter's animations and stepping an animated object cost.
#include <benchmark/benchmark.h>

#include <map>

#include "graphics/objetanim.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"
#include "support/fichier_anim_test.h"

namespace {

// A fighter-sized file: 300 frames of 150 x 170 over 20 slots, the rest unused.
void ecrire_combattant(DossierTemp& dossier)
{
    std::map<std::pair<int, int>, DONNEES> images;
    for (int n = 0; n < 300; ++n) {
        const std::string chemin = "shiz/img/" + std::to_string(n) + ".bmp";
        ecrire_bmp(chemin, 150, 170, 255, 0, 255);
        images[{n / 15, n % 15}] = image(chemin.c_str(), 12, n % 15 == 0);
    }
    dossier.ecrire("shiz/shiz.p", fichier_anim(images));
}

void chargement_fichier_anim(benchmark::State& state)
{
    allegro_sans_systeme();
    DossierTemp dossier;
    ecrire_combattant(dossier);
    ParamJoueur par;
    par.perso = shiz;
    for (auto _ : state) {
        ObjetAnim o;
        o.SetPath(par);
        o.LoadAllAnime(par);
        o.Destroy();
    }
}
BENCHMARK(chargement_fichier_anim)->Unit(benchmark::kMillisecond);

void pas_de_jeu(benchmark::State& state)
{
    allegro_sans_systeme();
    DossierTemp dossier;
    ecrire_combattant(dossier);
    ParamJoueur par;
    par.perso = shiz;
    ObjetAnim o;
    o.SetPath(par);
    o.LoadAllAnime(par);
    o.SetAnim(1);
    o.SetVx(34);
    o.SynchroTime();
    for (auto _ : state) {
        t += 3;   // about one logic tick of 60 Hz at 6 ms per count
        o.NewPos();
        o.NewAnim();
        benchmark::DoNotOptimize(o.GetX());
    }
    o.Destroy();
    t = 0;
}
BENCHMARK(pas_de_jeu)->Unit(benchmark::kNanosecond);

}  // namespace
