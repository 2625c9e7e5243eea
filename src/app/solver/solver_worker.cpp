#include "app/solver/solver_worker.h"

#include <QMetaObject>
#include <algorithm>

namespace kes {

SolverWorker::SolverWorker(QObject* parent) : QObject(parent) {}

SolverWorker::~SolverWorker() {
  for (Run& run : runs_) run.cancel->store(true);
  for (Run& run : runs_) run.thread.join();
}

void SolverWorker::cancel() {
  ++generation_;
  busy_ = false;
  done_ = nullptr;
  for (Run& run : runs_) run.cancel->store(true);
  reapFinished();
}

// A cancelled search stops at its next position; its thread is joined once
// it has said it is done, so none is ever waited for here.
void SolverWorker::reapFinished() {
  auto finished = std::stable_partition(runs_.begin(), runs_.end(), [](const Run& run) { return !run.finished->load(); });
  for (auto it = finished; it != runs_.end(); ++it) it->thread.join();
  runs_.erase(finished, runs_.end());
}

void SolverWorker::start(const GameState& state, solver::SolveOptions options, Done done) {
  run([state](const solver::SolveOptions& o) { return solver::solveState(state, o); }, options, std::move(done));
}

void SolverWorker::run(Search search, solver::SolveOptions options, Done done) {
  cancel();
  busy_ = true;
  done_ = std::move(done);
  const unsigned generation = generation_;
  Run job{{}, std::make_shared<std::atomic<bool>>(false), std::make_shared<std::atomic<bool>>(false)};
  options.cancel = job.cancel.get();
  job.thread = std::thread([this, search = std::move(search), options, generation, cancelFlag = job.cancel,
                            finished = job.finished] {
    const solver::SolveResult result = search(options);
    QMetaObject::invokeMethod(
        this,
        [this, result, generation] {
          if (generation != generation_ || !done_) return;
          busy_ = false;
          Done deliver = std::move(done_);
          done_ = nullptr;
          deliver(result);
          reapFinished();
        },
        Qt::QueuedConnection);
    finished->store(true);
  });
  runs_.push_back(std::move(job));
}

}  // namespace kes
