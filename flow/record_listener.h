// What a view of the record beside the board is told: the list of moves or the entry shown has
// changed. The view then reads the game's rows and current entry again.
#pragma once

namespace flow {

class RecordListener {
  public:
    virtual ~RecordListener() = default;
    virtual void recordChanged() = 0;
};

}  // namespace flow
