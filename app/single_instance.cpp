#include "app/single_instance.h"

#include <unistd.h>

#include <QByteArray>
#include <QLocalSocket>
#include <QUrl>

namespace korvo {
namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kWriteTimeoutMs = 3000;
// A path longer than this is not a path.
constexpr qint64 kMaxMessage = 64 * 1024;

}  // namespace

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

QString SingleInstance::DefaultName() {
  QString name = QStringLiteral("korvocad-%1").arg(static_cast<qulonglong>(::getuid()));
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
  if (display.isEmpty()) return name;
  // Only characters that cannot make the name a path or a hidden file.
  for (QChar& c : display)
    if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-'))
      c = QLatin1Char('_');
  return name + QLatin1Char('-') + display.left(64);
}

bool SingleInstance::HandOver(const QString& file) {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  // One line per file: percent-encoded, so that line breaks and blanks in the name survive.
  socket.write(QUrl::toPercentEncoding(file));
  socket.write("\n");
  socket.flush();
  socket.waitForBytesWritten(kWriteTimeoutMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWriteTimeoutMs);
  return true;
}

bool SingleInstance::Listen(std::function<void(const QString&)> received) {
  received_ = std::move(received);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_.listen(name_)) {
    // A socket left behind by an editor that did not end cleanly: nobody answered on it
    // (HandOver failed), so it is taken over.
    QLocalServer::removeServer(name_);
    if (!server_.listen(name_)) return false;
  }
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (socket->bytesAvailable() > kMaxMessage) {
          socket->abort();
          return;
        }
        if (!socket->canReadLine()) return;
        const QString file =
            QString::fromUtf8(QByteArray::fromPercentEncoding(socket->readLine().trimmed()));
        socket->disconnectFromServer();
        if (received_) received_(file);
      });
    }
  });
  return true;
}

}  // namespace korvo
