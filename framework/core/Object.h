// TObject: the common base of everything that can be the sender of an event.
#pragma once

#include <functional>

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

// An event bound to an object's method; empty when nobody listens.
using TNotifyEvent = std::function<void(TObject* Sender)>;
