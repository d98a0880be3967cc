// Any bytes at all given to the stage datafile check, and whatever it lets
// through given to the library's datafile loader, as a match loads a stage.
#include <allegro.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "graphics/fichierpak.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string chemin = "/tmp/zef-fuzz-" + std::to_string(getpid()) + ".pak";
    static const bool pret = [] {
        install_allegro(SYSTEM_NONE, &errno, nullptr);
        set_color_depth(16);
        return true;
    }();
    (void)pret;
    if (defaut_pak(data, size))
        return 0;
    std::FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    for (const char* nom : {"aeroport", "iut", "inde"})
        if (DATAFILE* objet = load_datafile_object(chemin.c_str(), nom))
            unload_datafile_object(objet);
    std::remove(chemin.c_str());
    return 0;
}
