#pragma once

#include <QLabel>
#include <QWidget>

namespace korvo {

class PromptLine;

// The strip under the view that shows the command engine's current question.
class PromptBar : public QWidget {
  Q_OBJECT

 public:
  PromptBar(PromptLine& promptLine, QWidget* parent = nullptr);
  ~PromptBar() override;

  QString Text() const { return label_->text(); }

 private:
  PromptLine& promptLine_;
  std::size_t listener_ = 0;
  QLabel* label_;
};

}  // namespace korvo
