#pragma once

// One note of a jingle, timed in beats so that a tune keeps its shape at any tempo.
struct Note {
    double beat;
    double beats;
    int key;       // MIDI key number: 60 is middle C
    int velocity;  // 1 to 127
};
