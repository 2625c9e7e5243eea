#include "app/help/help_request.h"

namespace kes {

namespace {

struct Handler {
  const void* owner = nullptr;
  HelpTopicHandler show;
};

Handler& handler() {
  static Handler current;
  return current;
}

}  // namespace

void setHelpTopicHandler(const void* owner, HelpTopicHandler show) { handler() = {owner, std::move(show)}; }

void clearHelpTopicHandler(const void* owner) {
  if (handler().owner == owner) handler() = {};
}

bool helpTopicsAvailable() { return static_cast<bool>(handler().show); }

void requestHelpTopic(int topic) {
  if (handler().show) handler().show(topic);
}

}  // namespace kes
