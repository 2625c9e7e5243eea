#pragma once

#include <QGuiApplication>

namespace kes {

// The busy cursor for as long as the object lives: while files are read or
// written, or the table is drawn anew.
struct BusyCursor {
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace kes
