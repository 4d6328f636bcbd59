#pragma once

#include "midi_file.h"
#include "pcm_synth.h"

// The five award jingles, from a gentle "try again" to a fanfare: the better the sheet,
// the brighter the sound.
PcmScore notGoodJingle();
MidiScore goodJobJingle();
PcmScore excellentJingle();
MidiScore impressiveJingle();
PcmScore perfectJingle();
