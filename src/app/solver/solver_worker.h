#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "engine/game_state.h"
#include "solver/solver.h"

namespace kes {

// Runs one search at a time on a thread of its own, so the table never
// waits for the solver. Starting a search or cancelling drops the one
// running: it is told to stop and its result is never delivered. Results
// arrive on the thread the worker lives in, through its event loop.
class SolverWorker : public QObject {
  Q_OBJECT

 public:
  using Done = std::function<void(const solver::SolveResult&)>;

  explicit SolverWorker(QObject* parent = nullptr);
  ~SolverWorker() override;

  // What a search does with its options (the cancel flag filled in).
  using Search = std::function<solver::SolveResult(const solver::SolveOptions& options)>;

  // Searches the position as it stands.
  void start(const GameState& state, solver::SolveOptions options, Done done);
  void run(Search search, solver::SolveOptions options, Done done);
  void cancel();
  bool busy() const { return busy_; }

 private:
  struct Run {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> cancel;
    std::shared_ptr<std::atomic<bool>> finished;
  };
  void reapFinished();

  std::vector<Run> runs_;
  Done done_;
  unsigned generation_ = 0;
  bool busy_ = false;
};

}  // namespace kes
