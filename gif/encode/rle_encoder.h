// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run-length compressor: no dictionary of its own. Pixels go out as literal codes,
// and runs of one value use the table entries a standard LZW decoder builds when, after
// a clear, a literal p is followed by the codes F, F + 1, F + 2, ... (F the first free
// code): entry F + j then stands for j + 2 copies of p.
#include <cstdint>

#include "gif/encode/gif_encoder.h"

class TRLEEncoder final : public TGIFEncoder {
protected:
  void EmitClear() override;
  void EncodeData() override;

private:
  // Sends a code other than the clear code, growing the width and forcing a clear at
  // the points where the decoder's table does.
  void EmitPlain(int code);
  void FlushRun(int length);
  void CodeFromClear(int length);
  void CodeClearOrRepeat(int length);
  void CodeFromTable(int length);
  void ResetClearThreshold();
  // The code that stands for a run of `length` (≥ 2) copies of the table pixel.
  int RunCode(int length) const { return firstFreeCode_ + length - 2; }

  int codeBudget_ = 0;   // codes a table run may use before the table is full
  int growthStart_ = 0;  // codes after a clear until the width first grows
  int clearStart_ = 0;   // codes after a clear until one is forced, outside table runs
  int runPixel_ = -1;
  int tableRunLimit_ = 0;  // longest run of the table pixel the decoder's table codes
  int tablePixel_ = 0;
  int codesSent_ = 0;  // since the last clear, the clear code not counted
  int clearThreshold_ = 0;
  int growthThreshold_ = 0;
};

namespace detail {

// The number of codes `length` pixels of one value cost when coded from a fresh table
// with `available` codes: runs of 1, 2, 3, ... pixels, one code each.
int TriangleCost(std::int64_t length, std::int64_t available);
// The integer square root, by Newton's steps from above.
std::int64_t IntSqrt(std::int64_t x);

}  // namespace detail
