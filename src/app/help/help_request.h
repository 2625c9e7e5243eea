#pragma once

#include <functional>

namespace kes {

// Where the dialogs' "&?" buttons send their topic. The program sets the
// handler once it can show help; without one the buttons stay disabled.
using HelpTopicHandler = std::function<void(int topic)>;

// The owner names who set the handler, so that only it takes it away.
void setHelpTopicHandler(const void* owner, HelpTopicHandler handler);
void clearHelpTopicHandler(const void* owner);
bool helpTopicsAvailable();
// Shows the topic; nothing when no handler is set.
void requestHelpTopic(int topic);

}  // namespace kes
