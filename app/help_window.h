#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace korvo {

// The help window: the manual in a browser of its own beside the main window. It follows the
// manual's links itself (pages of the help folder, anchors) and hands web addresses to the
// desktop's browser.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows `page` (a local file, its fragment the anchor to scroll to) and brings the window
  // to the front.
  void ShowPage(const QUrl& page);

  QTextBrowser& browser() { return *browser_; }

 private:
  void ShowTitle();

  QTextBrowser* browser_;
  QUrl home_;  // the file last asked for, where "Contents" leads
};

}  // namespace korvo
