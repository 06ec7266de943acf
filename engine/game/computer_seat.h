#pragma once
// The computer player as the turn cycle sees it: it makes the move of the
// seat on move (lays its word or passes) and ends it through Hra::prehod.

namespace tb {

class ComputerPlayer {
  public:
    virtual ~ComputerPlayer() = default;
    virtual void JedPC() = 0;
};

}  // namespace tb
