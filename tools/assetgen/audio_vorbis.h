// Ogg Vorbis encoding of a synthesized stereo buffer, byte-identical on every run.
#pragma once
#include <cstdint>
#include <vector>

#include "audio_dsp.h"

namespace ag {

// Encodes `t` (44100 Hz stereo, samples in [-1, 1]) as one Ogg Vorbis stream with VBR
// quality `qualite` (-0.1 .. 1.0). The stream serial is `serie` and no comment carries a
// date or host, so equal input gives equal bytes. Throws std::runtime_error on failure.
std::vector<uint8_t> encoder_vorbis(const Tampon& t, float qualite, int serie);

}  // namespace ag
