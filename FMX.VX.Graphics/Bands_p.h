#pragma once
// Limits shared by the routines that paint in bands or rings (not
// installed).

namespace FMX::VX::Graphics::Detail {

// Most bands (strips, rings, frame rings) one call paints. No canvas shows
// more than 32767 pixels across, so at a step of one unit or more every
// band of a picture that fits on one keeps its place; only huge extents
// hit the limit, and they then end in bounded time.
inline constexpr double MaxBands = 32768;

// The step that covers Extent in Step-sized bands, widened so that no more
// than MaxBands are needed.
inline double BandStep(double Extent, double Step) { return Extent / Step > MaxBands ? Extent / MaxBands : Step; }

// Pos moved by Delta and stored in 32 bits, as band positions are. Where a
// float can no longer move by Delta (far from the origin), the position
// moves in double instead, so that the bands keep advancing.
inline double MoveBand(double Pos, double Delta) {
  const double Next = Pos + Delta;
  const double Stored = float(Next);
  const bool Moved = Delta > 0 ? Stored > Pos : Delta < 0 ? Stored < Pos : true;
  return Moved ? Stored : Next;
}

// The position after band K (counted from 0) of a run starting at From and
// moving by Delta: moved from Pos and stored in 32 bits while the step is
// the caller's, so that every band lands where successive float additions
// put it; taken from the index once the step was widened, so that rounding
// cannot leave the last of the MaxBands bands short of the far edge.
inline double NextBand(double Pos, double From, double Delta, double K, bool Widened) {
  return Widened ? From + (K + 1) * Delta : MoveBand(Pos, Delta);
}

}  // namespace FMX::VX::Graphics::Detail
