#pragma once
// The pictures the generator draws. Each is deterministic: the same build
// draws the same pixels, so regenerating changes the files only when the
// drawing code changes.
#include <QImage>
#include <QSize>

// The viewer's built-in pictures (shown stretched in 180 x 112 frames; drawn
// at twice that for a clean reduction).
constexpr QSize kViewerSize(360, 224);
QImage runwayAtDusk(QSize size);
QImage instrumentPanel(QSize size);
QImage cloudySky(QSize size);

// The about box banner with the program's wordmark.
constexpr QSize kBannerSize(300, 44);
QImage aboutBanner(QSize size);

// A small deterministic random source (no library state, same on every machine).
class SceneRandom
{
public:
    explicit SceneRandom(unsigned seed) : m_state(seed) {}
    double next(); // in [0, 1)
    double between(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    unsigned m_state;
};
