// Report layouts: mustache HTML templates read from the working folder and
// filled with the report feeds and the pictures of the calculation.
//
// A template sees each feed as a list named after it, one entry per row,
// whose keys are the feed's column names. A null value is false, so
// {{#Comp3}}...{{/Comp3}} leaves out what belongs to an absent component.
// Pictures is the list of pictorial pages ({{Number}}, {{Source}} for
// <img src>), PictureNote says why a calculation has none, ReportDate is
// the date of the report, and the partial
// {{> ReportStyle}} inserts the shared style sheet Report.css.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/results/report_feeds.h"

namespace vexilor::render {

//! Layout of the report of the current run.
inline constexpr std::string_view kCurrentRunProject = "RctCustom";
//! Layout of the report of a calculation stored in the results database.
inline constexpr std::string_view kStoredProject = "RvRectif";

//! The report of a project in a language: "ReportEn" when lang is 1,
//! "ReportRu" otherwise.
std::string_view ReportName(std::uint8_t lang);

//! File of the template of a project's report, e.g. "RctCustom.ReportEn.html".
QString TemplateFileName(std::string_view project, std::uint8_t lang);

//! File of the style sheet the templates share through {{> ReportStyle}}.
inline constexpr std::string_view kStyleSheetFile = "Report.css";

//! Text of a value as the templates show it; nullopt shows it as null
//! (false), which hides the sections named after it.
using ValueFormatter =
    std::function<std::optional<std::string>(const ReportColumn&, const ReportValue&)>;

//! Null as null, integers in decimal, floating point with four decimals,
//! texts as they are.
std::optional<std::string> DefaultValueText(const ReportColumn& column, const ReportValue& value);

//! What a report is made from.
struct ReportInput {
  std::string_view Project = kCurrentRunProject;
  std::uint8_t Lang = 1;  //!< selects the template and the language of messages
  std::vector<ReportTable> Tables;
  QList<QImage> Pictures;   //!< pages of the pictorial results, may be empty
  std::string PictureNote;  //!< why there are no pictures, empty when there are
  ValueFormatter Formatter = DefaultValueText;
};

//! A filled template in the two forms the outputs need.
struct RenderedReport {
  QString TemplatePath;    //!< absolute path of the template used
  QString DocumentHtml;    //!< pictures referred to as document resources
  QString StandaloneHtml;  //!< pictures inlined as data: URLs, for an HTML file
  QList<QImage> Pictures;
  std::uint8_t Lang = 1;

  //! Resource name under which DocumentHtml refers to picture index (from 0).
  static QString PictureResourceName(int index);
};

//! Loads the template of the input's project and language from the current
//! working folder and fills it. Throws ReportError, in the input's
//! language, naming the file that is missing, unreadable or malformed.
RenderedReport RenderReport(const ReportInput& input);

}  // namespace vexilor::render
