#include "render/reports/report_template.h"

#include <QBuffer>
#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <kainjow/mustache.hpp>

#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "render/reports/report_error.h"

namespace vexilor::render {

namespace mustache = kainjow::mustache;

namespace {

constexpr TextPair kTemplateMissing{"Report template file \"%s\" not found.",
                                    "Файл шаблона отчета \"%s\" не найден."};
constexpr TextPair kTemplateUnreadable{"Report template file \"%s\" cannot be read.",
                                       "Файл шаблона отчета \"%s\" не удается прочитать."};
constexpr TextPair kTemplateMalformed{"Report template file \"%s\" has an error:\n%s",
                                      "В файле шаблона отчета \"%s\" ошибка:\n%s"};

std::string Message(const TextPair& text, std::uint8_t lang, const QString& path,
                    const std::string& detail = {}) {
  return Format(std::string(text(lang)).c_str(), path.toStdString().c_str(), detail.c_str());
}

//! Text of a file of the working folder; throws ReportError naming it.
std::string ReadWorkingFile(const QString& path, std::uint8_t lang) {
  QFile file(path);
  if (!QFileInfo::exists(path)) throw ReportError(Message(kTemplateMissing, lang, path));
  if (!file.open(QIODevice::ReadOnly)) throw ReportError(Message(kTemplateUnreadable, lang, path));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    throw ReportError(Message(kTemplateUnreadable, lang, path));
  }
  return bytes.toStdString();
}

QString WorkingPath(std::string_view fileName) {
  return QDir::current().absoluteFilePath(
      QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
}

QString PngDataUrl(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

mustache::data TableData(const ReportTable& table, const ValueFormatter& formatter) {
  mustache::data rows{mustache::data::type::list};
  for (const ReportRecord& record : table.Rows) {
    mustache::data row{mustache::data::type::object};
    for (std::size_t c = 0; c < table.Columns.size(); ++c) {
      // A null must shadow the same name in the enclosing context, so it is
      // set as false rather than left out.
      const std::optional<std::string> text = formatter(table.Columns[c], record.at(c));
      row.set(table.Columns[c].Name, text ? mustache::data{*text} : mustache::data{false});
    }
    rows.push_back(row);
  }
  return rows;
}

//! The data a template sees; pictures are referred to by resource names
//! or inlined, as the output needs.
mustache::data TemplateData(const ReportInput& input, bool inlinePictures) {
  mustache::data root{mustache::data::type::object};
  for (const ReportTable& table : input.Tables) {
    root.set(table.Name, TableData(table, input.Formatter));
  }
  mustache::data pictures{mustache::data::type::list};
  for (int i = 0; i < input.Pictures.size(); ++i) {
    mustache::data picture{mustache::data::type::object};
    picture.set("Number", std::to_string(i + 1));
    const QString source =
        inlinePictures ? PngDataUrl(input.Pictures[i]) : RenderedReport::PictureResourceName(i);
    picture.set("Source", source.toStdString());
    pictures.push_back(picture);
  }
  root.set("Pictures", pictures);
  root.set("PictureNote",
           input.PictureNote.empty() ? mustache::data{false} : mustache::data{input.PictureNote});
  root.set("ReportDate", QDate::currentDate().toString(Qt::ISODate).toStdString());
  return root;
}

}  // namespace

std::string_view ReportName(std::uint8_t lang) {
  return PickText(lang, "ReportEn", "ReportRu");
}

QString TemplateFileName(std::string_view project, std::uint8_t lang) {
  return QString::fromUtf8(project.data(), static_cast<qsizetype>(project.size())) + '.' +
         QString::fromUtf8(ReportName(lang).data()) + QStringLiteral(".html");
}

std::optional<std::string> DefaultValueText(const ReportColumn&, const ReportValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* integer = std::get_if<std::int64_t>(&value)) return std::to_string(*integer);
  if (const auto* real = std::get_if<Real>(&value)) return Format("%.4Lf", *real);
  return std::nullopt;
}

QString RenderedReport::PictureResourceName(int index) {
  return QStringLiteral("vexilor-picture-%1.png").arg(index + 1);
}

RenderedReport RenderReport(const ReportInput& input) {
  RenderedReport report;
  report.Lang = input.Lang;
  report.Pictures = input.Pictures;
  report.TemplatePath =
      QDir::current().absoluteFilePath(TemplateFileName(input.Project, input.Lang));

  mustache::mustache layout{ReadWorkingFile(report.TemplatePath, input.Lang)};
  if (!layout.is_valid()) {
    throw ReportError(
        Message(kTemplateMalformed, input.Lang, report.TemplatePath, layout.error_message()));
  }

  // The style sheet is read only when a template asks for it. A failure
  // inside the renderer cannot be thrown through it, so it is kept and
  // reported once rendering is over.
  std::string styleError;
  const mustache::partial style{[&]() -> std::string {
    try {
      return ReadWorkingFile(WorkingPath(kStyleSheetFile), input.Lang);
    } catch (const ReportError& error) {
      styleError = error.what();
      return {};
    }
  }};

  auto render = [&](bool inlinePictures) {
    mustache::data data = TemplateData(input, inlinePictures);
    data.set("ReportStyle", style);
    const std::string html = layout.render(data);
    if (!styleError.empty()) throw ReportError(styleError);
    if (!layout.is_valid()) {
      throw ReportError(
          Message(kTemplateMalformed, input.Lang, report.TemplatePath, layout.error_message()));
    }
    return QString::fromStdString(html);
  };
  report.DocumentHtml = render(false);
  report.StandaloneHtml = render(true);
  return report;
}

}  // namespace vexilor::render
