// Renders every sound effect and both background loops of the game from the recipes below, so
// all of the game's audio is our own work.
//
//   soundsynth OUTDIR [NAME...]
//
// Writes 16-bit stereo 22050 Hz WAV files (the mixer's own format, so nothing is resampled at
// load) named like the packed members with .wav instead of .ogg; with NAMEs only those (with or
// without the extension). The build encodes each file with `oggenc -q 4`. Every random source
// is seeded, so a run always produces the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kNyquistGuard = 0.45 * kRate;  // partials above this would alias audibly

// Effects all meet at this loudness (K-weighted, loudest 200 ms) unless their peak forbids it;
// the two loops meet at a lower level over their whole length, as music sits under the effects.
constexpr double kEffectLoudness = -18.0;
constexpr double kMusicLoudness = -21.0;
// Below -1 dBFS with room for the encoder's overshoot.
constexpr double kPeakCeilingDb = -1.5;

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "soundsynth: %s\n", what.c_str());
    std::exit(1);
}

long Samples(double seconds) { return std::lround(seconds * kRate); }
double Seconds(long n) { return double(n) / kRate; }
double DbToGain(double db) { return std::pow(10.0, db / 20.0); }
double GainToDb(double g) { return g > 0 ? 20.0 * std::log10(g) : -200.0; }
double Smoothstep(double a, double b, double x)
{
    const double u = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return u * u * (3.0 - 2.0 * u);
}

// xorshift32: tiny, and its output is fixed by this code rather than by a library version.
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    double Uni()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 4294967296.0;
    }
    double Bi() { return 2.0 * Uni() - 1.0; }
    double Range(double lo, double hi) { return lo + (hi - lo) * Uni(); }

private:
    uint32_t state_;
};

// ---------------------------------------------------------------------------------------------
// Pitch and chords

double MidiHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

int PitchClass(const std::string& text, size_t& pos)
{
    static const int kLetters[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    if (pos >= text.size() || text[pos] < 'A' || text[pos] > 'G')
        Fail("bad note name '" + text + "'");
    int pc = kLetters[text[pos++] - 'A'];
    if (pos < text.size() && text[pos] == '#') { ++pc; ++pos; }
    else if (pos < text.size() && text[pos] == 'b') { --pc; ++pos; }
    return (pc + 12) % 12;
}

// "C4" is MIDI 60 (middle C); "F#3", "Bb5".
int NoteNumber(const std::string& name)
{
    size_t pos = 0;
    const int pc = PitchClass(name, pos);
    if (pos >= name.size())
        Fail("note without octave '" + name + "'");
    // Cb and B# belong to the octave of their letter.
    const int wrap = (name[0] == 'C' && pc == 11) ? -12 : (name[0] == 'B' && pc == 0) ? 12 : 0;
    return 12 * (std::atoi(name.c_str() + pos) + 1) + pc + wrap;
}

struct Chord {
    double start = 0, beats = 0;  // position in the song, in beats
    int root = 0;                 // pitch class
    int bass = 0;                 // pitch class of the bass note (the root unless "/X")
    std::vector<int> intervals;   // semitones above the root
};

std::vector<int> ChordIntervals(const std::string& quality)
{
    struct Q { const char* name; std::vector<int> iv; };
    static const Q kQualities[] = {
        {"", {0, 4, 7}},          {"m", {0, 3, 7}},          {"7", {0, 4, 7, 10}},
        {"maj7", {0, 4, 7, 11}},  {"m7", {0, 3, 7, 10}},     {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},     {"sus2", {0, 2, 7}},       {"sus4", {0, 5, 7}},
        {"7sus4", {0, 5, 7, 10}}, {"add9", {0, 4, 7, 14}},   {"maj9", {0, 4, 7, 11, 14}},
        {"m9", {0, 3, 7, 10, 14}},
    };
    for (const Q& q : kQualities)
        if (quality == q.name)
            return q.iv;
    Fail("unknown chord quality '" + quality + "'");
}

// A chart is bars separated by '|'; a bar holds chord symbols, each optionally ":beats"
// (the rest of the bar is shared by the chords without a length).
std::vector<Chord> ParseChart(const std::string& chart, int beatsPerBar)
{
    std::vector<Chord> chords;
    std::stringstream bars(chart);
    std::string bar;
    double barStart = 0;
    while (std::getline(bars, bar, '|')) {
        std::stringstream tokens(bar);
        std::string tok;
        std::vector<std::pair<std::string, double>> items;
        double given = 0;
        int open = 0;
        while (tokens >> tok) {
            const auto colon = tok.find(':');
            const double beats = colon == std::string::npos ? 0 : std::atof(tok.c_str() + colon + 1);
            items.push_back({tok.substr(0, colon), beats});
            given += beats;
            open += beats == 0;
        }
        if (items.empty())
            continue;
        double at = barStart;
        for (auto& [symbol, beats] : items) {
            Chord c;
            size_t pos = 0;
            c.root = PitchClass(symbol, pos);
            const auto slash = symbol.find('/');
            c.intervals = ChordIntervals(symbol.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos));
            c.bass = c.root;
            if (slash != std::string::npos) {
                size_t bpos = slash + 1;
                c.bass = PitchClass(symbol, bpos);
            }
            c.start = at;
            c.beats = beats > 0 ? beats : (beatsPerBar - given) / open;
            at += c.beats;
            chords.push_back(c);
        }
        if (std::fabs(at - barStart - beatsPerBar) > 1e-9)
            Fail("chart bar '" + bar + "' does not fill the bar");
        barStart += beatsPerBar;
    }
    return chords;
}

// Close voicing of the chord inside [low, high] that moves least from the previous one and
// stays near the middle of the range, so the comping never jumps around. Neighbouring voices a
// semitone apart (a major seventh under its root) make a muddy rub on soft keys; avoid them.
std::vector<int> VoiceChord(const Chord& c, int low, int high, const std::vector<int>& previous)
{
    std::vector<int> pcs;
    for (int iv : c.intervals)
        pcs.push_back((c.root + iv) % 12);
    const double centre = 0.5 * (low + high);
    std::vector<int> best;
    double bestCost = 1e9;
    for (size_t first = 0; first < pcs.size(); ++first) {
        for (int start = low; start < low + 12; ++start) {
            if ((start % 12) != pcs[first])
                continue;
            std::vector<int> v{start};
            for (size_t k = 1; k < pcs.size(); ++k) {
                int n = v.back() + 1;
                while (n % 12 != pcs[(first + k) % pcs.size()])
                    ++n;
                v.push_back(n);
            }
            if (v.back() > high)
                continue;
            double mean = 0;
            for (int n : v)
                mean += n;
            mean /= v.size();
            double cost = std::fabs(mean - centre);
            for (size_t k = 1; k < v.size(); ++k)
                cost += v[k] - v[k - 1] == 1 ? 40.0 : 0.0;
            if (previous.size() == v.size())
                for (size_t k = 0; k < v.size(); ++k)
                    cost += std::abs(v[k] - previous[k]);
            if (cost < bestCost) {
                bestCost = cost;
                best = v;
            }
        }
    }
    if (best.empty())
        Fail("chord does not fit its range");
    return best;
}

// The bass note for a chord: its pitch class in [low, high] nearest the previous bass.
int VoiceBass(int pc, int low, int high, int previous)
{
    int best = low + ((pc - low) % 12 + 12) % 12;
    if (best + 12 <= high && previous > 0 && std::abs(best + 12 - previous) < std::abs(best - previous))
        best += 12;
    return best;
}

struct Note {
    double start = 0, beats = 0;  // in beats
    int midi = 0;
    double vel = 0.7;
};

// A melody is "NAME:beats" tokens ('-' rests); '|' marks bars and is checked to sum right.
std::vector<Note> ParseMelody(const std::string& text, double startBeat, int beatsPerBar, double vel)
{
    std::vector<Note> notes;
    std::stringstream bars(text);
    std::string bar;
    double at = startBeat;
    while (std::getline(bars, bar, '|')) {
        std::stringstream tokens(bar);
        std::string tok;
        double barLen = 0;
        while (tokens >> tok) {
            const auto colon = tok.find(':');
            if (colon == std::string::npos)
                Fail("melody token without length '" + tok + "'");
            const double beats = std::atof(tok.c_str() + colon + 1);
            const std::string name = tok.substr(0, colon);
            if (name != "-") {
                // Stronger on the beat, like a player phrasing it.
                const double onBeat = std::fabs(at - std::floor(at)) < 1e-9 ? 1.0 : 0.88;
                notes.push_back({at, beats, NoteNumber(name), vel * onBeat});
            }
            at += beats;
            barLen += beats;
        }
        if (barLen > 0 && std::fabs(barLen - beatsPerBar) > 1e-9)
            Fail("melody bar '" + bar + "' does not fill the bar");
    }
    return notes;
}

// ---------------------------------------------------------------------------------------------
// Buffers

using Mono = std::vector<double>;

struct Stereo {
    std::vector<double> l, r;
    bool loop = false;  // indices wrap around: the music's end runs straight into its start
    Stereo(long n, bool looped) : l(size_t(n)), r(size_t(n)), loop(looped) {}
    long Size() const { return long(l.size()); }
};

// Equal-power pan: -1 left, 0 centre, +1 right.
void MixInto(Stereo& dst, const Mono& src, long at, double gain, double pan)
{
    const double a = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    const double gl = gain * std::cos(a) * std::sqrt(2.0), gr = gain * std::sin(a) * std::sqrt(2.0);
    const long n = dst.Size();
    long j = dst.loop ? ((at % n) + n) % n : at;
    for (size_t i = 0; i < src.size(); ++i, ++j) {
        if (dst.loop && j == n)
            j = 0;
        if (j < 0 || j >= n)
            continue;
        dst.l[size_t(j)] += gl * src[i];
        dst.r[size_t(j)] += gr * src[i];
    }
}

void AddStereo(Stereo& dst, const Stereo& src, double gain)
{
    for (long i = 0; i < std::min(dst.Size(), src.Size()); ++i) {
        dst.l[size_t(i)] += gain * src.l[size_t(i)];
        dst.r[size_t(i)] += gain * src.r[size_t(i)];
    }
}

// Adds src into dst at a time in seconds, cutting whatever runs past the end.
void Add(Mono& dst, const Mono& src, double atSeconds, double gain)
{
    const long at = Samples(atSeconds);
    for (size_t i = 0; i < src.size(); ++i) {
        const long j = at + long(i);
        if (j >= 0 && j < long(dst.size()))
            dst[size_t(j)] += gain * src[i];
    }
}

// Runs a stateful stereo processor over a buffer. A looped buffer is fed twice and only the
// second pass is kept, so the delay lines and tails that enter the start come from the end.
template <class Fx>
void Process(Stereo& b, Fx&& fx)
{
    const int passes = b.loop ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const bool keep = pass == passes - 1;
        for (size_t i = 0; i < b.l.size(); ++i) {
            double l = b.l[i], r = b.r[i];
            fx(l, r);
            if (keep) {
                b.l[i] = l;
                b.r[i] = r;
            }
        }
    }
}

// A modulation rate that completes whole cycles in a loop, so a looped LFO never jumps.
double LoopRate(double hz, const Stereo& b)
{
    if (!b.loop)
        return hz;
    const double secs = Seconds(b.Size());
    return std::max(1.0, std::round(hz * secs)) / secs;
}

// ---------------------------------------------------------------------------------------------
// Envelopes

// Linear attack, exponential decay to the sustain level, exponential release once the key is
// let go at `hold`. The release is pulled to exactly zero at six time constants, which is
// where a note's buffer ends.
struct Adsr {
    double attack, decay, sustain, release;

    double Held(double t) const
    {
        if (t < attack)
            return t / attack;
        return sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
    }
    double At(double t, double hold) const
    {
        if (t < 0)
            return 0;
        if (t < hold)
            return Held(t);
        const double u = t - hold;
        return Held(hold) * std::exp(-u / release) * std::max(0.0, 1.0 - u / (6.0 * release));
    }
    double Length(double hold) const { return hold + 6.0 * release; }

    // The whole envelope of a note, sample by sample (recurrences instead of exp per sample).
    Mono Render(double hold) const
    {
        Mono env(size_t(Samples(Length(hold))));
        const long a = std::max(1L, Samples(attack)), h = Samples(hold), r = Samples(6.0 * release);
        const double dk = std::exp(-1.0 / (decay * kRate)), rk = std::exp(-1.0 / (release * kRate));
        double d = 1.0, level = 0.0;
        for (long i = 0; i < long(env.size()); ++i) {
            if (i < h) {
                level = i < a ? double(i) / double(a) : sustain + (1.0 - sustain) * (d *= dk);
                env[size_t(i)] = level;
            } else {
                const long u = i - h;
                env[size_t(i)] = level * std::max(0.0, 1.0 - double(u) / double(r));
                level *= rk;
            }
        }
        return env;
    }
};

// exp(-t / tau) stepped one sample at a time.
struct Fall {
    double v = 1.0, k = 1.0;
    explicit Fall(double tau) : k(std::exp(-1.0 / (tau * kRate))) {}
    double Next()
    {
        const double c = v;
        v *= k;
        return c;
    }
};

using Curve = std::function<double(double)>;  // a value over time in seconds

// Exponential decay from an instant (1 ms) attack.
Curve Decay(double tau)
{
    return [tau](double t) { return std::min(1.0, t / 0.001) * std::exp(-t / tau); };
}

// Smooth rise to a peak at `peak` seconds and smooth fall to zero at `len`.
Curve Hump(double peak, double len)
{
    return [peak, len](double t) {
        if (t <= 0 || t >= len)
            return 0.0;
        if (t < peak) {
            const double s = std::sin(0.5 * kPi * t / peak);
            return s * s;
        }
        const double c = std::cos(0.5 * kPi * (t - peak) / (len - peak));
        return c * c;
    };
}

// Exponential glide between two frequencies over `time` seconds, then steady.
Curve Glide(double from, double to, double time)
{
    return [=](double t) { return from * std::pow(to / from, std::clamp(t / time, 0.0, 1.0)); };
}

Curve Constant(double v)
{
    return [v](double) { return v; };
}

// Raised-cosine fades at both ends: nothing starts or stops with a step.
void FadeEdges(Mono& m, double fadeIn, double fadeOut)
{
    const long n = long(m.size()), a = std::min(n, Samples(fadeIn)), b = std::min(n, Samples(fadeOut));
    for (long i = 0; i < a; ++i)
        m[size_t(i)] *= 0.5 - 0.5 * std::cos(kPi * double(i) / double(a));
    for (long i = 0; i < b; ++i)
        m[size_t(n - 1 - i)] *= 0.5 - 0.5 * std::cos(kPi * double(i) / double(b));
}

void FadeEdges(Stereo& s, double fadeIn, double fadeOut)
{
    FadeEdges(s.l, fadeIn, fadeOut);
    FadeEdges(s.r, fadeIn, fadeOut);
}

// ---------------------------------------------------------------------------------------------
// Oscillators and noise

// Phase in cycles [0, 1); the frequency may change every sample (glides, vibrato).
struct Phase {
    double p = 0;
    double Next(double hz)
    {
        const double cur = p;
        p += hz / kRate;
        p -= std::floor(p);
        return cur;
    }
};

double Sine(double phase) { return std::sin(kTwoPi * phase); }

// Band-limited step correction, so saw waves do not alias at our low sample rate.
double PolyBlep(double t, double dt)
{
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

double Saw(double phase, double hz) { return 2.0 * phase - 1.0 - PolyBlep(phase, hz / kRate); }

// Approximately pink (-3 dB/octave): warmer than white for friction and air.
struct PinkNoise {
    double b0 = 0, b1 = 0, b2 = 0;
    double Next(Rng& rng)
    {
        const double w = rng.Bi();
        b0 = 0.99765 * b0 + w * 0.0990460;
        b1 = 0.96300 * b1 + w * 0.2965164;
        b2 = 0.57000 * b2 + w * 1.0526913;
        return (b0 + b1 + b2 + w * 0.1848) * 0.25;
    }
};

// ---------------------------------------------------------------------------------------------
// Filters

// Trapezoidal state-variable filter: stays stable while its cutoff is swept every sample.
struct Svf {
    double ic1 = 0, ic2 = 0;
    double lp = 0, bp = 0, hp = 0;
    double hz_ = -1, q_ = -1, k = 1, a1 = 0, a2 = 0, a3 = 0;  // coefficients, kept while unchanged
    void Run(double x, double hz, double q)
    {
        if (hz != hz_ || q != q_) {
            hz_ = hz;
            q_ = q;
            const double g = std::tan(kPi * std::clamp(hz, 10.0, kNyquistGuard) / kRate);
            k = 1.0 / q;
            a1 = 1.0 / (1.0 + g * (g + k));
            a2 = g * a1;
            a3 = g * a2;
        }
        const double v3 = x - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2.0 * v1 - ic1;
        ic2 = 2.0 * v2 - ic2;
        lp = v2;
        bp = v1;
        hp = x - k * v1 - v2;
    }
};

struct OnePole {
    double a = 1, z = 0;
    explicit OnePole(double hz) : a(1.0 - std::exp(-kTwoPi * hz / kRate)) {}
    double Lowpass(double x) { return z += a * (x - z); }
    double Highpass(double x) { return x - Lowpass(x); }
};

void Lowpass(Mono& m, double hz)
{
    OnePole f(hz);
    for (double& x : m)
        x = f.Lowpass(x);
}

struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double Run(double x)
    {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
    void Set(double nb0, double nb1, double nb2, double na0, double na1, double na2)
    {
        b0 = nb0 / na0;
        b1 = nb1 / na0;
        b2 = nb2 / na0;
        a1 = na1 / na0;
        a2 = na2 / na0;
    }
    static Biquad Highpass(double hz, double q)
    {
        const double w = kTwoPi * hz / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
        Biquad f;
        f.Set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
        return f;
    }
    static Biquad HighShelf(double hz, double db)
    {
        const double A = std::pow(10.0, db / 40.0), w = kTwoPi * hz / kRate;
        const double c = std::cos(w), alpha = std::sin(w) / 2 * std::sqrt(2.0), sa = 2 * std::sqrt(A) * alpha;
        Biquad f;
        f.Set(A * ((A + 1) + (A - 1) * c + sa), -2 * A * ((A - 1) + (A + 1) * c), A * ((A + 1) + (A - 1) * c - sa),
              (A + 1) - (A - 1) * c + sa, 2 * ((A - 1) - (A + 1) * c), (A + 1) - (A - 1) * c - sa);
        return f;
    }
};

// ---------------------------------------------------------------------------------------------
// Space: reverb, echo, chorus

// A small Schroeder-Moorer room (eight damped combs into four allpasses per side, the right
// side slightly longer for width). Returns only the wet signal.
class Reverb {
public:
    Reverb(double room, double damp)
    {
        static const int kCombs[] = {558, 594, 638, 678, 711, 745, 778, 808};
        static const int kPasses[] = {278, 220, 170, 112};
        const int spread = 12;
        for (int side = 0; side < 2; ++side) {
            for (int len : kCombs)
                combs_[side].push_back({std::vector<double>(size_t(len + side * spread)), 0, 0});
            for (int len : kPasses)
                passes_[side].push_back({std::vector<double>(size_t(len + side * spread)), 0, 0});
        }
        feedback_ = 0.7 + 0.28 * room;
        damp_ = 0.4 * damp;
    }
    void Run(double& l, double& r)
    {
        const double in = (l + r) * 0.015;
        double out[2];
        for (int side = 0; side < 2; ++side) {
            double acc = 0;
            for (Line& c : combs_[side]) {
                const double y = c.buf[c.pos];
                c.store = y * (1 - damp_) + c.store * damp_;
                c.buf[c.pos] = in + c.store * feedback_;
                if (++c.pos == c.buf.size())
                    c.pos = 0;
                acc += y;
            }
            for (Line& a : passes_[side]) {
                const double b = a.buf[a.pos];
                a.buf[a.pos] = acc + b * 0.5;
                if (++a.pos == a.buf.size())
                    a.pos = 0;
                acc = b - acc;
            }
            out[side] = acc;
        }
        l = out[0];
        r = out[1];
    }

private:
    struct Line {
        std::vector<double> buf;
        size_t pos;
        double store;
    };
    std::vector<Line> combs_[2], passes_[2];
    double feedback_ = 0.8, damp_ = 0.2;
};

// Adds the buffer's own reverberation to it.
void AddReverb(Stereo& s, double room, double damp, double wet)
{
    Stereo w = s;
    Reverb rev(room, damp);
    Process(w, [&](double& l, double& r) { rev.Run(l, r); });
    AddStereo(s, w, wet);
}

// Ping-pong echo with a darkening feedback path.
void AddEcho(Stereo& s, double delay, double feedback, double wet)
{
    const size_t n = size_t(Samples(delay));
    std::vector<double> dl(n), dr(n);
    size_t pos = 0;
    OnePole tl(3000), tr(3000);
    Process(s, [&](double& l, double& r) {
        const double el = dl[pos], er = dr[pos];
        dl[pos] = tl.Lowpass(r + er * feedback);  // crossing sides makes it bounce
        dr[pos] = tr.Lowpass(l + el * feedback);
        pos = (pos + 1) % n;
        l += wet * el;
        r += wet * er;
    });
}

// Two slowly modulated short delays (one per side): width and shimmer for keys and pads.
void AddChorus(Stereo& s, double rateHz, double depthMs, double mix)
{
    const size_t n = size_t(Samples(0.04));
    std::vector<double> bl(n), br(n);
    size_t w = 0;
    Phase lfo;
    const double rate = LoopRate(rateHz, s), base = 0.012 * kRate, depth = depthMs * 0.001 * kRate;
    auto read = [&](const std::vector<double>& b, double delay) {
        double pos = double(w) - delay;
        while (pos < 0)
            pos += double(n);
        const size_t i0 = size_t(pos) % n, i1 = (i0 + 1) % n;
        const double f = pos - std::floor(pos);
        return b[i0] * (1 - f) + b[i1] * f;
    };
    Process(s, [&](double& l, double& r) {
        bl[w] = l;
        br[w] = r;
        const double ph = lfo.Next(rate);
        const double ol = read(bl, base + depth * Sine(ph)), or_ = read(br, base + depth * Sine(ph + 0.25));
        w = (w + 1) % n;
        l = l * (1 - mix) + ol * mix;
        r = r * (1 - mix) + or_ * mix;
    });
}

// ---------------------------------------------------------------------------------------------
// Sound sources

// Sum of exponentially decaying sines: struck bodies - cardboard, wood, marimba bars, glass.
struct Mode {
    double ratio, amp, tau;
};

Mono Modal(double hz, const std::vector<Mode>& modes, double len)
{
    Mono out(size_t(Samples(len)));
    for (const Mode& m : modes) {
        const double f = hz * m.ratio;
        if (f >= kNyquistGuard)
            continue;
        // A decaying rotation: re/im step round the circle, shrinking each sample.
        const double w = kTwoPi * f / kRate, k = std::exp(-1.0 / (m.tau * kRate));
        const double c = k * std::cos(w), s = k * std::sin(w);
        double re = m.amp, im = 0.0;
        for (double& o : out) {
            o += im;
            const double nre = re * c - im * s;
            im = re * s + im * c;
            re = nre;
        }
    }
    // A half-millisecond onset: struck, not clicked.
    for (size_t i = 0; i < out.size() && i < 11; ++i)
        out[i] *= double(i) / 11.0;
    return out;
}

// Band-passed noise: centre and envelope are curves over time. Pink noise for friction.
Mono NoiseBand(double len, const Curve& centre, double q, const Curve& env, Rng& rng, bool pink = false)
{
    Mono out(size_t(Samples(len)));
    Svf f;
    PinkNoise pn;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(long(i));
        f.Run(pink ? pn.Next(rng) : rng.Bi(), centre(t), q);
        out[i] = f.bp * env(t);
    }
    return out;
}

// A sine whose pitch falls fast from `from` to `to`: the low knock of something landing.
Mono Thump(double from, double to, double tau, double len)
{
    Mono out(size_t(Samples(len)));
    Phase ph;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(long(i));
        const double hz = to + (from - to) * std::exp(-t / 0.012);
        out[i] = Sine(ph.Next(hz)) * std::min(1.0, t / 0.001) * std::exp(-t / tau);
    }
    return out;
}

// A pitched blip, sine with a touch of second harmonic, gliding `from` -> `to`.
Mono Blip(double from, double to, double glide, const Adsr& env, double hold)
{
    Mono out(size_t(Samples(env.Length(hold))));
    Phase ph;
    const Curve f = Glide(from, to, glide);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(long(i));
        const double p = ph.Next(f(t));
        out[i] = (Sine(p) + 0.18 * Sine(2 * p)) * env.At(t, hold);
    }
    return out;
}

// Two-operator FM bell: a modulator at `ratio` times the pitch whose depth dies away faster
// than the tone, so the strike is bright and the ring is pure.
Mono FmBell(double hz, double len, double ratio, double index, double tau, double indexTau)
{
    Mono out(size_t(Samples(len)));
    Phase car, mod;
    // Keep the strongest sidebands below Nyquist on high notes.
    const double safe = std::min(1.0, (kNyquistGuard - hz) / (2.0 * ratio * hz));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(long(i));
        const double I = index * safe * std::exp(-t / indexTau);
        const double m = Sine(mod.Next(hz * ratio));
        out[i] = std::sin(kTwoPi * car.Next(hz) + I * m) * std::min(1.0, t / 0.0015) * std::exp(-t / tau);
    }
    FadeEdges(out, 0, 0.02);
    return out;
}

// Karplus-Strong plucked string. A first-order allpass tunes the loop to the exact period,
// which at 22050 Hz would otherwise be off by up to a third of a semitone on high notes.
Mono Pluck(double hz, double len, double brightness, double t60, Rng& rng)
{
    const double period = double(kRate) / hz;
    const size_t n = size_t(std::max(2.0, std::floor(period - 0.6)));
    const double d = period - double(n) - 0.5;  // the averaging filter adds half a sample
    const double c = (1.0 - d) / (1.0 + d);
    const double rho = std::pow(10.0, -3.0 / (t60 * hz));
    std::vector<double> line(n);
    OnePole soft(200.0 + 6000.0 * brightness);
    double mean = 0;
    for (double& x : line) {
        x = soft.Lowpass(rng.Bi());
        mean += x;
    }
    for (double& x : line)
        x -= mean / double(n);  // no DC in the string
    Mono out(size_t(Samples(len)));
    double prev = 0, apx = 0, apy = 0;
    size_t pos = 0;
    for (double& o : out) {
        const double y = line[pos];
        const double avg = 0.5 * (y + prev);
        prev = y;
        const double ap = c * avg + apx - c * apy;
        apx = avg;
        apy = ap;
        line[pos] = ap * rho;
        pos = (pos + 1) % n;
        o = y;
    }
    FadeEdges(out, 0.001, 0.03);
    return out;
}

// ---------------------------------------------------------------------------------------------
// Instruments: hz, how long the key is held (s), velocity 0..1 -> the note with its release.

// Soft electric piano: FM at 1:1 for the warm body plus a brief 14:1 "tine" at the strike.
Mono EPiano(double hz, double hold, double vel, Rng&)
{
    const double decay = std::clamp(1.8 * std::sqrt(262.0 / hz), 0.6, 3.0);
    const Mono env = Adsr{0.002, decay, 0.0, 0.22}.Render(hold);
    Mono out(env.size());
    Phase ph;
    Fall brightness(0.35), tineLevel(0.1), tineIndex(0.02);
    const bool tine = hz * 15.0 < kNyquistGuard;
    const double gain = std::pow(vel, 1.3);
    for (size_t i = 0; i < out.size(); ++i) {
        const double p = ph.Next(hz);
        const double index = (0.5 + 1.2 * vel) * brightness.Next() + 0.15;
        double s = std::sin(kTwoPi * p + index * Sine(p));
        const double tl = tineLevel.Next(), ti = tineIndex.Next();
        if (tine && tl > 1e-4)
            s += 0.22 * vel * tl * std::sin(kTwoPi * p + 0.7 * ti * Sine(14 * p));
        out[i] = s * env[i] * gain;
    }
    return out;
}

// Warm pad: three detuned band-limited saws through a low-pass, slow to swell and to fade.
Mono Pad(double hz, double hold, double vel, Rng& rng)
{
    const Mono env = Adsr{1.1, 2.5, 0.8, 0.6}.Render(hold);
    Mono out(env.size());
    Phase ph[3];
    const double detune[3] = {-0.0045, 0.0, 0.004};  // about +-7 cents
    for (Phase& p : ph)
        p.p = rng.Uni();
    Svf f;
    const double cutoff = std::min(2400.0, 2.2 * hz + 350.0);
    for (size_t i = 0; i < out.size(); ++i) {
        double s = 0;
        for (int k = 0; k < 3; ++k) {
            const double h = hz * (1.0 + detune[k]);
            s += Saw(ph[k].Next(h), h);
        }
        f.Run(s / 3.0, cutoff, 0.6);
        out[i] = f.lp * env[i] * vel;
    }
    return out;
}

// Round, gentle bass: sine with low harmonics so small speakers still carry the line.
Mono Bass(double hz, double hold, double vel, Rng&)
{
    const Mono env = Adsr{0.012, 0.5, 0.65, 0.09}.Render(hold);
    Mono out(env.size());
    Phase ph;
    Fall third(0.3);
    for (size_t i = 0; i < out.size(); ++i) {
        const double p = ph.Next(hz);
        out[i] = (Sine(p) + 0.3 * Sine(2 * p) + 0.12 * third.Next() * Sine(3 * p)) * env[i] * vel;
    }
    return out;
}

// Soft flute-like lead: few harmonics, a breathy onset and vibrato that arrives late.
Mono Flute(double hz, double hold, double vel, Rng& rng)
{
    const Mono env = Adsr{0.07, 0.6, 0.85, 0.12}.Render(hold);
    Mono out(env.size());
    Phase ph, vib;
    Svf breath;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(long(i));
        const double depth = 0.0035 * Smoothstep(0.25, 0.7, t);
        const double p = ph.Next(hz * (1.0 + depth * Sine(vib.Next(4.8))));
        const double tone = Sine(p) + 0.28 * Sine(2 * p) + 0.1 * Sine(3 * p) + 0.04 * Sine(4 * p);
        breath.Run(rng.Bi(), 2.0 * hz, 1.5);
        const double air = breath.bp * (0.05 + 0.25 * std::exp(-t / 0.05));
        out[i] = (tone + air) * env[i] * vel;
    }
    return out;
}

// Marimba: tuned-bar modes (1 : 3.93 : 9.2) and a soft mallet; struck, so hold is unused.
Mono Marimba(double hz, double /*hold*/, double vel, Rng& rng)
{
    const double tau = std::clamp(0.5 * std::pow(440.0 / hz, 0.4), 0.2, 0.9);
    Mono out = Modal(hz, {{1, 1, tau}, {3.93, 0.22 * vel, 0.08}, {9.2, 0.06 * vel, 0.025}}, 6 * tau);
    Add(out, NoiseBand(0.01, Constant(2.5 * hz), 1.0, Decay(0.002), rng), 0, 0.15 * vel);
    for (double& x : out)
        x *= vel;
    FadeEdges(out, 0, 0.05);
    return out;
}

// Harp: a darker Karplus-Strong pluck, plucked with the finger's flesh rather than a nail.
Mono Harp(double hz, double /*hold*/, double vel, Rng& rng)
{
    Mono out = Pluck(hz, 2.4, 0.1 + 0.2 * vel, 2.6, rng);
    FadeEdges(out, 0.004, 0);
    Lowpass(out, 3000);
    for (double& x : out)
        x *= 1.6 * vel;
    return out;
}

// Celesta-like bell: harmonic FM (2:1), short bright strike, long clean ring.
Mono Celesta(double hz, double /*hold*/, double vel, Rng&)
{
    Mono out = FmBell(hz, 2.2, 2.0, 1.2 * vel, 0.55, 0.12);
    for (double& x : out)
        x *= vel;
    return out;
}

// Glockenspiel bar: the bright, inharmonic ping of the sparkles.
Mono Glock(double hz, double len, double vel)
{
    Mono out = Modal(hz, {{1, 1, 0.35 * len}, {2.76, 0.35, 0.12 * len}, {5.40, 0.15, 0.05 * len}}, len);
    for (double& x : out)
        x *= vel;
    FadeEdges(out, 0, 0.03);
    return out;
}

// Synth brass for the fanfare: two detuned saws behind a filter that opens with the attack.
Mono Brass(double hz, double hold, double vel, Rng& rng)
{
    const Mono env = Adsr{0.025, 0.3, 0.75, 0.22}.Render(hold);
    Mono out(env.size());
    Phase a, b;
    a.p = rng.Uni();
    b.p = rng.Uni();
    Svf f;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(long(i));
        const double open = Smoothstep(0.0, 0.04, t) * (0.45 + 0.55 * std::exp(-t / 0.25));
        const double ha = hz * 1.003, hb = hz * 0.997;
        const double s = 0.5 * (Saw(a.Next(ha), ha) + Saw(b.Next(hb), hb));
        f.Run(s, hz * (1.2 + 6.0 * vel * open), 0.8);
        out[i] = f.lp * env[i] * vel;
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Effect building blocks shared by several recipes

// A cardboard tab seating in its socket: a sharp paper click over a short body knock.
// `size` 0..1 lowers and lengthens the body: bigger joins sound fuller.
Mono Snap(double size, double len, Rng& rng)
{
    Mono out(size_t(Samples(len)));
    Add(out, NoiseBand(0.008, Constant(3400 - 900 * size), 1.1, Decay(0.0012), rng), 0, 1.2);
    const double body = 980 - 380 * size;
    Add(out, Modal(body, {{1, 1, 0.010 + 0.02 * size}, {2.31, 0.5, 0.006 + 0.006 * size}, {3.72, 0.25, 0.004}}, len),
        0.0005, 0.55);
    Add(out, Thump(380 - 120 * size, 220 - 70 * size, 0.010 + 0.03 * size, len), 0.0005, 0.25 + 0.6 * size);
    return out;
}

// A piece of card set down on the table: low soft knock, a little paper rustle on top.
Mono Tap(double pitch, double len, Rng& rng)
{
    Mono out(size_t(Samples(len)));
    Add(out, Thump(380 * pitch, 250 * pitch, 0.022, len), 0, 0.8);
    Add(out, Modal(820 * pitch, {{1, 1, 0.010}, {2.3, 0.4, 0.005}}, len), 0, 0.45);
    Add(out, NoiseBand(0.03, Constant(1800 * pitch), 0.9, Decay(0.005), rng), 0, 0.5);
    Lowpass(out, 4500);
    FadeEdges(out, 0.0025, 0);  // set down, not dropped
    return out;
}

// A neutral UI click: a tiny resonant knock with a hint of transient.
Mono Click(double hz, double tau, double brightness, double len, Rng& rng)
{
    Mono out = Modal(hz, {{1, 1, tau}, {2.27, 0.35, 0.5 * tau}}, len);
    Add(out, NoiseBand(0.006, Constant(hz * 2.5), 1.0, Decay(0.0008), rng), 0, 0.6 * brightness);
    Add(out, Thump(hz * 0.3, hz * 0.22, tau * 1.2, len), 0, 0.25);
    Lowpass(out, 2500 + 5000 * brightness);
    return out;
}

// Wood or card sliding: pink friction noise whose band follows `centre`, roughened by a
// random grain so it catches and slides rather than hisses.
Mono Slide(double len, const Curve& centre, const Curve& env, Rng& rng)
{
    Mono out = NoiseBand(len, centre, 1.4, env, rng, true);
    OnePole grain(45);
    for (double& x : out)
        x *= 0.55 + 1.6 * std::fabs(grain.Lowpass(rng.Bi()));
    return out;
}

Stereo Centred(const Mono& m, double extraSeconds = 0)
{
    Stereo s(long(m.size()) + Samples(extraSeconds), false);
    MixInto(s, m, 0, 1.0, 0.0);
    return s;
}

// C major pentatonic from C6: the notes of every sparkle, so they never clash.
int Sparkle(int step)
{
    static const int kSteps[] = {0, 2, 4, 7, 9};
    return 84 + 12 * (step / 5) + kSteps[step % 5];
}

// ---------------------------------------------------------------------------------------------
// Effect recipes

Stereo ButtonDisabled()
{
    // Muted: lower and duller than the general click, the sound of a sub-page opening.
    Rng rng(101);
    Mono m = Click(620, 0.016, 0.15, 0.11, rng);
    Lowpass(m, 1800);
    return Centred(m);
}

Stereo ButtonOver()
{
    // Barely there: a short high tick for the pointer touching a tab.
    Rng rng(102);
    Mono m = Modal(3100, {{1, 1, 0.0035}, {1.9, 0.3, 0.002}}, 0.035);
    Add(m, NoiseBand(0.004, Constant(6000), 1.2, Decay(0.0006), rng), 0, 0.3);
    return Centred(m);
}

Stereo ButtonPlayPress()
{
    // Confident start: a full click, a rising swoosh and a bright fifth stepping up to the octave.
    Rng rng(103);
    Mono m(size_t(Samples(0.7)));
    Add(m, Click(900, 0.02, 0.6, 0.1, rng), 0, 0.9);
    Add(m, NoiseBand(0.32, Glide(500, 4200, 0.28), 1.6, Hump(0.22, 0.32), rng), 0, 0.5);
    Add(m, FmBell(MidiHz(NoteNumber("G5")), 0.6, 2.0, 1.4, 0.16, 0.05), 0.03, 0.28);
    Add(m, FmBell(MidiHz(NoteNumber("C6")), 0.6, 2.0, 1.4, 0.2, 0.05), 0.1, 0.32);
    Stereo s = Centred(m);
    AddReverb(s, 0.5, 0.5, 0.25);
    return s;
}

Stereo ButtonPress()
{
    // The most frequent sound, so it is neutral and short: a rounded knock.
    Rng rng(104);
    return Centred(Click(1250, 0.012, 0.45, 0.08, rng));
}

Stereo ClosePocket()
{
    // Drawer sliding shut: friction falling in pitch, then the knock of it closing.
    Rng rng(105);
    Mono m(size_t(Samples(0.46)));
    Add(m, Slide(0.3, Glide(900, 420, 0.3), Hump(0.2, 0.3), rng), 0, 1.0);
    Add(m, Thump(170, 105, 0.035, 0.16), 0.27, 1.0);
    Add(m, Modal(430, {{1, 1, 0.025}, {2.6, 0.4, 0.01}}, 0.16), 0.27, 0.5);
    Add(m, NoiseBand(0.02, Constant(2200), 1.0, Decay(0.002), rng), 0.27, 0.5);
    Lowpass(m, 5000);
    return Centred(m);
}

Stereo ElementArrive()
{
    // A piece landing after its flight: a breath of air, a tap and a tiny bounce.
    Rng rng(106);
    Mono m(size_t(Samples(0.26)));
    Add(m, NoiseBand(0.09, Glide(1500, 3000, 0.09), 1.2, Hump(0.07, 0.09), rng), 0, 0.12);
    Add(m, Tap(1.15, 0.12, rng), 0.075, 1.0);
    Add(m, Tap(1.3, 0.08, rng), 0.135, 0.25);
    return Centred(m);
}

Stereo ElementConnectionHigh()
{
    // A big group forming: the deepest snap, then a quick sparkle climbing a C major chord.
    Rng rng(107);
    Mono snap = Snap(1.0, 0.25, rng);
    Add(snap, Snap(0.8, 0.2, rng), 0.014, 0.35);
    Stereo s = Centred(snap, 0.65);
    const char* notes[] = {"C6", "E6", "G6", "C7", "E7"};
    for (int i = 0; i < 5; ++i)
        MixInto(s, Glock(MidiHz(NoteNumber(notes[i])), 0.55, 0.75 - 0.08 * i), Samples(0.04 + 0.045 * i), 0.32,
                i % 2 ? 0.35 : -0.35);
    AddReverb(s, 0.6, 0.4, 0.35);
    return s;
}

Stereo ElementConnectionMed()
{
    // Two groups meeting: a fuller snap doubled a moment later, with a little room.
    Rng rng(108);
    Mono m = Snap(0.55, 0.24, rng);
    Add(m, Snap(0.45, 0.2, rng), 0.018, 0.45);
    Stereo s = Centred(m);
    AddReverb(s, 0.35, 0.5, 0.12);
    return s;
}

Stereo ElementConnectionLow()
{
    // One piece clicking onto another: small and crisp.
    Rng rng(109);
    return Centred(Snap(0.0, 0.12, rng));
}

Stereo ElementPickup()
{
    // Lifting card: the tiny tick of it leaving the table and a rising breath of air.
    Rng rng(110);
    Mono m(size_t(Samples(0.15)));
    Add(m, NoiseBand(0.01, Constant(2600), 1.3, Decay(0.0015), rng), 0, 0.6);
    Add(m, Modal(1500, {{1, 1, 0.006}}, 0.03), 0, 0.25);
    Add(m, NoiseBand(0.13, Glide(1200, 3600, 0.12), 1.0, Hump(0.05, 0.13), rng), 0.005, 0.55);
    return Centred(m);
}

Stereo ElementPut()
{
    // Card set down: a soft, low tap.
    Rng rng(111);
    return Centred(Tap(1.0, 0.13, rng));
}

Stereo ElementRotation()
{
    // A quarter turn in 1/9 s: a quick swish whose band rises and falls, sweeping across.
    Rng rng(112);
    const double len = 0.19;
    Mono m = NoiseBand(
        len, [](double t) { return 900.0 + 2600.0 * std::sin(kPi * std::clamp(t / 0.17, 0.0, 1.0)); }, 1.8,
        Hump(0.07, len), rng);
    Stereo s(long(m.size()), false);
    for (size_t i = 0; i < m.size(); ++i) {
        const double pan = -0.4 + 0.8 * double(i) / double(m.size());
        const double a = (pan + 1.0) * kPi / 4.0;
        s.l[i] = m[i] * std::cos(a) * std::sqrt(2.0);
        s.r[i] = m[i] * std::sin(a) * std::sqrt(2.0);
    }
    return s;
}

Stereo ElementRotationWrong()
{
    // "Denied": a low, dull buzz - two detuned saws beating, filtered dark, sagging in pitch.
    Rng rng(113);
    const double len = 0.24;
    Mono m(size_t(Samples(len)));
    Phase a, b;
    Svf f;
    const Adsr env{0.006, 0.08, 0.7, 0.03};
    for (size_t i = 0; i < m.size(); ++i) {
        const double t = Seconds(long(i));
        const double hz = 104.0 - 10.0 * t / len;  // around G#2, sinking
        const double s = Saw(a.Next(hz), hz) + Saw(b.Next(hz * 1.045), hz * 1.045);
        f.Run(s, 750, 0.9);
        m[i] = f.lp * env.At(t, 0.2);
    }
    return Centred(m);
}

Stereo GroupsArrive()
{
    // Pieces flying home: a soft whoosh and a patter of landings that thins out.
    Rng rng(116);
    Mono m(size_t(Samples(0.82)));
    Add(m, NoiseBand(0.5, Glide(600, 2200, 0.45), 1.0, Hump(0.3, 0.5), rng), 0, 0.3);
    Stereo s = Centred(m);
    double t = 0.18;
    for (int i = 0; i < 10; ++i) {
        MixInto(s, Tap(rng.Range(0.9, 1.5), 0.1, rng), Samples(t), 0.7 - 0.04 * i, rng.Range(-0.6, 0.6));
        t += 0.035 + 0.006 * i + rng.Range(0.0, 0.02);
    }
    return s;
}

Stereo GuiClick()
{
    // A small click: higher and tighter than the general one.
    Rng rng(117);
    return Centred(Click(1900, 0.007, 0.55, 0.05, rng));
}

Stereo LevelWin()
{
    // The puzzle is done: an arpeggio up C major, brass stabs IV - V - I and a held tonic
    // chord under falling sparkles, fading before the completion dialog opens.
    Rng rng(118);
    Stereo s(Samples(3.8), false);
    auto play = [&](const Mono& m, double at, double gain, double pan) { MixInto(s, m, Samples(at), gain, pan); };
    const char* arp[] = {"C5", "E5", "G5", "C6"};
    for (int i = 0; i < 4; ++i) {
        const double hz = MidiHz(NoteNumber(arp[i]));
        play(Pluck(hz, 0.8, 0.7, 1.2, rng), 0.09 * i, 0.8, -0.3 + 0.2 * i);
        play(Glock(hz * 2, 0.6, 0.6), 0.09 * i, 0.3, 0.3 - 0.2 * i);
    }
    struct Stab { double at, hold; std::vector<const char*> notes; const char* bass; };
    const Stab stabs[] = {
        {0.42, 0.28, {"F4", "A4", "C5", "F5"}, "F3"},
        {0.78, 0.28, {"G4", "B4", "D5", "G5"}, "G3"},
        {1.14, 1.5, {"C4", "E4", "G4", "C5", "E5"}, "C3"},
    };
    for (const Stab& st : stabs) {
        for (size_t k = 0; k < st.notes.size(); ++k)
            play(Brass(MidiHz(NoteNumber(st.notes[k])), st.hold, 0.8, rng), st.at, 0.16,
                 -0.3 + 0.6 * double(k) / double(st.notes.size() - 1));
        play(Bass(MidiHz(NoteNumber(st.bass)), st.hold, 0.8, rng), st.at, 0.35, 0);
    }
    play(FmBell(MidiHz(NoteNumber("C6")), 2.4, 2.0, 1.5, 0.8, 0.1), 1.14, 0.2, -0.2);
    play(FmBell(MidiHz(NoteNumber("G6")), 2.4, 2.0, 1.2, 0.7, 0.1), 1.14, 0.14, 0.2);
    for (int i = 0; i < 12; ++i) {
        const double at = 1.25 + 0.11 * i + rng.Range(0.0, 0.04);
        play(Glock(MidiHz(Sparkle(7 - (i * 3) % 8)), 0.5, 0.8 - 0.05 * i), at, 0.16, rng.Range(-0.7, 0.7));
    }
    AddReverb(s, 0.75, 0.35, 0.4);
    return s;
}

Stereo PuzzleOver()
{
    // Leaving a finished puzzle: a gentle chime stepping down G - E - C.
    Stereo s(Samples(0.9), false);
    const char* notes[] = {"G5", "E5", "C5"};
    for (int i = 0; i < 3; ++i)
        MixInto(s, FmBell(MidiHz(NoteNumber(notes[i])), 0.75 - 0.1 * i, 2.0, 1.0, 0.22, 0.06), Samples(0.12 * i),
                0.4, 0.25 - 0.25 * i);
    AddReverb(s, 0.55, 0.4, 0.3);
    return s;
}

Stereo PuzzleSelection()
{
    // Played over and over while the volume slider drags, so it is tiny, soft and round:
    // the first mode of a small wooden bar.
    Rng rng(120);
    Mono m = Modal(1480, {{1, 1, 0.022}, {3.93, 0.15, 0.006}}, 0.12);
    Add(m, NoiseBand(0.006, Constant(3000), 1.0, Decay(0.001), rng), 0, 0.12);
    return Centred(m);
}

Stereo ToolsHint()
{
    // Magic: a rising run of glassy pings strewn across the stereo field, echoing away.
    Rng rng(121);
    Stereo s(Samples(0.95), false);
    for (int i = 0; i < 9; ++i) {
        const double at = 0.045 * i + rng.Range(0.0, 0.015);
        MixInto(s, Glock(MidiHz(Sparkle(i)), 0.35, 0.55 + 0.04 * i), Samples(at), 0.3, rng.Range(-0.8, 0.8));
    }
    Mono air = NoiseBand(0.6, Constant(7000), 0.7, Hump(0.3, 0.6), rng);
    MixInto(s, air, 0, 0.05, 0);
    AddEcho(s, 0.11, 0.35, 0.35);
    AddReverb(s, 0.6, 0.3, 0.3);
    return s;
}

Stereo ToolsSort()
{
    // Everything flying to the four quarters: a broad whoosh with cards shuffling inside it.
    Rng rng(122);
    const double len = 0.85;
    Stereo s(Samples(len), false);
    Mono whoosh = NoiseBand(
        len, [](double t) { return 500.0 + 2300.0 * std::sin(kPi * std::clamp(t / 0.8, 0.0, 1.0)); }, 0.9,
        Hump(0.3, 0.78), rng, true);
    MixInto(s, whoosh, 0, 1.0, 0);
    for (int i = 0; i < 16; ++i) {
        const double at = 0.04 + 0.62 * double(i) / 16.0 + rng.Range(0.0, 0.02);
        Mono card = NoiseBand(0.03, Constant(rng.Range(1800, 4200)), 2.0, Hump(0.004, 0.025), rng);
        MixInto(s, card, Samples(at), 0.5 * (1.0 - 0.4 * double(i) / 16.0), rng.Range(-0.7, 0.7));
    }
    return s;
}

Stereo UsePocket()
{
    // Drawer sliding open: the catch letting go, friction rising, a soft stop at full travel.
    Rng rng(123);
    Mono m(size_t(Samples(0.56)));
    Add(m, Modal(2100, {{1, 1, 0.004}, {1.6, 0.5, 0.003}}, 0.03), 0, 0.5);
    Add(m, Slide(0.42, Glide(380, 820, 0.4), Hump(0.15, 0.42), rng), 0.02, 1.0);
    Add(m, Thump(130, 95, 0.03, 0.12), 0.42, 0.45);
    Lowpass(m, 5000);
    return Centred(m);
}

Stereo WindowClose()
{
    // A window folding away: a falling whoosh and a soft low tap.
    Rng rng(124);
    Mono m(size_t(Samples(0.34)));
    Add(m, NoiseBand(0.24, Glide(2600, 500, 0.22), 1.3, Hump(0.08, 0.24), rng), 0, 0.6);
    Add(m, Tap(0.8, 0.1, rng), 0.2, 0.7);
    return Centred(m);
}

Stereo WindowOpen()
{
    // A window unfolding: a rising whoosh ending on a soft bell fifth.
    Rng rng(125);
    Mono m(size_t(Samples(0.55)));
    Add(m, NoiseBand(0.22, Glide(600, 2600, 0.2), 1.3, Hump(0.16, 0.22), rng), 0, 0.6);
    Add(m, FmBell(MidiHz(NoteNumber("C5")), 0.4, 2.0, 0.8, 0.14, 0.05), 0.14, 0.25);
    Add(m, FmBell(MidiHz(NoteNumber("G5")), 0.4, 2.0, 0.8, 0.14, 0.05), 0.14, 0.18);
    Stereo s = Centred(m);
    AddReverb(s, 0.4, 0.5, 0.2);
    return s;
}

// Tool toggles: two quick notes a fourth apart, up for on and down for off.
Stereo ToolBlip(const char* first, const char* second)
{
    const Adsr env{0.004, 0.05, 0.3, 0.02};
    Mono m(size_t(Samples(0.22)));
    const double a = MidiHz(NoteNumber(first)), b = MidiHz(NoteNumber(second));
    Add(m, Blip(a * 0.97, a, 0.015, env, 0.06), 0, 0.8);
    Add(m, Blip(b * (b > a ? 0.97 : 1.03), b, 0.015, env, 0.07), 0.065, 0.8);
    return Centred(m);
}

Stereo ToolsOn() { return ToolBlip("E5", "A5"); }
Stereo ToolsOff() { return ToolBlip("A5", "E5"); }

// ---------------------------------------------------------------------------------------------
// Music

struct Song {
    double bpm;
    int beatsPerBar;
    int bars;
    double Beat() const { return 60.0 / bpm; }
    long At(double beat) const { return std::lround(beat * Beat() * kRate); }
    long Length() const { return At(double(bars * beatsPerBar)); }
};

// A loop being built: everything written into it wraps around its end.
struct Mix {
    Song song;
    Stereo keys, dry, send;  // keys get chorus; send feeds the reverb
    Rng rng;
    explicit Mix(const Song& s, uint32_t seed)
        : song(s), keys(s.Length(), true), dry(s.Length(), true), send(s.Length(), true), rng(seed)
    {
    }

    using Instrument = Mono (*)(double, double, double, Rng&);

    // Plays a note a little off the grid and a little uneven, as hands would.
    void Play(Instrument inst, const Note& n, Stereo& bus, double gain, double reverb, double pan)
    {
        const long at = song.At(n.start) + Samples(0.006 * rng.Bi());
        const double vel = std::clamp(n.vel * (1.0 + 0.08 * rng.Bi()), 0.05, 1.0);
        const Mono m = inst(MidiHz(n.midi), n.beats * song.Beat(), vel, rng);
        MixInto(bus, m, at, gain, pan);
        MixInto(send, m, at, gain * reverb, pan);
    }

    // Mixes the buses into the finished loop.
    Stereo Finish(double chorusRate, double room)
    {
        AddChorus(keys, chorusRate, 2.5, 0.45);
        AddStereo(dry, keys, 1.0);
        Reverb rev(room, 0.45);
        Process(send, [&](double& l, double& r) { rev.Run(l, r); });
        AddStereo(dry, send, 1.0);
        // Keep DC and sub-bass rumble out of the loop (processed round the loop too).
        Biquad hl = Biquad::Highpass(30, 0.7), hr = Biquad::Highpass(30, 0.7);
        Process(dry, [&](double& l, double& r) {
            l = hl.Run(l);
            r = hr.Run(r);
        });
        // Start the file a quarter beat before the downbeat, off the eighth-note grid, so the
        // seam never lands on a strike: the encoder codes the two sides of the seam
        // separately and their small errors would otherwise meet on an attack.
        const long lead = song.At(0.25);
        std::rotate(dry.l.begin(), dry.l.end() - lead, dry.l.end());
        std::rotate(dry.r.begin(), dry.r.end() - lead, dry.r.end());
        return dry;
    }
};

// Chord-driven parts shared by both songs.

// The pad holds a note through every following chord that shares it, as a player's fingers
// would, rather than restriking it. The chart is a loop, so a note can be held across its end.
void PlayPad(Mix& mix, const std::vector<Chord>& chart, double vel, double gain)
{
    const size_t count = chart.size();
    std::vector<std::vector<int>> voicings;
    for (const Chord& c : chart)
        voicings.push_back(VoiceChord(c, 53, 76, voicings.empty() ? std::vector<int>{} : voicings.back()));
    auto has = [&](size_t i, int n) {
        const std::vector<int>& v = voicings[i % count];
        return std::find(v.begin(), v.end(), n) != v.end();
    };
    for (size_t i = 0; i < count; ++i) {
        for (size_t k = 0; k < voicings[i].size(); ++k) {
            const int n = voicings[i][k];
            size_t run = 1;
            while (run < count && has(i + run, n))
                ++run;
            if (run < count && has(i + count - 1, n))
                continue;  // still held from the chord before
            double beats = 0;
            for (size_t j = i; j < i + run; ++j)
                beats += chart[j % count].beats;
            mix.Play(Pad, {chart[i].start, beats, n, vel}, mix.keys, gain, 0.5, k % 2 ? 0.3 : -0.3);
        }
    }
}

void PlayBass(Mix& mix, const std::vector<Chord>& chart, double vel, double gain, bool walk)
{
    int prev = 0;
    for (const Chord& c : chart) {
        prev = VoiceBass(c.bass, 36, 47, prev);
        const double hold = walk && c.beats >= 4 ? 2.4 : c.beats - 0.2;
        mix.Play(Bass, {c.start, hold, prev, vel}, mix.dry, gain, 0.05, 0);
        if (walk && c.beats >= 4)  // the fifth on beat four leads into the next bar
            mix.Play(Bass, {c.start + 3, 0.85, prev + 7 - (prev + 7 > 52 ? 12 : 0), vel * 0.8}, mix.dry, gain, 0.05, 0);
    }
}

const Chord& ChordAt(const std::vector<Chord>& chart, double beat)
{
    for (const Chord& c : chart)
        if (beat >= c.start - 1e-9 && beat < c.start + c.beats - 1e-9)
            return c;
    return chart.back();
}

std::vector<Chord> Repeat(const std::vector<std::string>& parts, int beatsPerBar)
{
    std::string all;
    for (const std::string& p : parts)
        all += p + "|";
    return ParseChart(all, beatsPerBar);
}

// Menu music: F major, 84 bpm, 32 bars (about 91 s). An intro of piano and pad under a
// celesta, the tune on a soft flute, a bridge that lifts to the relative minor and back.
Stereo Game01()
{
    const Song song{84, 4, 32};
    Mix mix(song, 201);
    const std::string a = "Fmaj7 | Am7 | Bbmaj7 | Csus4 C | Fmaj7 | Dm7 | Gm7 | C7";
    const std::string b = "Bbmaj7 | C | Am7 | Dm7 | Gm7 | Am7 | Bbmaj7 | Csus4 C";
    const std::vector<Chord> chart = Repeat({a, a, b, a}, 4);

    // Piano comping: a 3+3+2 lilt of soft chords, voiced smoothly in the middle register.
    struct Hit { double at, beats, vel; };
    const Hit hits[] = {{0, 1.4, 0.55}, {1.5, 1.4, 0.4}, {3, 0.9, 0.45}};
    std::vector<int> voicing;
    const Chord* last = nullptr;
    for (int bar = 0; bar < song.bars; ++bar) {
        for (const Hit& h : hits) {
            const Chord& c = ChordAt(chart, bar * 4 + h.at);
            if (&c != last)
                voicing = VoiceChord(c, 52, 71, voicing);
            last = &c;
            const double vel = h.vel * (bar < 8 ? 0.85 : 1.0);
            for (int n : voicing)
                mix.Play(EPiano, {bar * 4 + h.at, h.beats, n, vel}, mix.keys, 0.2, 0.3, (n - 62) / 24.0);
        }
    }
    PlayPad(mix, chart, 0.5, 0.07);
    PlayBass(mix, chart, 0.7, 0.28, true);

    const std::string intro = "E6:4 | -:4 | D6:4 | -:2 C6:2 | E6:4 | -:4 | D6:2 Bb5:2 | -:4";
    const std::string tuneA = "A4:1 C5:1 E5:1.5 D5:0.5 | C5:1.5 A4:0.5 G4:1 A4:1 | D5:1.5 C5:0.5 Bb4:1 A4:1 | "
                              "G4:2 -:1 C5:0.5 D5:0.5 | E5:1 F5:1 E5:1 C5:1 | D5:1.5 A4:0.5 F4:1 A4:1 | ";
    const std::string tuneB = "D5:2 F5:1 D5:1 | E5:1.5 D5:0.5 C5:2 | C5:1 E5:1 G5:2 | F5:1.5 E5:0.5 D5:1 A4:1 | "
                              "Bb4:1 D5:1 F5:1 D5:1 | E5:1.5 D5:0.5 C5:2 | D5:1 C5:1 Bb4:1 A4:1 | "
                              "G4:1.5 F4:0.5 E4:1 G4:1";
    for (const Note& n : ParseMelody(intro, 0, 4, 0.5))
        mix.Play(Celesta, n, mix.dry, 0.12, 0.6, 0.35);
    const std::string melody = tuneA + "Bb4:1.5 A4:0.5 G4:1 F4:0.5 G4:0.5 | G4:1.5 A4:0.5 Bb4:1 C5:1 | " + tuneB +
                               " | " + tuneA + "Bb4:1 A4:1 G4:1 F4:1 | E4:1.5 F4:0.5 G4:2";
    for (const Note& n : ParseMelody(melody, 32, 4, 0.75))
        mix.Play(Flute, {n.start, n.beats * 0.95, n.midi, n.vel}, mix.dry, 0.2, 0.4, -0.1);
    return mix.Finish(0.6, 0.82);
}

// Puzzle music: C major, 70 bpm, 24 bars (about 82 s). A rolling marimba pattern over pad and
// bass, a sparse harp tune only in the later two thirds; nothing that pulls the eye off the
// table.
Stereo Game02()
{
    const Song song{70, 4, 24};
    Mix mix(song, 202);
    const std::string cycle = "Cmaj7 | Em7 | Fmaj7 | Fm6 | Em7 | Am7 | Dm7 | G7sus4";
    const std::vector<Chord> chart = Repeat({cycle, cycle, cycle}, 4);

    // Eighth-note broken chords rolling up to the octave and back down.
    static const int kRoll[] = {0, 1, 2, 3, 4, 3, 2, 1};
    std::vector<int> voicing;
    for (const Chord& c : chart) {
        voicing = VoiceChord(c, 52, 71, voicing);
        std::vector<int> tones = voicing;
        tones.push_back(voicing[0] + 12);
        for (int e = 0; e < 8; ++e) {
            const double vel = (e % 2 ? 0.38 : 0.48) * (c.start < 32 ? 0.85 : 1.0);
            const int n = tones[size_t(kRoll[e]) % tones.size()];
            mix.Play(Marimba, {c.start + 0.5 * e, 0.5, n, vel}, mix.dry, 0.3, 0.35, (n - 62) / 20.0);
        }
    }
    PlayPad(mix, chart, 0.55, 0.08);
    PlayBass(mix, chart, 0.6, 0.2, false);

    const std::string tune1 = "G4:1 B4:1 E5:2 | D5:2 B4:1 G4:1 | A4:1 C5:1 E5:2 | D5:1 C5:1 Ab4:2 | "
                              "G4:3 B4:1 | C5:2 E5:1 D5:1 | C5:1 A4:1 F4:1 A4:1 | G4:3 -:1";
    const std::string tune2 = "E5:1.5 D5:0.5 B4:2 | D5:1.5 E5:0.5 B4:2 | E5:1 F5:1 A5:2 | Ab5:1 F5:1 D5:1 C5:1 | "
                              "B4:2 G4:1 B4:1 | C5:1 E5:1 G5:2 | F5:1.5 E5:0.5 D5:1 C5:1 | D5:2 C5:2";
    for (const Note& n : ParseMelody(tune1 + " | " + tune2, 32, 4, 0.7))
        mix.Play(Harp, n, mix.dry, 0.32, 0.45, -0.15);
    for (const Note& n : ParseMelody(tune2, 64, 4, 0.4))
        mix.Play(Celesta, {n.start, n.beats, n.midi + 12, n.vel}, mix.dry, 0.07, 0.6, 0.3);
    return mix.Finish(0.5, 0.85);
}

// ---------------------------------------------------------------------------------------------
// Loudness, output

// K-weighted power (a high-pass for the ear's weak bass and a presence shelf), so a thud and
// a tick that measure alike also sound alike.
std::vector<double> WeightedPower(const Stereo& s)
{
    std::vector<double> p(size_t(s.Size()));
    Biquad hl = Biquad::Highpass(38, 0.5), hr = Biquad::Highpass(38, 0.5);
    Biquad sl = Biquad::HighShelf(1680, 4), sr = Biquad::HighShelf(1680, 4);
    for (size_t i = 0; i < p.size(); ++i) {
        const double l = sl.Run(hl.Run(s.l[i])), r = sr.Run(hr.Run(s.r[i]));
        p[i] = l * l + r * r;
    }
    return p;
}

double PowerDb(double p) { return -0.691 + 10.0 * std::log10(std::max(p, 1e-20)); }

// The loudest 200 ms: short sounds are heard by their energy over about that long.
double EffectLoudness(const Stereo& s)
{
    const std::vector<double> p = WeightedPower(s);
    const size_t win = size_t(Samples(0.2));
    std::vector<double> padded = p;
    padded.resize(std::max(p.size(), win), 0.0);
    double sum = 0, best = 0;
    for (size_t i = 0; i < padded.size(); ++i) {
        sum += padded[i];
        if (i >= win)
            sum -= padded[i - win];
        best = std::max(best, sum / double(win));
    }
    return PowerDb(best);
}

double MusicLoudness(const Stereo& s)
{
    const std::vector<double> p = WeightedPower(s);
    double sum = 0;
    for (double x : p)
        sum += x;
    return PowerDb(sum / double(p.size()));
}

double Peak(const Stereo& s)
{
    double peak = 0;
    for (size_t i = 0; i < s.l.size(); ++i)
        peak = std::max({peak, std::fabs(s.l[i]), std::fabs(s.r[i])});
    return peak;
}

// Scales to the target loudness, or less when the peak would pass the ceiling.
// Returns true when the peak set the level.
bool Normalise(Stereo& s, double loudness, double target)
{
    const double peak = Peak(s);
    if (peak <= 0)
        Fail("silent sound");
    double gain = DbToGain(target - loudness);
    const bool peakBound = peak * gain > DbToGain(kPeakCeilingDb);
    if (peakBound)
        gain = DbToGain(kPeakCeilingDb) / peak;
    for (size_t i = 0; i < s.l.size(); ++i) {
        s.l[i] *= gain;
        s.r[i] *= gain;
    }
    return peakBound;
}

void Put16(std::ofstream& f, uint16_t v)
{
    const char b[2] = {char(v & 0xFF), char(v >> 8)};
    f.write(b, 2);
}

void Put32(std::ofstream& f, uint32_t v)
{
    Put16(f, uint16_t(v & 0xFFFF));
    Put16(f, uint16_t(v >> 16));
}

bool WriteWav(const std::string& path, const Stereo& s)
{
    std::ofstream f(path, std::ios::binary);
    if (!f)
        return false;
    const uint32_t bytes = uint32_t(s.Size()) * 4;
    f.write("RIFF", 4);
    Put32(f, 36 + bytes);
    f.write("WAVEfmt ", 8);
    Put32(f, 16);
    Put16(f, 1);  // PCM
    Put16(f, 2);
    Put32(f, kRate);
    Put32(f, kRate * 4);
    Put16(f, 4);
    Put16(f, 16);
    f.write("data", 4);
    Put32(f, bytes);
    auto sample = [](double x) { return uint16_t(int16_t(std::lround(std::clamp(x, -1.0, 1.0) * 32767.0))); };
    for (size_t i = 0; i < s.l.size(); ++i) {
        Put16(f, sample(s.l[i]));
        Put16(f, sample(s.r[i]));
    }
    return bool(f);
}

// In the order of the game's sound table.
struct Recipe {
    const char* name;
    Stereo (*make)();
    bool music;
};

const Recipe kRecipes[] = {
    {"button_disabled", ButtonDisabled, false},
    {"button_over", ButtonOver, false},
    {"button_play_press", ButtonPlayPress, false},
    {"button_press", ButtonPress, false},
    {"close_pocket", ClosePocket, false},
    {"element_arrive", ElementArrive, false},
    {"element_connection_high", ElementConnectionHigh, false},
    {"element_connection_med", ElementConnectionMed, false},
    {"element_connection_low", ElementConnectionLow, false},
    {"element_pickup", ElementPickup, false},
    {"element_put", ElementPut, false},
    {"element_rotation", ElementRotation, false},
    {"element_rotation_wrong", ElementRotationWrong, false},
    {"game_01", Game01, true},
    {"game_02", Game02, true},
    {"groups_arrive", GroupsArrive, false},
    {"gui_click", GuiClick, false},
    {"level_win", LevelWin, false},
    {"puzzle_over", PuzzleOver, false},
    {"puzzle_selection", PuzzleSelection, false},
    {"tools_hint", ToolsHint, false},
    {"tools_sort", ToolsSort, false},
    {"use_pocket", UsePocket, false},
    {"window_close", WindowClose, false},
    {"window_open", WindowOpen, false},
    {"tools_on", ToolsOn, false},
    {"tools_off", ToolsOff, false},
};

const Recipe* FindRecipe(std::string name)
{
    for (const char* ext : {".ogg", ".wav"})
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ext) == 0)
            name.resize(name.size() - 4);
    for (const Recipe& r : kRecipes)
        if (name == r.name)
            return &r;
    return nullptr;
}

bool Render(const Recipe& r, const std::string& dir)
{
    Stereo s = r.make();
    double loudness;
    if (r.music) {
        loudness = MusicLoudness(s);
    } else {
        // Longer sounds end on a longer fade so reverb tails die out rather than stop.
        FadeEdges(s, 0.001, std::min(0.25, 0.08 * Seconds(s.Size())));
        loudness = EffectLoudness(s);
    }
    const bool peakBound = Normalise(s, loudness, r.music ? kMusicLoudness : kEffectLoudness);
    const std::string path = dir + "/" + r.name + ".wav";
    if (!WriteWav(path, s)) {
        std::fprintf(stderr, "soundsynth: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%-24s %6.2f s  peak %6.1f dBFS  loudness %6.1f%s\n", r.name, Seconds(s.Size()),
                GainToDb(Peak(s)), r.music ? MusicLoudness(s) : EffectLoudness(s),
                peakBound ? "  (level set by peak)" : "");
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || !argv[1][0]) {
        std::fprintf(stderr, "usage: soundsynth OUTDIR [NAME...]\n");
        return 2;
    }
    const std::string dir = argv[1];
    std::vector<const Recipe*> todo;
    for (int i = 2; i < argc; ++i) {
        const Recipe* r = FindRecipe(argv[i]);
        if (!r) {
            std::fprintf(stderr, "soundsynth: no sound named '%s'; known:", argv[i]);
            for (const Recipe& k : kRecipes)
                std::fprintf(stderr, " %s", k.name);
            std::fprintf(stderr, "\n");
            return 2;
        }
        todo.push_back(r);
    }
    if (todo.empty())
        for (const Recipe& r : kRecipes)
            todo.push_back(&r);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "soundsynth: cannot create %s: %s\n", dir.c_str(), ec.message().c_str());
        return 1;
    }
    bool ok = true;
    for (const Recipe* r : todo)
        ok = Render(*r, dir) && ok;
    return ok ? 0 : 1;
}
