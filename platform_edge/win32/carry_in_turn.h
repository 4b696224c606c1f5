#pragma once
// How a shell carries out its core's reaction: the reaction's steps in their
// order, then, in turn, the reactions the core gives to the outcomes of those
// steps (an answer, a check, a save), each after the one before it has been
// carried out whole. No step runs inside another's carrying.

#include <deque>
#include <utility>
#include <vector>

namespace velmora::platform_edge {

// `carry_one(reaction)` does one reaction's steps and returns the core's
// reactions to their outcomes.
template <typename Reaction, typename CarryOne>
void CarryInTurn(Reaction first, CarryOne&& carry_one) {
    std::deque<Reaction> pending;
    pending.push_back(std::move(first));
    while (!pending.empty()) {
        const Reaction next = std::move(pending.front());
        pending.pop_front();
        std::vector<Reaction> outcomes = carry_one(next);
        for (Reaction& outcome : outcomes) {
            pending.push_back(std::move(outcome));
        }
    }
}

}  // namespace velmora::platform_edge
