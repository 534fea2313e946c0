#include "app/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "model/FileKind.h"

QStringList QtNameFilters(const std::string& productFilter) {
  QStringList parts = QString::fromStdString(productFilter).split(QLatin1Char('|'));
  while (!parts.isEmpty() && parts.last().isEmpty()) parts.removeLast();
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts.at(i).trimmed();
    // Qt takes the patterns from the last parenthesised group, separated by
    // blanks; the product's group lists them with commas.
    if (description.endsWith(QLatin1Char(')'))) {
      qsizetype open = description.lastIndexOf(QLatin1Char('('));
      if (open >= 0) description = description.left(open).trimmed();
    }
    // File names tell letter case apart here, and a JPEG may end in .jpeg:
    // each pattern brings every spelling of its kind.
    QStringList patterns;
    for (const QString& given : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString p = given.trimmed();
      if (p == QStringLiteral("*.*")) {
        patterns.append(QStringLiteral("*"));
        continue;
      }
      for (const std::string& spelling : zorva::PatternSpellings(p.toStdString()))
        if (!patterns.contains(QString::fromStdString(spelling))) patterns.append(QString::fromStdString(spelling));
    }
    filters.append(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')'));
  }
  return filters;
}

QString SuffixOfNameFilter(const QString& nameFilter) {
  const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
  const qsizetype close = nameFilter.lastIndexOf(QLatin1Char(')'));
  if (open < 0 || close < open) return {};
  const QStringList patterns =
      nameFilter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (patterns.isEmpty()) return {};
  const QString first = patterns.first();
  if (!first.startsWith(QStringLiteral("*.")) || first.size() < 3) return {};
  const QString suffix = first.mid(2);
  for (QChar c : suffix)
    if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('[')) return {};
  return suffix.toLower();
}

std::optional<std::string> CQtFileDialogs::GetOpenFileName(const FileDialogRequest& request) {
  return Run(request, false);
}

std::optional<std::string> CQtFileDialogs::GetSaveFileName(const FileDialogRequest& request) {
  return Run(request, true);
}

std::optional<std::string> CQtFileDialogs::Run(const FileDialogRequest& request, bool save) {
  QFileDialog dlg(m_parent, QString::fromStdString(request.title));
  dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dlg.setNameFilters(QtNameFilters(request.filter));
  const QString defaultSuffix = QString::fromStdString(request.defaultExt);
  if (!defaultSuffix.isEmpty()) dlg.setDefaultSuffix(defaultSuffix);
  // The type the user picks decides the ending a bare name gets: a page
  // chosen as HTML must not be written as a project.
  QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg, defaultSuffix](const QString& filter) {
    const QString suffix = SuffixOfNameFilter(filter);
    dlg.setDefaultSuffix(suffix.isEmpty() ? defaultSuffix : suffix);
  });
  QString folder = request.folder.empty() ? m_lastFolder : QString::fromStdString(request.folder);
  if (!folder.isEmpty() && QDir(folder).exists()) dlg.setDirectory(folder);
  if (!request.initialName.empty()) dlg.selectFile(QString::fromStdString(request.initialName));
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dlg.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  m_lastFolder = QFileInfo(files.first()).absolutePath();
  return files.first().toStdString();
}
