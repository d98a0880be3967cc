// What showing a frame at the display's size costs: the 640x480 picture
// scaled to a 3x window and to a 1920x1080 full screen, sharp and smooth.
#include <benchmark/benchmark.h>

#include "shell/agrandissement.h"
#include "support/allegro_env.h"

namespace {

void agrandir_vers(benchmark::State& state, int largeur, int hauteur, Lissage l)
{
    allegro_sans_systeme();
    BITMAP* image = create_bitmap_ex(16, 640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            putpixel(image, x, y, makecol16(x & 255, y & 255, (x ^ y) & 255));
    BITMAP* dest = create_bitmap_ex(16, largeur, hauteur);
    for (auto _ : state) {
        agrandir(image, dest, l);
        benchmark::ClobberMemory();
    }
    destroy_bitmap(dest);
    destroy_bitmap(image);
}
BENCHMARK_CAPTURE(agrandir_vers, fenetre_3x_net, 1920, 1440, Lissage::net)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(agrandir_vers, fenetre_3x_lisse, 1920, 1440, Lissage::lisse)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(agrandir_vers, plein_ecran_1080_net, 1440, 1080, Lissage::net)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(agrandir_vers, plein_ecran_1080_lisse, 1440, 1080, Lissage::lisse)->Unit(benchmark::kMillisecond);

}  // namespace
