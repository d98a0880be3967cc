// Tests that need the real system driver: timers and a sound device.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (allegro_init() != 0 || install_timer() != 0) {
        std::fprintf(stderr, "the library's system driver did not start: %s\n", allegro_error);
        return 2;
    }
    reserve_voices(10, 0);
    if (install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) < 0) {
        std::fprintf(stderr, "no sound device: %s\n", allegro_error);
        return 2;
    }
    return RUN_ALL_TESTS();
}
END_OF_MAIN()
