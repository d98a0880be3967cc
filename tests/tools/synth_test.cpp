// The sound building blocks: wrong coefficients or a sign slip here don't
// crash, they just make every sound in the game quietly worse.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "audio/effects.h"
#include "audio/synth.h"
#include "sound_checks.h"

namespace {

int upward_zero_crossings(const std::vector<float>& v) {
    int n = 0;
    for (std::size_t i = 1; i < v.size(); ++i) n += v[i - 1] < 0 && v[i] >= 0;
    return n;
}

template <typename Next>
std::vector<float> one_second(Next next) {
    std::vector<float> v(kSampleRate);
    for (float& x : v) x = static_cast<float>(next());
    return v;
}

// RMS of a sine after the filter has settled.
double through_lowpass(double hz, double cutoff) {
    Svf f;
    f.set(cutoff, 0.0);
    Osc o;
    const auto v = one_second([&] { return f.lowpass(o.sine(hz)); });
    return rms_of(v, kSampleRate / 2);
}

}  // namespace

TEST(Synth, OscillatorsRunAtTheirFrequencyAndStayInRange) {
    for (double hz : {55.0, 440.0, 3520.0}) {
        SCOPED_TRACE(hz);
        Osc sine, saw, square, triangle;
        const auto s = one_second([&] { return sine.sine(hz); });
        const auto w = one_second([&] { return saw.saw(hz); });
        const auto q = one_second([&] { return square.square(hz, 0.3); });
        const auto t = one_second([&] { return triangle.triangle(hz); });
        for (const auto* v : {&s, &w, &q, &t}) {
            EXPECT_NEAR(upward_zero_crossings(*v), hz, 1.5);
            for (float x : *v) ASSERT_LE(std::fabs(x), 1.15f);  // band-limiting may overshoot a little, no more
        }
    }
    EXPECT_NEAR(midi_to_hz(69), 440.0, 1e-9);
    EXPECT_NEAR(midi_to_hz(60), 261.6256, 1e-3);
}

TEST(Synth, FilterPassesBelowCutoffAndCutsAbove) {
    const double sine_rms = 1.0 / std::sqrt(2.0);
    EXPECT_NEAR(through_lowpass(100, 1000), sine_rms, 0.02);
    EXPECT_LT(through_lowpass(10000, 1000), sine_rms * 0.02);  // a decade above: about -40 dB
    EXPECT_NEAR(through_lowpass(1000, 1000), sine_rms * 0.5, 0.03);  // -6 dB at the cutoff, unresonant

    Svf f;
    f.set(2000, 0.0);
    Osc o;
    const auto low = one_second([&] { return f.highpass(o.sine(50)); });
    EXPECT_LT(rms_of(low, kSampleRate / 2), 0.01);
}

TEST(Synth, EnvelopeShape) {
    const Adsr env{0.01, 0.1, 0.5, 0.2};
    EXPECT_DOUBLE_EQ(env.at(-0.001, 1.0), 0.0);
    EXPECT_DOUBLE_EQ(env.at(0.0, 1.0), 0.0);
    EXPECT_DOUBLE_EQ(env.at(0.01, 1.0), 1.0);
    EXPECT_DOUBLE_EQ(env.at(0.5, 1.0), 0.5);
    EXPECT_GT(env.at(1.1, 1.0), 0.0);
    EXPECT_NEAR(env.at(1.2, 1.0), 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(env.at(1.5, 1.0), 0.0);
    // Released during the attack, the note fades from where it got to.
    EXPECT_LE(env.at(0.006, 0.005), 0.5);
    EXPECT_DOUBLE_EQ(env.length(1.0), 1.2);
}

TEST(Synth, PanningNormalisingAndDcRemoval) {
    const std::vector<float> one(100, 0.5f);
    Sound s(100, true);
    mix_in(s, one, 0, 1.0, -1.0);
    EXPECT_FLOAT_EQ(s.right[50], 0.0f);
    EXPECT_GT(s.left[50], 0.5f);
    Sound centre(100, true);
    mix_in(centre, one, 10, 1.0, 0.0);
    EXPECT_FLOAT_EQ(centre.left[50], 0.5f);  // unity in both sides at the centre
    EXPECT_FLOAT_EQ(centre.right[50], 0.5f);
    EXPECT_FLOAT_EQ(centre.left[5], 0.0f);  // before the offset

    normalise(centre, -1.0);
    EXPECT_NEAR(peak(centre), std::pow(10.0, -1.0 / 20.0), 1e-6);

    Sound offset(kSampleRate, false);
    Osc o;
    for (float& x : offset.left) x = static_cast<float>(0.3 + 0.5 * o.sine(440));
    remove_dc(offset);
    double mean = 0;
    for (std::size_t i = kSampleRate / 2; i < offset.frames(); ++i) mean += offset.left[i];
    EXPECT_NEAR(mean / (kSampleRate / 2), 0.0, 0.003);
    EXPECT_NEAR(rms_of(offset.left, kSampleRate / 2), 0.5 / std::sqrt(2.0), 0.01);  // the tone itself untouched
}

TEST(Effects, ReverbTailIsWideAndDiesAway) {
    Sound click(3 * kSampleRate, false);
    click.left[0] = 1.0f;
    const Sound wet = reverb(click, {0.8, 0.4, 1.0, 0.02});
    ASSERT_TRUE(wet.stereo());
    ASSERT_EQ(wet.frames(), click.frames());
    for (std::size_t i = 0; i < to_frames(0.02); ++i) ASSERT_EQ(wet.left[i], 0.0f) << "sound before the predelay";
    const double early = rms_of(wet.left, to_frames(0.05), to_frames(0.3));
    const double late = rms_of(wet.left, to_frames(2.5));
    EXPECT_GT(early, 0.0);
    EXPECT_LT(late, early * 0.1);
    double diff = 0;
    for (std::size_t i = 0; i < wet.frames(); ++i) diff += std::fabs(wet.left[i] - wet.right[i]);
    EXPECT_GT(diff, 0.1) << "left and right tails are identical: no width";
}

TEST(Effects, PingPongEchoesAlternateSides) {
    Sound click(kSampleRate, false);
    click.left[0] = 1.0f;
    const double delay = 0.1;
    const Sound wet = ping_pong_delay(click, delay, 0.5, 18000);
    auto loudest = [](const std::vector<float>& v, std::size_t from, std::size_t to) {
        std::size_t best = from;
        for (std::size_t i = from; i < to; ++i)
            if (std::fabs(v[i]) > std::fabs(v[best])) best = i;
        return best;
    };
    const std::size_t d = to_frames(delay);
    EXPECT_NEAR(static_cast<double>(loudest(wet.left, 0, d + d / 2)), static_cast<double>(d), 3);
    EXPECT_LT(std::fabs(wet.right[d]), 1e-6f);
    const std::size_t second = loudest(wet.right, d + d / 2, 2 * d + d / 2);
    EXPECT_NEAR(static_cast<double>(second), static_cast<double>(2 * d), 3);
    EXPECT_LT(std::fabs(wet.right[second]), std::fabs(wet.left[d]));  // each echo quieter than the last
}
