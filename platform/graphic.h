// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graphic base: modified flags, an optional change handler and an optional
// progress handler.
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/object.h"

enum class TProgressStage : std::uint8_t { Starting = 0, Running = 1, Ending = 2 };

struct TRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TProgressEvent = std::function<void(TObject* sender, TProgressStage stage, std::uint8_t percent,
                                          bool redrawNow, const TRect& rect, std::string_view message)>;

class TGraphic : public TPersistent {
public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // Sets the modified flag, then calls the change handler with this graphic as sender.
  virtual void NotifyChanged();
  // Calls the progress handler if one is set.
  void ReportProgress(TObject* sender, TProgressStage stage, std::uint8_t percent, bool redrawNow,
                      const TRect& rect, std::string_view message);

  bool Modified = false;
  bool PaletteModified = false;
  TNotifyEvent ChangeHandler;
  TProgressEvent ProgressHandler;
};

// Rounds percent = done × 100 / total to the nearest integer (0 when total is 0).
std::uint8_t PercentOf(long long done, long long total);
