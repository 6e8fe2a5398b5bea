// Loudness as players' tools measure it: ITU-R BS.1770 K-weighted loudness (LUFS) with its
// gates, and the true peak (4x oversampled). Shared by the generator's mixing model and the
// tests, which measure the decoded pack with it; stereo buffers, left and right apart.
#pragma once
#include <cstddef>

namespace ag {

// Integrated loudness in LUFS of `n` stereo frames at `frequence` Hz: 400 ms blocks every
// 100 ms, the absolute gate at -70 LUFS and the relative one 10 LU under the gated mean.
// -200 for a buffer shorter than a block or silent.
double sonie_integree(const float* g, const float* d, size_t n, double frequence);
// The loudest momentary loudness (one 400 ms block, hopping by 100 ms) in LUFS; a buffer
// shorter than a block counts as one block padded with silence.
double sonie_momentanee_max(const float* g, const float* d, size_t n, double frequence);
// True peak in dBTP: the largest magnitude of the signal and of its 4x oversampled
// reconstruction (windowed-sinc interpolation), full scale 1.
double crete_vraie_db(const float* g, const float* d, size_t n);

}  // namespace ag
