#pragma once
// Everything a piece of the terminal's logic works with: the store, the run's
// session and settings, the clock and the message boxes.
namespace pos {

class TF_DataModule;
class Clock;
class MessageService;
struct SessionState;
struct SystemParameters;

struct PosContext {
    TF_DataModule& db;
    SessionState& session;
    SystemParameters& params;
    const Clock& clock;
    MessageService& messages;
};

}  // namespace pos
