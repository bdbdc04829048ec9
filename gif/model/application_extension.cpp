// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/application_extension.h"

#include <algorithm>

#include "gif/model/byte_order.h"
#include "platform/stream.h"

namespace {

constexpr std::uint8_t kLoopBlock = 1;
constexpr std::uint8_t kBufferBlock = 2;

}  // namespace

TGIFApplicationExtension::TGIFApplicationExtension(TGIFSubImage& frame, std::string_view identifier)
    : TGIFExtension(frame) {
  SetIdentifier(identifier);
}

void TGIFApplicationExtension::SetIdentifier(std::string_view identifier) {
  identifier_.fill(0);
  std::copy_n(identifier.begin(), std::min(identifier.size(), identifier_.size()), identifier_.begin());
}

void TGIFApplicationExtension::SaveData(TStream& stream) const {
  const auto size = static_cast<std::uint8_t>(identifier_.size());
  stream.Write(&size, 1);
  stream.Write(identifier_.data(), identifier_.size());
  SaveApplicationData(stream);
}

TGIFAppExtNSLoop::TGIFAppExtNSLoop(TGIFSubImage& frame) : TGIFApplicationExtension(frame, "NETSCAPE2.0") {}

std::unique_ptr<TGIFExtension> TGIFAppExtNSLoop::CloneFor(TGIFSubImage& frame) const {
  auto copy = std::make_unique<TGIFAppExtNSLoop>(frame);
  copy->SetIdentifier({Identifier().data(), Identifier().size()});
  copy->Loops = Loops;
  copy->BufferSize = BufferSize;
  return copy;
}

void TGIFAppExtNSLoop::SaveApplicationData(TStream& stream) const {
  std::uint8_t loop[4] = {3, kLoopBlock};
  detail::PutLE16(&loop[2], Loops);
  stream.Write(loop, sizeof loop);
  if (BufferSize != 0) {
    std::uint8_t buffer[6] = {5, kBufferBlock};
    detail::PutLE32(&buffer[2], BufferSize);
    stream.Write(buffer, sizeof buffer);
  }
  stream.Write(&gif::kBlockTerminator, 1);
}

std::unique_ptr<TGIFExtension> TGIFUnknownAppExtension::CloneFor(TGIFSubImage& frame) const {
  auto copy = std::make_unique<TGIFUnknownAppExtension>(
      frame, std::string_view(Identifier().data(), Identifier().size()));
  copy->Blocks = Blocks;
  return copy;
}

void TGIFUnknownAppExtension::SaveApplicationData(TStream& stream) const {
  detail::WriteSubBlocks(stream, Blocks);
}
