// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pages made in parallel and handed on in page order. Pages are independent once each
// page's lines are known, so workers take page numbers from a shared counter, each with
// its own raster, painter and encoder; the calling thread receives the finished files in
// order. Only a bounded number of finished pages wait, so memory does not grow with the
// page count.
#include <cstdint>
#include <functional>
#include <vector>

using TPageBytes = std::vector<std::uint8_t>;
// Makes page `index`; one per worker, used by that worker's thread only.
using TPageMaker = std::function<TPageBytes(int index)>;

// Makes pages 0 … count − 1 with `workers` threads (1: on the calling thread alone), each
// worker's maker from `makeMaker` (called on the calling thread), and passes them to
// `deliver` in order on the calling thread. The first failure of a maker or of `deliver`
// stops the workers and passes on once they have stopped.
void RunPagePipeline(int count, int workers, const std::function<TPageMaker()>& makeMaker,
                     const std::function<void(int index, TPageBytes&& page)>& deliver);

// The workers a run uses for `requested` (0: one per core), never more than the pages.
int PageWorkerCount(int requested, int pages);
