#pragma once
// The panel's warning beeps go through this one seam: the real sound plays
// tones on the sound device without holding up the window; tests install
// their own and check the sequence.
class Sound {
public:
    virtual ~Sound() = default;
    // One tone of the given pitch and length. Tones play in the order given,
    // each after the one before.
    virtual void beep(int hz, int ms) = 0;
};

// The sound in use: the sound device unless a test installed its own.
Sound &sound();
// Installs a sound for tests; nullptr puts the sound device back.
void installSound(Sound *sound);
