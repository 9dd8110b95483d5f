// Which vector code the pixel loops run. Every loop has a baseline form (plain C++, with
// SSE2 on x86-64, which every x86-64 processor has) and, on x86-64, an AVX2 form chosen when
// the processor and the system support it. Both give the same bytes for the same inputs;
// the choice is a parameter so that tests can run both. Portable.
#pragma once

enum class TPixelLanes { Baseline, Avx2 };

// AVX2 when this build has AVX2 kernels and the processor runs them, else Baseline.
TPixelLanes BestPixelLanes();

// Whether Lanes can run here (Baseline always can).
bool CanRunPixelLanes(TPixelLanes Lanes);
