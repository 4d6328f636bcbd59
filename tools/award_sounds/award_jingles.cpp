#include "award_jingles.h"

namespace {

// General MIDI programs, counted from 0, and percussion keys.
constexpr int kMarimba = 12;
constexpr int kVibraphone = 11;
constexpr int kTimpani = 47;
constexpr int kTrumpet = 56;
constexpr int kBrassSection = 61;
constexpr int kCrashCymbal = 49;

const Timbre kMellow{{1.0, 0.25, 0.08}, 1.2};
const Timbre kPluck{{1.0, 0.5, 0.3, 0.15, 0.08}, 0.8};
const Timbre kBrightLead{{1.0, 0.6, 0.35, 0.2, 0.1, 0.05}, 1.5};
const Timbre kWarmPad{{1.0, 0.3, 0.1}, 3.0};
const Timbre kSparkle{{1.0, 0.2}, 0.4};

}  // namespace

// Softly down to the home note over a low chord: calm, never a buzzer.
PcmScore notGoodJingle() {
    return {96,
            {{kMellow, {{0, 0.5, 64, 70}, {0.5, 0.5, 62, 65}, {1, 1.25, 60, 70}}},
             {kMellow, {{1, 1.25, 48, 45}, {1, 1.25, 55, 40}}}}};
}

// A marimba climbs the major chord and rings on its top.
MidiScore goodJobJingle() {
    return {132,
            {{0,
              kMarimba,
              {{0, 0.5, 72, 115}, {0.5, 0.5, 76, 115}, {1, 0.5, 79, 120}, {1.5, 1.5, 84, 127}}},
             {1, kVibraphone, {{1.5, 1.5, 76, 90}, {1.5, 1.5, 79, 90}}}}};
}

// A quicker, brighter climb that opens into a full chord.
PcmScore excellentJingle() {
    return {150,
            {{kPluck,
              {{0, 0.5, 72, 90},
               {0.5, 0.5, 76, 95},
               {1, 0.5, 79, 100},
               {1.5, 0.5, 84, 105},
               {2.5, 0.5, 91, 80}}},
             {kWarmPad,
              {{2, 2, 60, 80}, {2, 2, 76, 85}, {2, 2, 79, 85}, {2, 2, 84, 90}, {2, 2, 88, 90}}}}};
}

// A trumpet call over brass, timpani and a cymbal.
MidiScore impressiveJingle() {
    constexpr double kThird = 1.0 / 3.0;
    return {120,
            {{0,
              kTrumpet,
              {{0, kThird, 67, 90},
               {kThird, kThird, 67, 90},
               {2 * kThird, kThird, 67, 90},
               {1, 0.75, 72, 100},
               {1.75, 0.25, 67, 90},
               {2, 2, 76, 105}}},
             {1, kBrassSection, {{2, 2, 60, 75}, {2, 2, 64, 75}, {2, 2, 67, 75}, {2, 2, 72, 75}}},
             {2, kTimpani, {{1, 0.5, 48, 90}, {1.75, 0.25, 43, 80}, {2, 1, 48, 100}}},
             {kPercussionChannel, 0, {{2, 1, kCrashCymbal, 80}}}}};
}

// A two-octave run up to a wide held chord, with sparkles on top.
PcmScore perfectJingle() {
    return {140,
            {{kBrightLead,
              {{0, 0.25, 72, 90},
               {0.25, 0.25, 76, 95},
               {0.5, 0.25, 79, 100},
               {0.75, 0.25, 84, 105},
               {1, 0.25, 88, 110},
               {1.25, 0.25, 91, 115},
               {1.5, 3, 96, 100}}},
             {kWarmPad,
              {{1.5, 3, 48, 90},
               {1.5, 3, 55, 85},
               {1.5, 3, 60, 90},
               {1.5, 3, 64, 90},
               {1.5, 3, 67, 90},
               {1.5, 3, 72, 95}}},
             {kSparkle, {{2, 0.25, 100, 60}, {2.25, 0.25, 103, 60}, {2.5, 0.5, 108, 60}}}}};
}
