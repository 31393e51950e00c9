// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/prompt.h"
#include "model/vantrell_state.h"
#include "teach/practice_session.h"

namespace vantrell {

// Asks one page's questions: returns when the session's page is settled or the student
// has stopped the session.
class PracticeFront {
  public:
    virtual ~PracticeFront() = default;
    virtual void Practise(PracticeSession& session) = 0;
};

// Solves the primal (or the dual) as Calculate does, keeping the run as a normal run, but
// stops before every pivot for the student's decisions, at the arithmetic levels also for
// the next tableau. Returns the practice record.
PracticeRecord PracticeRun(VantrellState& state, Prompt& prompt, PracticeFront& front, bool dual,
                           PracticeLevel level = PracticeLevel::Choices);

}  // namespace vantrell
