// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sink that takes at most `limit` bytes in all, then refuses; it keeps what it took.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/stream.h"

namespace test_support {

class RefusingStream : public TStream {
public:
  explicit RefusingStream(std::size_t limit) : limit_(limit) {}
  std::size_t Write(const void* data, std::size_t count) override {
    const std::size_t n = std::min(count, limit_);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    taken_.insert(taken_.end(), bytes, bytes + n);
    limit_ -= n;
    return n;
  }
  const std::vector<std::uint8_t>& Taken() const { return taken_; }

private:
  std::size_t limit_;
  std::vector<std::uint8_t> taken_;
};

}  // namespace test_support
