// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/chapter_shares.h"

#include <QGuiApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <memory>
#include <thread>
#include <vector>

#include "app/typeset/hyphenator.h"
#include "platform/cancellation.h"

namespace {

// Fewer blocks than this a share are set faster on one core than split.
constexpr std::size_t kLeastShareBlocks = 2000;
constexpr unsigned kMostShares = 4;

// The blocks cut into about `shares` equal runs, each starting at a chapter (the first
// at the book's start).
std::vector<std::span<const document::TBlock>> Shares(std::span<const document::TBlock> blocks,
                                                      std::size_t shares) {
  std::vector<std::span<const document::TBlock>> cut;
  std::size_t begin = 0;
  for (std::size_t share = 1; share < shares; ++share) {
    std::size_t at = std::max(begin + 1, blocks.size() * share / shares);
    while (at < blocks.size() && blocks[at].kind != document::TBlockKind::ChapterStart) ++at;
    if (at >= blocks.size()) break;
    cut.push_back(blocks.subspan(begin, at - begin));
    begin = at;
  }
  cut.push_back(blocks.subspan(begin));
  return cut;
}

// Appends a share's column: its chapters after those before it, its first line on a new page.
void Join(TBookFlow& flow, TBookFlow&& share) {
  const std::size_t lines = flow.lines.size();
  const int chapters = static_cast<int>(flow.chapters.size());
  for (TFlowLine& line : share.lines) {
    if (line.chapter >= 0) line.chapter += chapters;
    flow.lines.push_back(std::move(line));
  }
  if (lines > 0 && lines < flow.lines.size()) flow.lines[lines].newPage = true;
  for (TFlowChapter& chapter : share.chapters) {
    chapter.firstLine += lines;
    flow.chapters.push_back(std::move(chapter));
  }
}

}  // namespace

TBookFlow SetChapterShares(std::span<const document::TBlock> blocks, const TFlowSettings& settings,
                           TFaceSet& faces, const TPageFont& font, const std::string& language) {
  const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, kMostShares);
  const std::size_t wanted =
      QGuiApplication::instance() ? std::min<std::size_t>(cores, blocks.size() / kLeastShareBlocks) : 1;
  const auto shares = Shares(blocks, std::max<std::size_t>(1, wanted));
  if (shares.size() == 1) return SetBlocks(blocks, settings, faces);

  std::vector<TBookFlow> flows(shares.size());
  std::vector<std::exception_ptr> failures(shares.size());
  std::atomic<bool> stop = false;
  std::atomic<std::size_t> running = shares.size() - 1;
  {
    std::vector<std::jthread> threads;
    for (std::size_t share = 1; share < shares.size(); ++share)
      threads.emplace_back([&, share] {
        try {
          const TCancelScope cancel([&stop] { return stop.load(); });
          TFaceSet ownFaces(font);
          const auto hyphenator = settings.rules.hyphenator ? THyphenator::ForLanguage(language) : nullptr;
          TFlowSettings own = settings;
          own.rules.hyphenator = hyphenator.get();
          flows[share] = SetBlocks(shares[share], own, ownFaces);
        } catch (...) {
          failures[share] = std::current_exception();
          stop = true;
        }
        --running;
      });
    try {
      flows[0] = SetBlocks(shares[0], settings, faces);
      // The others are waited for here, where this thread's stop request is heard.
      while (running > 0) {
        CheckCancelled();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
      }
    } catch (...) {
      stop = true;
      throw;  // the threads are joined on the way out
    }
  }
  for (const auto& failure : failures)
    if (failure) std::rethrow_exception(failure);
  TBookFlow flow = std::move(flows[0]);
  for (std::size_t share = 1; share < flows.size(); ++share) Join(flow, std::move(flows[share]));
  return flow;
}
