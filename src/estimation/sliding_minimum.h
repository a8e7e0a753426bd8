#pragma once
#include <algorithm>
#include <span>
#include <vector>

#include "estimation/cost.h"

namespace tesselo {

// The least reachable entry of a window over a column of costs, for windows whose two ends
// never move left. Each entry enters and leaves the window once, so a whole sweep takes
// time linear in the column's length, whatever the window's width. Among equal costs the
// lowest index wins, as in a scan that replaces its best only on a strictly smaller cost.
class SlidingMinimum {
 public:
  // Starts a sweep over `column`; the window is empty.
  void Reset(std::span<const Cost> column);

  // Moves the window to lo..hi (an empty window when lo > hi). Neither end may be smaller
  // than at the previous call since Reset. Entries at hi must already hold their final cost.
  void MoveTo(int lo, int hi) {
    // Indices below lo can never enter a later window either.
    next_ = std::max(next_, lo);
    for (const int last = std::min(hi, static_cast<int>(column_.size()) - 1); next_ <= last;
         ++next_)
      Push(next_);
    while (head_ < tail_ && queue_[head_] < lo) ++head_;
  }

  // The least reachable cost in the window, kUnreachable when there is none.
  Cost Value() const { return head_ == tail_ ? kUnreachable : column_[queue_[head_]]; }

  // The index of that cost, -1 when there is none.
  int Arg() const { return head_ == tail_ ? -1 : queue_[head_]; }

 private:
  void Push(int index) {
    const Cost value = column_[index];
    if (value == kUnreachable) return;
    // An earlier entry of greater cost can no longer be the least; one of equal cost stays,
    // since it comes first.
    while (tail_ > head_ && column_[queue_[tail_ - 1]] > value) --tail_;
    queue_[tail_++] = index;
  }

  std::span<const Cost> column_;
  std::vector<int> queue_;  // indices of increasing cost, each the first of its cost
  std::size_t head_ = 0;
  std::size_t tail_ = 0;
  int next_ = 0;  // the first index not yet considered
};

}  // namespace tesselo
