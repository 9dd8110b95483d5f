// Inherited answers along parent chains: a section's answer is its own, else its parent's,
// and so on, until a section without a parent or one the chain has already passed (a loop).
// Resolved for all sections at once, each section visited once, however long the chains.
// Portable.
#pragma once

#include <cstddef>
#include <vector>

// For every section, the section whose own answer it inherits (-1: none along its chain).
// Parents[S] is S's parent (-1 none); HasOwn(S) says whether S answers itself.
template <class THasOwn>
std::vector<int> AnsweringSections(const std::vector<int>& Parents, const THasOwn& HasOwn) {
  constexpr int Unknown = -2;
  std::vector<int> Answer(Parents.size(), Unknown);
  std::vector<std::size_t> WalkOf(Parents.size(), 0);  // which walk passed a section last (1-based)
  std::vector<int> Path;
  for (std::size_t Start = 0; Start < Parents.size(); ++Start) {
    Path.clear();
    int At = static_cast<int>(Start);
    int Found = -1;
    while (At >= 0) {
      const auto Here = static_cast<std::size_t>(At);
      if (Answer[Here] != Unknown) {
        Found = Answer[Here];
        break;
      }
      if (WalkOf[Here] == Start + 1) break;  // a loop without an answer
      WalkOf[Here] = Start + 1;
      if (HasOwn(At)) {
        Found = At;
        Answer[Here] = At;
        break;
      }
      Path.push_back(At);
      At = Parents[Here];
    }
    for (const int Section : Path) Answer[static_cast<std::size_t>(Section)] = Found;
  }
  return Answer;
}
