#pragma once

#include "note.h"

#include <QByteArray>

#include <vector>

inline constexpr int kPercussionChannel = 9;

// The notes one General MIDI instrument plays. On kPercussionChannel the keys choose drums
// and the program is not used.
struct MidiPart {
    int channel;
    int program;  // General MIDI program, counted from 0
    std::vector<Note> notes;
};

struct MidiScore {
    double beatsPerMinute;
    std::vector<MidiPart> parts;
};

// A Standard MIDI File (format 0) of the score.
QByteArray standardMidiFile(const MidiScore& score);
