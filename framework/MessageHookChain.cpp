#include "framework/MessageHookChain.h"

#include <utility>

// A singly linked list, first node first to see a message. An unhooked node is unlinked
// but keeps its own Next: a message that is inside it right now still finds the rest of
// the chain, skipping nodes unhooked meanwhile. A message holds the nodes it passes and
// the chain's state, so unhooking (or deleting the control) under it frees nothing it uses.
struct TMessageHookChain::TNode {
  THook Hook;
  std::shared_ptr<TNode> Next;
  bool Unhooked = false;
};

struct TMessageHookChain::TState {
  std::shared_ptr<TNode> First;
  TWndMethod Handler;
  bool Closed = false;  // the chain's owner is gone: a message still under way goes no further
};

void TMessageHookChain::TNext::operator()(TMessage& Message) const { PassFrom(*FState, FNode->Next, Message); }

TMessageHookChain::TMessageHookChain(TWndMethod Handler) : FState(std::make_shared<TState>()) {
  FState->Handler = std::move(Handler);
}

TMessageHookChain::~TMessageHookChain() {
  FState->Closed = true;
  // Unlinked one by one: a long chain must not free itself by deep recursion.
  std::shared_ptr<TNode> Node = std::move(FState->First);
  while (Node) Node = std::exchange(Node->Next, nullptr);
}

TMessageHook TMessageHookChain::Add(THook Hook) {
  auto Node = std::make_shared<TNode>();
  Node->Hook = std::move(Hook);
  Node->Next = FState->First;
  FState->First = Node;
  return TMessageHook(FState, std::move(Node));
}

void TMessageHookChain::Deliver(TMessage& Message) const {
  const std::shared_ptr<TState> State = FState;
  PassFrom(*State, State->First, Message);
}

void TMessageHookChain::PassFrom(TState& State, std::shared_ptr<TNode> Node, TMessage& Message) {
  if (State.Closed) return;
  while (Node && Node->Unhooked) Node = Node->Next;
  if (!Node) {
    if (State.Handler) State.Handler(Message);
    return;
  }
  Node->Hook(Message, TNext(State, *Node));
}

void TMessageHookChain::Remove(TState& State, const std::shared_ptr<TNode>& Node) {
  Node->Unhooked = true;
  if (State.First == Node) {
    State.First = Node->Next;
    return;
  }
  for (TNode* Previous = State.First.get(); Previous; Previous = Previous->Next.get()) {
    if (Previous->Next == Node) {
      Previous->Next = Node->Next;
      return;
    }
  }
}

TMessageHook& TMessageHook::operator=(TMessageHook&& Other) noexcept {
  if (this != &Other) {
    Reset();
    FChain = std::move(Other.FChain);
    FNode = std::move(Other.FNode);
  }
  return *this;
}

void TMessageHook::Reset() {
  if (const auto State = FChain.lock()) TMessageHookChain::Remove(*State, FNode);
  FChain.reset();
  FNode.reset();
}
