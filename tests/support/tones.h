#pragma once

#include <QByteArray>

// Recordings made by the tests and the bench: a 440 Hz tone of a known length, 16-bit mono at
// 8 kHz, as the files a recitation folder holds.
namespace tones {

// Plain PCM in a WAV file.
QByteArray wav(int ms);
// The same samples compressed in a FLAC stream (second-order prediction, Rice-coded residuals),
// so that a compressed format is decoded too.
QByteArray flac(int ms);

} // namespace tones
