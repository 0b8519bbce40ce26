#include "app/help_window.h"

#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace korvo {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(true);

  auto* tools = new QToolBar;
  QAction* back = tools->addAction(tr("Back"), browser_, &QTextBrowser::backward);
  QAction* forward = tools->addAction(tr("Forward"), browser_, &QTextBrowser::forward);
  tools->addAction(tr("Contents"), this, [this] {
    QUrl contents = home_;
    contents.setFragment(QStringLiteral("Main_Contents"));
    browser_->setSource(contents);
  });
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] { ShowTitle(); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(browser_, 1);
  resize(640, 720);
  ShowTitle();
}

void HelpWindow::ShowPage(const QUrl& page) {
  // Shown first: the browser scrolls to the anchor only once it knows its own height.
  home_ = page.adjusted(QUrl::RemoveFragment);
  show();
  raise();
  activateWindow();
  browser_->setSource(page);
  // Asked again for the anchor it shows, the browser stays where the reader scrolled to.
  if (page.hasFragment()) browser_->scrollToAnchor(page.fragment());
}

void HelpWindow::ShowTitle() {
  const QString title = browser_->documentTitle();
  setWindowTitle(title.isEmpty() ? tr("KorvoCAD Help") : tr("KorvoCAD Help - %1").arg(title));
}

}  // namespace korvo
