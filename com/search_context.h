// The look-ahead search's working memory (the per-ply records, the move stack, the table of
// positions already searched, the killers and history): about 2 MB, allocated once when the
// context is made and reused by every search run in it. A thread that searches owns its context;
// two searches never share one at the same time.
#pragma once

#include <memory>

namespace com {

struct LookaheadMemory;

class SearchContext {
  public:
    SearchContext();
    ~SearchContext();
    SearchContext(const SearchContext&) = delete;
    SearchContext& operator=(const SearchContext&) = delete;

    // Nodes the last search visited.
    long nodes() const { return nodes_; }

  private:
    friend class Lookahead;
    std::unique_ptr<LookaheadMemory> memory_;
    long nodes_ = 0;
};

}  // namespace com
