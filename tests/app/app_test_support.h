#pragma once

#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "datafiles/message_sink.h"
#include "datafiles/settings_file.h"
#include "test_temp_dir.h"

namespace kes::test {

// Collects the messages a data-file routine would show.
class RecordingSink : public MessageSink {
 public:
  void information(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// A settings file in a fresh folder.
struct TempSettings {
  TempDir dir;
  RecordingSink sink;
  SettingsFile file{dir.path() / "DATA" / "CFG.DAT", sink};

  std::string preference(const char* key) const { return file.readString("Preference", key, "<none>"); }
};

// A main window shown and active, so that its shortcuts answer.
inline std::unique_ptr<TfrmMain> shownWindow() {
  auto window = std::make_unique<TfrmMain>();
  window->resize(800, 600);
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) return nullptr;
  return window;
}

}  // namespace kes::test
