#include "audio/synth.h"

#include <algorithm>

double poly_blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Osc::advance(double hz) {
    const double before = phase_;
    phase_ += hz / kSampleRate;
    phase_ -= std::floor(phase_);
    return before;
}

double Osc::sine(double hz) { return std::sin(kTwoPi * advance(hz)); }

double Osc::saw(double hz) {
    const double dt = hz / kSampleRate;
    const double p = advance(hz);
    return 2.0 * p - 1.0 - poly_blep(p, dt);
}

double Osc::square(double hz, double width) {
    const double dt = hz / kSampleRate;
    const double p = advance(hz);
    double v = p < width ? 1.0 : -1.0;
    v += poly_blep(p, dt);
    double q = p - width;
    q -= std::floor(q);
    v -= poly_blep(q, dt);
    return v;
}

double Osc::triangle(double hz) {
    const double p = advance(hz);
    return 1.0 - 4.0 * std::fabs(p - 0.5);
}

void Svf::set(double cutoff_hz, double resonance, int rate) {
    cutoff_hz = std::clamp(cutoff_hz, 10.0, rate * 0.45);
    g_ = std::tan(kPi * cutoff_hz / rate);
    k_ = 2.0 - 2.0 * std::clamp(resonance, 0.0, 0.98);
    a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
    a2_ = g_ * a1_;
    a3_ = g_ * a2_;
}

Svf::Out Svf::process(double x) {
    const double v3 = x - ic2_;
    const double v1 = a1_ * ic1_ + a2_ * v3;
    const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    return {v2, v1, x - k_ * v1 - v2};
}

double Adsr::at(double t, double gate) const {
    if (t < 0) return 0;
    auto held = [&](double u) {
        if (u < attack) return u / attack;
        u -= attack;
        if (u < decay) return 1.0 - (1.0 - sustain) * (u / decay);
        return sustain;
    };
    if (t < gate) return held(t);
    const double from = held(gate);
    const double r = t - gate;
    return r >= release ? 0.0 : from * (1.0 - r / release) * (1.0 - r / release);
}

void mix_in(Sound& dst, const std::vector<float>& mono, std::size_t offset, double gain, double pan) {
    if (offset >= dst.frames()) return;
    const std::size_t n = std::min(mono.size(), dst.frames() - offset);
    if (!dst.stereo()) {
        for (std::size_t i = 0; i < n; ++i) dst.left[offset + i] += static_cast<float>(mono[i] * gain);
        return;
    }
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    const double gl = gain * std::cos(angle) * std::sqrt(2.0), gr = gain * std::sin(angle) * std::sqrt(2.0);
    for (std::size_t i = 0; i < n; ++i) {
        dst.left[offset + i] += static_cast<float>(mono[i] * gl);
        dst.right[offset + i] += static_cast<float>(mono[i] * gr);
    }
}

void mix_in(Sound& dst, const Sound& src, std::size_t offset, double gain) {
    if (offset >= dst.frames()) return;
    const std::size_t n = std::min(src.frames(), dst.frames() - offset);
    for (std::size_t i = 0; i < n; ++i) {
        dst.left[offset + i] += static_cast<float>(src.left[i] * gain);
        if (dst.stereo()) dst.right[offset + i] += static_cast<float>((src.stereo() ? src.right[i] : src.left[i]) * gain);
    }
}

double peak(const Sound& s) {
    double p = 0;
    for (float v : s.left) p = std::max(p, static_cast<double>(std::fabs(v)));
    for (float v : s.right) p = std::max(p, static_cast<double>(std::fabs(v)));
    return p;
}

double rms(const Sound& s) {
    double sum = 0;
    for (float v : s.left) sum += static_cast<double>(v) * v;
    for (float v : s.right) sum += static_cast<double>(v) * v;
    const std::size_t n = s.left.size() + s.right.size();
    return n == 0 ? 0 : std::sqrt(sum / n);
}

void normalise(Sound& s, double peak_dbfs) {
    const double p = peak(s);
    if (p <= 0) return;
    const double g = db_to_gain(peak_dbfs) / p;
    for (float& v : s.left) v = static_cast<float>(v * g);
    for (float& v : s.right) v = static_cast<float>(v * g);
}

void fade_out(Sound& s, double seconds) {
    const std::size_t n = std::min(s.frames(), to_frames(seconds, s.rate));
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t at = s.frames() - 1 - i;
        const double w = static_cast<double>(i) / n;
        s.left[at] = static_cast<float>(s.left[at] * w);
        if (s.stereo()) s.right[at] = static_cast<float>(s.right[at] * w);
    }
}

void remove_dc(Sound& s, double cutoff_hz) {
    const double r = std::exp(-kTwoPi * cutoff_hz / s.rate);
    for (std::vector<float>* channel : {&s.left, &s.right}) {
        double x_prev = 0, y_prev = 0;
        for (float& v : *channel) {
            const double y = v - x_prev + r * y_prev;
            x_prev = v;
            y_prev = y;
            v = static_cast<float>(y);
        }
    }
}

void fade_in(Sound& s, double seconds) {
    const std::size_t n = std::min(s.frames(), to_frames(seconds, s.rate));
    for (std::size_t i = 0; i < n; ++i) {
        const double w = static_cast<double>(i) / n;
        s.left[i] = static_cast<float>(s.left[i] * w);
        if (s.stereo()) s.right[i] = static_cast<float>(s.right[i] * w);
    }
}

void soft_clip(Sound& s, double drive) {
    const double norm = 1.0 / std::tanh(drive);
    const double p = peak(s);
    if (p <= 0) return;
    for (float& v : s.left) v = static_cast<float>(std::tanh(drive * v / p) * norm * p);
    for (float& v : s.right) v = static_cast<float>(std::tanh(drive * v / p) * norm * p);
}
