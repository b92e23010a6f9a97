// The file outputs of a report: PDF, HTML, ODF text and plain text.
#pragma once

#include <QString>
#include <optional>
#include <span>

#include "render/reports/report_document.h"

namespace vexilor::render {

enum class ReportFormat { Pdf, Html, Odt, Text };

struct ReportFormatInfo {
  ReportFormat Format;
  const char* DisplayName;  //!< "Adobe Acrobat (PDF)"
  const char* Patterns;     //!< "*.pdf", several separated by ';'
  const char* Extension;    //!< "pdf", the one a new file gets
};

//! Every file format, in the order the output options offer them.
std::span<const ReportFormatInfo> ReportFormats();
const ReportFormatInfo& FormatInfo(ReportFormat format);

//! The format a file name asks for by its extension (case ignored), or
//! nullopt for an extension no format has.
std::optional<ReportFormat> ReportFormatForFile(const QString& path);

//! Title of print jobs and of PDF documents.
inline constexpr char kPrintJobTitle[] = "ReportPrinter Report";

//! Writes the report into path in the given format. The file is written
//! whole or not at all (an existing file is replaced only on success).
//! Throws ReportError, in the report's language, naming the file.
void WriteReportFile(const RenderedReport& report, ReportFormat format, const QString& path,
                     const PageProgress& progress = {});

//! WriteReportFile with the format chosen by the file's extension; an
//! unknown extension throws ReportError listing the known ones.
void WriteReportFile(const RenderedReport& report, const QString& path,
                     const PageProgress& progress = {});

}  // namespace vexilor::render
