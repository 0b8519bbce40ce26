#pragma once

namespace korvo {

class MessageQueue;

// Where input comes from when the queue runs dry: the Qt shell turns its events into posted
// messages, an input journal posts the messages of its next line.
class EventSource {
 public:
  virtual ~EventSource() = default;
  // Posts at least one message to `queue` (or moves its clock so that a timer falls due) and
  // returns true, or returns false when no input will ever come again, which ends the loop.
  virtual bool Supply(MessageQueue& queue) = 0;
};

}  // namespace korvo
