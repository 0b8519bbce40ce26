#include "app/qt_file_dialog.h"
#include "app/qt_text.h"

#include <QFileDialog>
#include <QStringList>

namespace korvo {
namespace {

// "dxf" of the pattern "*.dxf"; empty for a pattern that names no single extension.
QString ExtensionOfPattern(std::u16string_view pattern) {
  constexpr std::u16string_view kAnyName = u"*.";
  if (pattern.substr(0, kAnyName.size()) != kAnyName) return {};
  const std::u16string_view extension = pattern.substr(kAnyName.size());
  if (extension.empty() || extension.find_first_of(u"*?;. ") != std::u16string_view::npos)
    return {};
  return QtText(extension);
}

}  // namespace

QString QtFileDialog::FilterText(const FileFilter& filter) {
  const QString name = QtText(filter.name);
  const QString pattern = QtText(filter.pattern);
  if (name.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))) return name;
  return name + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

std::optional<std::filesystem::path> QtFileDialog::Run(const FileDialogRequest& request) {
  const bool save = request.mode == FileDialogMode::Save;
  QFileDialog dialog(parent_.data(), QtText(request.title));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QStringList filters;
  for (const FileFilter& filter : request.filters) filters << FilterText(filter);
  dialog.setNameFilters(filters);
  if (request.selectedFilter < static_cast<std::size_t>(filters.size()))
    dialog.selectNameFilter(filters.at(static_cast<qsizetype>(request.selectedFilter)));
  dialog.setDefaultSuffix(QtText(request.defaultExtension));
  // A bare name takes the extension of the type the user picked, so that picking a type
  // chooses the format rather than only the files listed.
  if (!request.defaultExtension.empty()) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &request](const QString& picked) {
                       for (const FileFilter& filter : request.filters) {
                         if (FilterText(filter) != picked) continue;
                         const QString extension = ExtensionOfPattern(filter.pattern);
                         if (!extension.isEmpty()) dialog.setDefaultSuffix(extension);
                       }
                     });
  }
  if (!request.proposed.empty())
    dialog.selectFile(QString::fromStdString(request.proposed.string()));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.first().toStdString());
}

}  // namespace korvo
