// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/rle_encoder.h"

void TRLEEncoder::EncodeData() {
  growthStart_ = (1 << minCodeSize_) - 1;
  // With small code sizes 2^m − 2 codes would be too few to be worth a clear.
  clearStart_ = minCodeSize_ <= 3 ? 9 : (1 << minCodeSize_) - 2;
  codeBudget_ = gif::kMaxCode - firstFreeCode_;
  EmitClear();
  runPixel_ = -1;
  int runLength = 0;
  TPixelWalk walk = StartWalk();
  do {
    const int pixel = TakePixel(walk);
    if (runLength > 0 && pixel != runPixel_) {
      FlushRun(runLength);
      runLength = 0;
    }
    if (pixel == runPixel_) {
      ++runLength;
    } else {
      runPixel_ = pixel;
      runLength = 1;
    }
  } while (NextPixel(walk));
  FlushRun(runLength);
}

void TRLEEncoder::EmitClear() {
  growthThreshold_ = growthStart_;
  clearThreshold_ = clearStart_;
  codesSent_ = 0;
  tableRunLimit_ = 0;
  clearPending_ = true;  // here: "just cleared", until the next code
  PutCode(clearCode_);
  codeWidth_ = minCodeSize_ + 1;
}

void TRLEEncoder::EmitPlain(int code) {
  clearPending_ = false;
  PutCode(code);
  ++codesSent_;
  if (codesSent_ >= growthThreshold_) {
    ++codeWidth_;
    growthThreshold_ += 1 << (codeWidth_ - 1);
  }
  if (codesSent_ >= clearThreshold_) EmitClear();
}

void TRLEEncoder::FlushRun(int length) {
  if (length == 1)
    EmitPlain(runPixel_);
  else if (clearPending_)
    CodeFromClear(length);
  else if (tableRunLimit_ >= 2 && tablePixel_ == runPixel_)
    CodeFromTable(length);
  else
    CodeClearOrRepeat(length);
}

void TRLEEncoder::CodeFromClear(int length) {
  clearThreshold_ = codeBudget_;
  tablePixel_ = runPixel_;
  // Each code after the literal stands for a run one longer than the one before.
  for (int next = 1; length > 0; next = codesSent_ == 0 ? 1 : next + 1) {
    if (next == 1) {
      tableRunLimit_ = 1;
      EmitPlain(runPixel_);
      --length;
    } else if (length >= next) {
      tableRunLimit_ = next;
      EmitPlain(RunCode(next));
      length -= next;
    } else {
      // The shorter rest still makes the decoder define the run of `next`.
      ++tableRunLimit_;
      EmitPlain(length == 1 ? runPixel_ : RunCode(length));
      length = 0;
    }
  }
  ResetClearThreshold();
}

void TRLEEncoder::CodeClearOrRepeat(int length) {
  if (1 + detail::TriangleCost(length, codeBudget_) < length) {
    EmitClear();
    CodeFromClear(length);
  } else {
    for (int i = 0; i < length; ++i) EmitPlain(runPixel_);
  }
}

void TRLEEncoder::CodeFromTable(int length) {
  const int longest = tableRunLimit_;
  int repeats = length / longest;
  int left = length % longest;
  int extra = left > 0 ? 1 : 0;
  if (codesSent_ + repeats + extra > codeBudget_) {
    repeats = codeBudget_ - codesSent_;
    left = length - repeats * longest;
    extra = 1 + detail::TriangleCost(left, codeBudget_);
  }
  if (1 + detail::TriangleCost(length, codeBudget_) < repeats + extra) {
    EmitClear();
    CodeFromClear(length);
    return;
  }
  clearThreshold_ = codeBudget_;
  for (int i = 0; i < repeats; ++i) EmitPlain(RunCode(longest));
  if (left > 0) {
    if (clearPending_)
      CodeFromClear(left);
    else
      EmitPlain(left == 1 ? runPixel_ : RunCode(left));
  }
  ResetClearThreshold();
}

void TRLEEncoder::ResetClearThreshold() {
  clearThreshold_ = clearStart_;
  if (codesSent_ >= clearThreshold_) EmitClear();
}

namespace detail {

int TriangleCost(std::int64_t length, std::int64_t available) {
  const std::int64_t perTable = available * (available + 1) / 2;
  std::int64_t cost = 0;
  for (; length >= perTable; length -= perTable) cost += available;
  if (length > 0) {
    // The smallest k with 1 + 2 + ... + k ≥ length.
    std::int64_t k = IntSqrt(length);
    while (k * (k + 1) >= 2 * length) --k;
    while (k * (k + 1) < 2 * length) ++k;
    cost += k;
  }
  return static_cast<int>(cost);
}

std::int64_t IntSqrt(std::int64_t x) {
  if (x < 2) return x;
  std::int64_t root = 1;
  for (std::int64_t v = x; v > 0; v /= 4) root *= 2;
  for (;;) {
    const std::int64_t next = (x / root + root) / 2;
    if (next == root || next == root + 1) return root;
    root = next;
  }
}

}  // namespace detail
