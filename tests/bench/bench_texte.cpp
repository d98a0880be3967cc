// What printing and loading fonts costs.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/ttftext.h"
#include "support/allegro_env.h"

namespace {

std::string police_du_jeu(const char* nom)
{
    return std::string(ZEF_DATA_DIR) + "/graphics/" + nom;
}

void ligne_aa_taille_48(benchmark::State& state)
{
    allegro_sans_systeme();
    alfont_init();
    ALFONT_FONT* f = alfont_load_font(police_du_jeu("chinyen.ttf").c_str());
    if (!f)
        f = alfont_load_font(ZEF_TEST_FONT);
    alfont_set_font_size(f, 48);
    BITMAP* b = create_bitmap_ex(16, 640, 480);
    clear_to_color(b, makecol16(20, 40, 90));
    const char* ligne = "Le combat commence maintenant!";   // 30 characters
    alfont_textout_aa(b, f, ligne, 10, 200, makecol16(255, 220, 0));  // warm the glyph cache
    for (auto _ : state)
        alfont_textout_aa(b, f, ligne, 10, 200, makecol16(255, 220, 0));
    destroy_bitmap(b);
    alfont_destroy_font(f);
}
BENCHMARK(ligne_aa_taille_48)->Unit(benchmark::kMicrosecond);

void chargement_police(benchmark::State& state, const char* nom)
{
    allegro_sans_systeme();
    alfont_init();
    const std::string chemin = police_du_jeu(nom);
    for (auto _ : state) {
        ALFONT_FONT* f = alfont_load_font(chemin.c_str());
        if (!f) {
            state.SkipWithError("font not generated yet");
            break;
        }
        alfont_set_font_size(f, 20);
        alfont_destroy_font(f);
    }
}
BENCHMARK_CAPTURE(chargement_police, chinese, "chinese.ttf")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(chargement_police, chinyen, "chinyen.ttf")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(chargement_police, intsh, "intsh.ttf")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(chargement_police, Fanjofey, "Fanjofey.ttf")->Unit(benchmark::kMicrosecond);

}  // namespace
