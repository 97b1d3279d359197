#pragma once
// Records the panel's beeps in tests instead of playing them.
#include "sound.h"

#include <ostream>
#include <utility>
#include <vector>

struct Beep {
    int hz;
    int ms;
    bool operator==(const Beep &) const = default;
};
using Beeps = std::vector<Beep>;

inline void PrintTo(const Beep &b, std::ostream *os)
{
    *os << b.hz << " Hz " << b.ms << " ms";
}

class FakeSound : public Sound {
public:
    FakeSound() { installSound(this); }
    ~FakeSound() override { installSound(nullptr); }
    void beep(int hz, int ms) override { beeps.push_back({hz, ms}); }
    // The beeps since the last call.
    Beeps take() { return std::exchange(beeps, {}); }

    Beeps beeps;
};
