#pragma once
// The reading's arithmetic is compiled for the baseline x86-64 (SSE2 instructions). Code that
// uses the 256-bit AVX registers and returns without clearing their upper halves (QtCore's
// time-zone code does, and the window has asked it for the birth clock before every reading)
// leaves the processor in a state where each SSE instruction waits on those halves: the
// reading then takes four to five times as long (5 µs become 23 µs of processor time).
// Clearing them first costs one instruction and changes no result.

namespace reading {

// Clears the upper halves of the AVX registers where the processor has them; else nothing.
void ClearUpperVectorHalves();

}  // namespace reading
