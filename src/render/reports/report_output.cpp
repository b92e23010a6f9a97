#include "render/reports/report_output.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocumentWriter>
#include <array>

#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "render/reports/plain_text.h"
#include "render/reports/report_error.h"

namespace vexilor::render {

namespace {

constexpr std::array<ReportFormatInfo, 4> kFormats{{
    {ReportFormat::Pdf, "Adobe Acrobat (PDF)", "*.pdf", "pdf"},
    {ReportFormat::Html, "Web Page (HTML)", "*.html;*.htm", "html"},
    {ReportFormat::Odt, "OpenDocument Text (ODT)", "*.odt", "odt"},
    {ReportFormat::Text, "Plain Text (TXT)", "*.txt", "txt"},
}};

constexpr TextPair kCannotWrite{"Cannot write the report file \"%s\":\n%s",
                                "Не удается записать файл отчета \"%s\":\n%s"};
constexpr TextPair kUnknownFormat{
    "Unknown report file type \"%s\": give the file one of the extensions %s.",
    "Неизвестный тип файла отчета \"%s\": укажите одно из расширений %s."};

//! PDF pages: 300 dots per inch on A4 with 15 mm margins.
constexpr int kPdfResolution = 300;
constexpr qreal kPdfMarginMm = 15;

[[noreturn]] void CannotWrite(const RenderedReport& report, const QString& path,
                              const QString& reason) {
  throw ReportError(Format(std::string(kCannotWrite(report.Lang)).c_str(),
                           path.toStdString().c_str(), reason.toStdString().c_str()));
}

QByteArray PdfBytes(const RenderedReport& report, const QString& path,
                    const PageProgress& progress) {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(kPdfResolution);
  writer.setPageLayout(QPageLayout(
      QPageSize(QPageSize::A4), QPageLayout::Portrait,
      QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm), QPageLayout::Millimeter));
  writer.setTitle(QString::fromLatin1(kPrintJobTitle));
  writer.setCreator(QStringLiteral("Vexilor"));
  if (PaintReportPages(report, writer, progress) == 0) {
    CannotWrite(report, path, QStringLiteral("PDF"));
  }
  return pdf;
}

QByteArray OdfBytes(const RenderedReport& report, const QString& path) {
  QByteArray odf;
  QBuffer buffer(&odf);
  const auto document = MakeReportDocument(report);
  QTextDocumentWriter writer(&buffer, "odf");
  if (!writer.write(document.get())) CannotWrite(report, path, QStringLiteral("ODF"));
  return odf;
}

//! The whole file in memory. The PDF and ODF writers close their device
//! when they finish, which a file saved atomically does not allow, so every
//! format is made in memory and saved in one go.
QByteArray ReportBytes(const RenderedReport& report, ReportFormat format, const QString& path,
                       const PageProgress& progress) {
  switch (format) {
    case ReportFormat::Pdf:
      return PdfBytes(report, path, progress);
    case ReportFormat::Html:
      return report.StandaloneHtml.toUtf8();
    case ReportFormat::Odt:
      return OdfBytes(report, path);
    case ReportFormat::Text:
      return DocumentToPlainText(*MakeReportDocument(report)).toUtf8();
  }
  return {};
}

}  // namespace

std::span<const ReportFormatInfo> ReportFormats() {
  return kFormats;
}

const ReportFormatInfo& FormatInfo(ReportFormat format) {
  for (const ReportFormatInfo& info : kFormats) {
    if (info.Format == format) return info;
  }
  return kFormats.front();
}

std::optional<ReportFormat> ReportFormatForFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix.isEmpty()) return std::nullopt;
  for (const ReportFormatInfo& info : kFormats) {
    const QStringList patterns = QString::fromLatin1(info.Patterns).split(u';');
    if (patterns.contains(QStringLiteral("*.") + suffix)) return info.Format;
  }
  return std::nullopt;
}

void WriteReportFile(const RenderedReport& report, ReportFormat format, const QString& path,
                     const PageProgress& progress) {
  const QByteArray bytes = ReportBytes(report, format, path, progress);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    CannotWrite(report, path, file.errorString());
  }
}

void WriteReportFile(const RenderedReport& report, const QString& path,
                     const PageProgress& progress) {
  const std::optional<ReportFormat> format = ReportFormatForFile(path);
  if (!format) {
    QStringList patterns;
    for (const ReportFormatInfo& info : kFormats) {
      patterns << QString::fromLatin1(info.Patterns).replace(u';', QStringLiteral(", "));
    }
    throw ReportError(Format(std::string(kUnknownFormat(report.Lang)).c_str(),
                             path.toStdString().c_str(),
                             patterns.join(QStringLiteral(", ")).toStdString().c_str()));
  }
  WriteReportFile(report, *format, path, progress);
}

}  // namespace vexilor::render
