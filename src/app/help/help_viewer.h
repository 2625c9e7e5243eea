#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace kes {

// What the loadable help module offers: the help file opened with Qt's help
// engine and the window that shows it. Linking the help engine into the
// program would load it (and the database libraries under it) at every
// start; the module is loaded when help is first opened.
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;

  // Empty when the file could be opened; otherwise why not.
  virtual QString error() const = 0;
  // Shows a topic's page (0: the contents); a topic the file lacks shows the
  // contents, so the reader can look on.
  virtual void showTopic(int topic) = 0;
  // The viewer's window; null once it was closed by its parent.
  virtual QWidget* window() const = 0;
  virtual QUrl source() const = 0;
  virtual QString pageTitle() const = 0;
};

// The module's one exported function, looked up by this name: a new viewer
// of the help file, whose search index is kept below cacheFolder, with its
// window a child window of parent.
using MakeHelpViewer = HelpViewer* (*)(const QString& helpFile, const QString& cacheFolder, QWidget* parent);
inline constexpr const char* kMakeHelpViewerSymbol = "kestrovaMakeHelpViewer";
inline constexpr const char* kHelpModuleName = "kestrova-help";

}  // namespace kes
