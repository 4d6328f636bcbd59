#include "midi_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kTicksPerBeat = 480;
// Players stop at the end of the track; this much more lets the last notes ring out.
constexpr double kTailBeats = 1.0;

struct Event {
    long tick;
    bool on;
    QByteArray bytes;
};

long ticks(double beats) {
    return std::lround(beats * kTicksPerBeat);
}

void appendBigEndian(QByteArray& bytes, std::uint32_t value, int size) {
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8) {
        bytes.append(static_cast<char>((value >> shift) & 0xFF));
    }
}

void appendVariableLength(QByteArray& bytes, std::uint32_t value) {
    QByteArray reversed(1, static_cast<char>(value & 0x7F));
    while ((value >>= 7) != 0) reversed.append(static_cast<char>(0x80 | (value & 0x7F)));
    std::reverse(reversed.begin(), reversed.end());
    bytes.append(reversed);
}

QByteArray channelMessage(int status, int channel, int data1, int data2 = -1) {
    QByteArray bytes(1, static_cast<char>(status | channel));
    bytes.append(static_cast<char>(data1));
    if (data2 >= 0) bytes.append(static_cast<char>(data2));
    return bytes;
}

std::vector<Event> events(const MidiScore& score) {
    std::vector<Event> result;
    for (const MidiPart& part : score.parts) {
        if (part.channel != kPercussionChannel) {
            result.push_back({0, true, channelMessage(0xC0, part.channel, part.program)});
        }
        for (const Note& note : part.notes) {
            result.push_back({ticks(note.beat), true,
                              channelMessage(0x90, part.channel, note.key, note.velocity)});
            result.push_back({ticks(note.beat + note.beats), false,
                              channelMessage(0x80, part.channel, note.key, 0)});
        }
    }
    // At one tick, notes end before new ones start, so that a repeated key sounds again.
    std::stable_sort(result.begin(), result.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : !a.on && b.on;
    });
    return result;
}

QByteArray track(const MidiScore& score) {
    QByteArray bytes;
    appendVariableLength(bytes, 0);
    bytes.append("\xFF\x51\x03", 3);
    appendBigEndian(bytes, static_cast<std::uint32_t>(std::lround(60e6 / score.beatsPerMinute)), 3);
    long now = 0;
    for (const Event& event : events(score)) {
        appendVariableLength(bytes, static_cast<std::uint32_t>(event.tick - now));
        bytes.append(event.bytes);
        now = event.tick;
    }
    appendVariableLength(bytes, static_cast<std::uint32_t>(ticks(kTailBeats)));
    bytes.append("\xFF\x2F\x00", 3);
    return bytes;
}

}  // namespace

QByteArray standardMidiFile(const MidiScore& score) {
    const QByteArray body = track(score);
    QByteArray bytes("MThd");
    appendBigEndian(bytes, 6, 4);
    appendBigEndian(bytes, 0, 2);  // format 0: one track
    appendBigEndian(bytes, 1, 2);
    appendBigEndian(bytes, kTicksPerBeat, 2);
    bytes.append("MTrk");
    appendBigEndian(bytes, static_cast<std::uint32_t>(body.size()), 4);
    bytes.append(body);
    return bytes;
}
