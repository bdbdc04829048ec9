// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pages made in parallel and handed on in page order. Pages are independent once each
// page's lines are known, so workers take page numbers from a shared counter, each with
// its own raster, painter and encoder; the calling thread is one of them and hands the
// finished files on in order. Only a bounded number of finished pages wait, so memory
// does not grow with the page count.
#include <cstdint>
#include <functional>
#include <vector>

using TPageBytes = std::vector<std::uint8_t>;
// Makes page `index`; one per worker, used by that worker's thread only.
using TPageMaker = std::function<TPageBytes(int index)>;

// Makes pages 0 … count − 1 with `workers` makers, each from `makeMaker` (called on the
// calling thread): the calling thread's own and one helper thread each for the others. The
// calling thread passes the pages to `deliver` in order, making pages itself while the next
// one is not ready. The first failure of a maker or of `deliver` stops the helpers and
// passes on once they have stopped.
void RunPagePipeline(int count, int workers, const std::function<TPageMaker()>& makeMaker,
                     const std::function<void(int index, TPageBytes&& page)>& deliver);

// The workers a run uses for `requested` (0: one per core), never more than the pages.
int PageWorkerCount(int requested, int pages);
