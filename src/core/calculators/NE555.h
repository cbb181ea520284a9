#pragma once
// The 555 timer: the astable circuit's frequency and the monostable circuit's pulse duration.
//
// Resistances in Ω, capacitances in µF. The factors are 0.69 for each astable half-period and
// 1.1 for the monostable pulse; the mix of single and double precision below decides the
// eighth decimal of the printed result, so it is kept exactly as written.

#include <QString>

namespace zelkor::ne555 {

// f = 1 / (0.69·(R1 + R2)·C + 0.69·R2·C), in Hz. A zero capacitance gives infinity.
float astableFrequency(float r1, float r2, float c1);

// t = 1.1·R·C, in s.
float monostablePulseDuration(float r, float c1);

// "Frequency: 6.90131140 Hz"
QString frequencyText(float hertz);

// "Pulse duration: 1.10000002 s"
QString pulseDurationText(float seconds);

} // namespace zelkor::ne555
