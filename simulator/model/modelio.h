#pragma once
// What one model step works on: the offset space, what the space held when
// the model last finished (so a value someone else wrote since can be told
// from the model's own), the step's length and the environment of the moment.
#include "catalogue.h"
#include "offsetspace.h"

#include <algorithm>

struct ModelIo {
    OffsetSpace &space;
    const OffsetSpace &seen;
    double dt; // seconds of simulated time

    // True when the panel or the operator wrote the variable since the model
    // last published it.
    bool written(const catalogue::Variable &v) const
    {
        const auto now = space.bytes(v.offset, v.ownedSize());
        const auto then = seen.bytes(v.offset, v.ownedSize());
        return !std::equal(now.begin(), now.end(), then.begin(), then.end());
    }
    std::int64_t get(const catalogue::Variable &v) const { return space.get(v); }
    double getFloat(const catalogue::Variable &v) const { return space.getFloat(v); }
    bool on(const catalogue::Variable &v) const { return space.get(v) != 0; }
    // A lever as a fraction of its travel (16384 = 1.0; reverse negative).
    double lever(const catalogue::Variable &v) const { return conv::leverToPercent(std::int32_t(space.get(v))) / 100.0; }
};

// The air around the aircraft, from the offsets the environment lives in.
struct Environment {
    double qnhMb;
    double magVarEast; // degrees
    double windFromTrue, windKts;
    double oatC;       // at the aircraft
    double densityRatio;
};
