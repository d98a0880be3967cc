#include "audio/effects.h"

#include <array>
#include <vector>

#include "audio/synth.h"

namespace {

class Comb {
public:
    explicit Comb(std::size_t length) : buffer_(length, 0.0f) {}
    float process(float in, float feedback, float damp) {
        const float out = buffer_[index_];
        store_ = out * (1.0f - damp) + store_ * damp;
        buffer_[index_] = in + store_ * feedback;
        if (++index_ == buffer_.size()) index_ = 0;
        return out;
    }

private:
    std::vector<float> buffer_;
    std::size_t index_ = 0;
    float store_ = 0;
};

class Allpass {
public:
    explicit Allpass(std::size_t length) : buffer_(length, 0.0f) {}
    float process(float in) {
        const float delayed = buffer_[index_];
        buffer_[index_] = in + delayed * 0.5f;
        if (++index_ == buffer_.size()) index_ = 0;
        return delayed - in;
    }

private:
    std::vector<float> buffer_;
    std::size_t index_ = 0;
};

// Freeverb's tunings, in samples at 44.1 kHz; mutually prime-ish so the
// combs' resonances don't line up into a metallic ring.
constexpr std::array<std::size_t, 8> kCombs{1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<std::size_t, 4> kAllpasses{556, 441, 341, 225};
constexpr std::size_t kStereoSpread = 23;

std::vector<float> reverb_side(const std::vector<float>& in, std::size_t spread, float feedback, float damp) {
    std::vector<Comb> combs;
    std::vector<Allpass> allpasses;
    for (std::size_t c : kCombs) combs.emplace_back(c + spread);
    for (std::size_t a : kAllpasses) allpasses.emplace_back(a + spread);
    std::vector<float> out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        const float x = in[i] * 0.015f;
        float sum = 0;
        for (auto& c : combs) sum += c.process(x, feedback, damp);
        for (auto& a : allpasses) sum = a.process(sum);
        out[i] = sum;
    }
    return out;
}

}  // namespace

Sound reverb(const Sound& send, const ReverbSettings& s) {
    const std::size_t n = send.frames();
    const std::size_t pre = to_frames(s.predelay, send.rate);
    std::vector<float> input(n, 0.0f);
    for (std::size_t i = pre; i < n; ++i)
        input[i] = send.stereo() ? 0.5f * (send.left[i - pre] + send.right[i - pre]) : send.left[i - pre];
    const float feedback = static_cast<float>(0.7 + 0.28 * s.room);
    const float damp = static_cast<float>(0.4 * s.damping);
    const std::vector<float> l = reverb_side(input, 0, feedback, damp);
    const std::vector<float> r = reverb_side(input, kStereoSpread, feedback, damp);
    Sound wet(n, true, send.rate);
    const float same = static_cast<float>(0.5 * (1.0 + s.width)), cross = static_cast<float>(0.5 * (1.0 - s.width));
    for (std::size_t i = 0; i < n; ++i) {
        wet.left[i] = 3.0f * (l[i] * same + r[i] * cross);
        wet.right[i] = 3.0f * (r[i] * same + l[i] * cross);
    }
    return wet;
}

Sound ping_pong_delay(const Sound& send, double seconds, double feedback, double tone_hz) {
    const std::size_t n = send.frames();
    const std::size_t d = std::max<std::size_t>(1, to_frames(seconds, send.rate));
    std::vector<float> line_l(d, 0.0f), line_r(d, 0.0f);
    Svf tone_l, tone_r;
    tone_l.set(tone_hz, 0.0, send.rate);
    tone_r.set(tone_hz, 0.0, send.rate);
    Sound wet(n, true, send.rate);
    std::size_t at = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const float in = send.stereo() ? 0.5f * (send.left[i] + send.right[i]) : send.left[i];
        const float out_l = line_l[at], out_r = line_r[at];
        wet.left[i] = out_l;
        wet.right[i] = out_r;
        // The input enters on the left; each echo then crosses to the other side.
        line_l[at] = static_cast<float>(in + tone_l.lowpass(out_r * feedback));
        line_r[at] = static_cast<float>(tone_r.lowpass(out_l * feedback));
        if (++at == d) at = 0;
    }
    return wet;
}
