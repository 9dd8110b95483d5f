// TMessageHookChain: the hooks in front of a control's own message handling. Every message
// passes the hooks, the one added last first, and then the chain's handler; a hook passes a
// message on by calling Next, or stops it by not calling it.
//
// Each hook is held by a TMessageHook that unhooks it when it goes, in any order: the other
// hooks stay chained. A hook may unhook itself or any other while a message passes through
// it; an unhooked hook sees no message that reaches its place afterwards, and Next still
// leads on to the rest of the chain.
#pragma once

#include <functional>
#include <memory>

#include "framework/Message.h"

class TMessageHook;

class TMessageHookChain {
  struct TNode;
  struct TState;

 public:
  // Passes a message on to the hooks after the current one and then to the handler.
  class TNext {
   public:
    void operator()(TMessage& Message) const;

   private:
    friend class TMessageHookChain;
    TNext(TState& State, TNode& Node) : FState(&State), FNode(&Node) {}
    TState* FState;
    TNode* FNode;
  };
  using THook = std::function<void(TMessage& Message, const TNext& Next)>;

  explicit TMessageHookChain(TWndMethod Handler);
  TMessageHookChain(const TMessageHookChain&) = delete;
  TMessageHookChain& operator=(const TMessageHookChain&) = delete;
  ~TMessageHookChain();

  // The new hook sees messages before every hook added earlier.
  [[nodiscard]] TMessageHook Add(THook Hook);
  void Deliver(TMessage& Message) const;

 private:
  friend class TMessageHook;
  std::shared_ptr<TState> FState;

  static void PassFrom(TState& State, std::shared_ptr<TNode> Node, TMessage& Message);
  static void Remove(TState& State, const std::shared_ptr<TNode>& Node);
};

// One hook's place in a chain; unhooks it when reset or destroyed. Outliving the chain is
// harmless.
class TMessageHook {
 public:
  TMessageHook() = default;
  TMessageHook(TMessageHook&& Other) noexcept = default;
  TMessageHook& operator=(TMessageHook&& Other) noexcept;
  TMessageHook(const TMessageHook&) = delete;
  TMessageHook& operator=(const TMessageHook&) = delete;
  ~TMessageHook() { Reset(); }

  bool Hooked() const { return !FChain.expired(); }
  void Reset();

 private:
  friend class TMessageHookChain;
  TMessageHook(std::weak_ptr<TMessageHookChain::TState> Chain, std::shared_ptr<TMessageHookChain::TNode> Node)
      : FChain(std::move(Chain)), FNode(std::move(Node)) {}
  std::weak_ptr<TMessageHookChain::TState> FChain;
  std::shared_ptr<TMessageHookChain::TNode> FNode;
};
