#pragma once

#include <QPixmap>
#include <QWidget>

namespace korvo {

class PromptLine;
class ToolbarWidget;

// The strip under the view that shows the command engine's current question in white on its
// background picture, with the prompt toolbar at its right end or, switched by the assistant
// command, the assistant toolbar over the whole bar.
class PromptBar : public QWidget {
  Q_OBJECT

 public:
  PromptBar(PromptLine& promptLine, QWidget* parent = nullptr);
  ~PromptBar() override;

  QString Text() const { return text_; }

  // The background picture (tiled) and the sizes of the screen class: the text height and the
  // margin around the assistant toolbar.
  void SetLook(const QPixmap& background, bool largeScreen);
  // The two toolbars the bar holds; it lays them out and shows one at a time.
  void SetToolbars(ToolbarWidget* prompt, ToolbarWidget* assistant);
  // The assistant command: the other toolbar takes the bar.
  void ToggleAssistant();
  bool AssistantShown() const { return assistantShown_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Arrange();
  int ButtonSize() const;

  PromptLine& promptLine_;
  std::size_t listener_ = 0;
  QString text_;
  QPixmap background_;
  bool largeScreen_ = false;
  bool assistantShown_ = false;
  ToolbarWidget* prompt_ = nullptr;
  ToolbarWidget* assistant_ = nullptr;
};

}  // namespace korvo
