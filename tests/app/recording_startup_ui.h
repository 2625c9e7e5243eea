#pragma once

#include <string>
#include <vector>

#include "app/startup/startup_ui.h"

namespace kes::testing {

// Keeps what start-up wanted to show and gives the answers a test chose.
class RecordingStartupUi : public StartupUi {
 public:
  void information(const std::string& text) override { informations.push_back(text); }
  void error(const std::string& text) override { errors.push_back(text); }
  bool advice(const std::string& text, AdvicePicture picture) override {
    advices.push_back(text);
    pictures.push_back(picture);
    return tickDontShowAgain;
  }
  bool confirm(const std::string& question) override {
    questions.push_back(question);
    return answerOk;
  }

  bool tickDontShowAgain = false;
  bool answerOk = true;
  std::vector<std::string> informations;
  std::vector<std::string> errors;
  std::vector<std::string> advices;
  std::vector<AdvicePicture> pictures;
  std::vector<std::string> questions;
};

}  // namespace kes::testing
