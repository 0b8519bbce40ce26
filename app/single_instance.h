#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

namespace korvo {

// One editor per user and display: the first start listens on a local socket named after the
// user and the display it shows on; a later start on the same display hands its file (or
// nothing) to that one and ends. A start on another display (a second seat, a remote
// session) opens an editor of its own there.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `name` defaults to one per user and display.
  explicit SingleInstance(QString name = DefaultName());

  // Hands `file` (absolute, may be empty) to a running editor. False when none runs.
  bool HandOver(const QString& file);
  // Becomes the running editor: `received` gets each file a later start hands over (empty
  // when it had none). False when the socket cannot be made; the editor then runs alone.
  bool Listen(std::function<void(const QString& file)> received);

  static QString DefaultName();

 private:
  QString name_;
  QLocalServer server_;
  std::function<void(const QString&)> received_;
};

}  // namespace korvo
